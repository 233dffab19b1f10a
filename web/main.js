// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry: the design's fonts, the core, the drawings, then the
// window, computed and shown as the program starts.
import { toFont, toTwips } from './units.js';

// Text widths in the page's fonts, for the core's fitting rule.
function measurer() {
  const context = document.createElement('canvas').getContext('2d');
  return (text, bold, italic, points) => {
    context.font = toFont(bold, italic, points);
    return toTwips(context.measureText(text).width);
  };
}

// The core's presenter, its answers as objects (it gives them as JSON).
function presenterOf(core, separator) {
  const page = new core.Page(separator, measurer());
  const parsed = (method) => (...args) => JSON.parse(page[method](...args));
  return Object.fromEntries(['view', 'load', 'type', 'enter', 'paste', 'keypadDecimal']
    .map((method) => [method, parsed(method)]));
}

// The drawings the page preloads, by name.
const drawingNames = () => [...document.querySelectorAll('link[as=image]')]
  .map((link) => link.getAttribute('href').replace(/^pictures\/(.*)\.svg$/, '$1'));

// The rest of the page's files, the fonts and the drawings load side by side
// while the first frame (index.html), if the screen shows one, is painted
// before the core starts. Each step is marked for whoever profiles the
// start-up (bench/web.mjs); "result-painted" is the first frame with the
// result, "page-ready" the live window.
async function start() {
  performance.mark('script-started');
  const modules = Promise.all([import('./core.js'), import('./page.js'), import('./pictures.js')]);
  const fonts = Promise.all([toFont(false, false, 12), toFont(true, false, 12),
                             toFont(true, true, 12)].map((font) => document.fonts.load(font)));
  const firstFrame = window.firstFrame;
  await firstFrame;
  const [{ default: createCore }, { Page }, { Pictures }] = await modules;
  performance.mark('scripts-loaded');
  const core = await createCore();
  performance.mark('core-ready');
  const pictures = new Pictures(core);
  const drawn = pictures.load(drawingNames());
  await fonts;  // the core measures captions in them
  performance.mark('fonts-ready');
  const presenter = presenterOf(core, document.documentElement.dataset.decimalSeparator);
  const root = document.getElementById('window');
  const page = new Page(root, JSON.parse(core.design()), presenter, pictures);
  performance.mark('page-built');
  await drawn;
  performance.mark('drawings-ready');
  root.inert = false;
  page.start();
  performance.mark('view-shown');
  requestAnimationFrame(() => {
    if (!firstFrame) performance.mark('result-painted');
    performance.mark('page-ready');
  });
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

start();

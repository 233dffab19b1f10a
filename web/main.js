// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry: the design's fonts, the core, the drawings, then the
// window, computed and shown as the program starts.
import { toFont, toTwips } from './units.js';

// The decimal separator of the browser's language.
function decimalSeparator() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}

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

// The rest of the page's files, the fonts and the drawings load side by
// side; the locale's data is read meanwhile. Each step is marked for whoever
// profiles the start-up (bench/web.mjs).
async function start() {
  performance.mark('script-started');
  const modules = Promise.all([import('./core.js'), import('./page.js'), import('./pictures.js')]);
  const fonts = Promise.all([toFont(false, false, 12), toFont(true, false, 12),
                             toFont(true, true, 12)].map((font) => document.fonts.load(font)));
  const separator = decimalSeparator();
  performance.mark('locale-read');
  const [{ default: createCore }, { Page }, { Pictures }] = await modules;
  performance.mark('scripts-loaded');
  const core = await createCore();
  performance.mark('core-ready');
  const pictures = new Pictures(core);
  const drawn = pictures.load(drawingNames());
  await fonts;  // the core measures captions in them
  performance.mark('fonts-ready');
  const presenter = presenterOf(core, separator);
  const page = new Page(document.getElementById('window'), JSON.parse(core.design()), presenter,
                        pictures);
  performance.mark('page-built');
  await drawn;
  performance.mark('drawings-ready');
  page.start();
  performance.mark('view-shown');
  requestAnimationFrame(() => performance.mark('result-painted'));
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

start();

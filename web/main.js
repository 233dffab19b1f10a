// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry: the design's fonts, the core, the drawings, then the
// window, computed and shown as the program starts.
import createCore from './core.js';
import { Page } from './page.js';
import { Pictures } from './pictures.js';
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

async function start() {
  await Promise.all([toFont(false, false, 12), toFont(true, false, 12), toFont(true, true, 12)]
    .map((font) => document.fonts.load(font)));
  const core = await createCore();
  const presenter = new core.Page(decimalSeparator(), measurer());
  const pictures = new Pictures(core);
  await pictures.load(presenter.view().picturesBottomUp.map((picture) => picture.name));
  new Page(document.getElementById('window'), core.design(), presenter, pictures).start();
  requestAnimationFrame(() => performance.mark('result-painted'));
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

start();

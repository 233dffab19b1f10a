// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry. The window is on the screen already, as index.html draws
// it; this starts the core, then the page takes the window over and it lives.
// Each step is marked for whoever profiles the start-up (bench/web.mjs;
// locale.js marks the first frame): "page-ready" when the live window shows.
import { Core, CoreMissing } from './core.js';
import { Page } from './page.js';
import { toFont, toTwips } from './units.js';

// Text widths in the page's fonts, for the core's fitting rule.
function measurer() {
  const context = document.createElement('canvas').getContext('2d');
  return (text, bold, italic, points) => {
    context.font = toFont(bold, italic, points);
    return toTwips(context.measureText(text).width);
  };
}

// Said in the page, in the words index.html holds, where the core cannot start.
function sayWhy(reason) {
  const line = document.getElementById('no-core');
  line.textContent = line.dataset[reason];
  line.hidden = false;
}

async function start() {
  performance.mark('script-started');
  // The core measures texts in the design's fonts: they are loaded first.
  const fonts = Promise.all([...document.fonts].map((face) => face.load()));
  let core;
  try {
    core = await Core.start(document.documentElement.dataset.decimalSeparator, measurer());
  } catch (error) {
    sayWhy(error instanceof CoreMissing ? error.reason : 'files');
    return;
  }
  performance.mark('core-ready');
  await fonts;
  const page = new Page(core.design(), core);
  // What the window shows now, as the page was built, in this separator.
  const first = JSON.parse(document.getElementById('first-views').textContent);
  page.start(first[document.documentElement.dataset.decimalSeparator]);
  performance.mark('view-shown');
  requestAnimationFrame(() => performance.mark('page-ready'));
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

start();

// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry. The window is on the screen already, as index.html draws
// it; this starts the core, then the page takes the window over and it lives.
// Each step is marked for whoever profiles the start-up (bench/web.mjs;
// startup.js marks the first frame): "page-ready" when the live window shows.
import { Core, CoreMissing } from './core.js';
import { Page } from './page.js';
import { toFont, toTwips } from './units.js';

// Text widths in the page's fonts, for the core's fitting rule. Each view
// asks again for the widths of the same few texts: each is measured once.
function measurer() {
  const context = document.createElement('canvas').getContext('2d');
  const measured = new Map();
  return (text, bold, italic, points) => {
    const font = toFont(bold, italic, points);
    const key = `${font}\n${text}`;
    let width = measured.get(key);
    if (width === undefined) {
      if (context.font !== font) context.font = font;
      width = toTwips(context.measureText(text).width);
      measured.set(key, width);
    }
    return width;
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
  const separator = document.documentElement.dataset.decimalSeparator;
  // Asked for by startup.js, as the window began.
  const files = globalThis.coreFiles;
  // What the window shows now, as the page was built, and the design's facts.
  const first = files.firstView.then((response) => response.json());
  let core;
  let shown;
  try {
    [core, shown] = await Promise.all([Core.start(measurer(), () => files.wasm), first]);
  } catch (error) {
    sayWhy(error instanceof CoreMissing ? error.reason : 'files');
    return;
  }
  performance.mark('core-ready');
  // The first frame is drawn before anything of it is touched; by then the
  // window is parsed and its fonts, which the core measures texts in, are in.
  await globalThis.firstFrame;
  const page = new Page(shown.design, core);
  page.start(separator, shown.views[separator]);
  performance.mark('view-shown');
  requestAnimationFrame(() => performance.mark('page-ready'));
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

start();

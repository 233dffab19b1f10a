// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry. The window is on the screen already, as index.html draws
// it; this starts the core, then the page takes the window over and it lives.
// Each step is marked for whoever profiles the start-up (bench/web.mjs;
// startup.js marks the first frame): "page-ready" when the live window shows.
import { Core, CoreMissing } from './core.js';
import { Page } from './page.js';

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
    [core, shown] = await Promise.all([Core.start(() => files.wasm), first]);
  } catch (error) {
    sayWhy(error instanceof CoreMissing ? error.reason : 'files');
    return;
  }
  performance.mark('core-ready');
  // The first frame is drawn whole before anything of it is touched.
  await globalThis.firstFrame;
  const page = new Page(shown.design, core);
  page.start(separator, shown.views[separator]);
  performance.mark('view-shown');
  requestAnimationFrame(() => performance.mark('page-ready'));
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

start();

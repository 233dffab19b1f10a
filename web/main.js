// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry. The window is on the screen already, as index.html draws
// it; this starts the core, then the page takes the window over and it lives.
// Each step is marked for whoever profiles the start-up (bench/web.mjs;
// startup.js marks the first frame): "page-ready" when the live window shows.
import { Core, CoreMissing } from './core.js';
import { firstView } from './first_view.js';
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
  let core;
  try {
    // Asked for by startup.js, as the window began.
    core = await Core.start(() => globalThis.coreFile);
  } catch (error) {
    sayWhy(error instanceof CoreMissing ? error.reason : 'files');
    return;
  }
  performance.mark('core-ready');
  // The first frame is drawn whole before anything of it is touched.
  await globalThis.firstFrame;
  const page = new Page(firstView.design, core);
  page.start(separator, firstView.views[separator]);
  performance.mark('view-shown');
  requestAnimationFrame(() => performance.mark('page-ready'));
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

start();

// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the web page (dist/web/) in Debian's Chromium, headless, and
// writes what it measured as JSON for bench/report.py:
//   - the transfer size of everything the first visit loads, gzipped;
//   - for a wide screen (1280 × 800) and a mid-range phone (360 × 740, touch,
//     three device pixels to the CSS pixel, the CPU slowed four times), each
//     with no cache and no service worker, in runs alternated with the fair
//     floor at the same size (bench/web_floor.html: the same words, fonts and
//     drawings as a static page, in one column where the page has one):
//     the first paint with the result, and the live window (the core has
//     shown its view: a key typed at the first paint has changed the result);
//   - a keystroke to its finished layout, under the same slowdown.
//
//     node bench/web.mjs OUT.json [RUNS]
import { copyFileSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { cpus } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

import { PAGE_DIR, launch, serve } from '../tests/web/harness.mjs';

const [out, runs = '40'] = process.argv.slice(2);
copyFileSync(new URL('web_floor.html', import.meta.url), join(PAGE_DIR, 'floor.html'));
const site = await serve();
const browser = await launch();
const quantile = (values, q) =>
  [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) * q)];
const median = (values) => quantile(values, 0.5);
// The middle half of the values, the spread this machine gives.
const quartiles = (values) => [quantile(values, 0.25), quantile(values, 0.75)];

const SLOWDOWN = 4;
const PROFILES = {
  wide: { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1, slowdown: 1 },
  phone: { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true,
           hasTouch: true, slowdown: SLOWDOWN },
};

// One browser context a profile: Chromium prepares a window's own pages in it
// when it opens, away from the runs. Each run opens a page of its own from a
// server of its own (another origin: another renderer, nothing compiled
// before), with the cache and the service worker off.
const contexts = {};
async function openIn(profile, url, { slowdown } = {}) {
  const { slowdown: profileSlowdown, ...options } = PROFILES[profile];
  contexts[profile] ??= await browser.newContext({ ...options, serviceWorkers: 'block' });
  const site = await serve();
  const page = await contexts[profile].newPage();
  const session = await contexts[profile].newCDPSession(page);
  await session.send('Network.setCacheDisabled', { cacheDisabled: true });
  await session.send('Emulation.setCPUThrottlingRate', { rate: slowdown ?? profileSlowdown });
  await page.goto(`${site.url}${url}`, { waitUntil: 'commit' });
  const close = async () => {
    await page.close();
    site.server.close();
  };
  return { page, session, close };
}

// Every file the first visit asks for, its worker's caching included.
async function transfer() {
  const context = await browser.newContext();
  const page = await context.newPage();
  const files = new Set();
  context.on('request', (request) => files.add(new URL(request.url()).pathname));
  await page.goto(site.url);
  // A worker that cannot cache a listed file never gets ready: said, not waited for.
  await page.evaluate(() => Promise.race([navigator.serviceWorker.ready, new Promise(
    (_, fail) => setTimeout(() => fail(new Error('the service worker never got ready')), 30000))]));
  await page.waitForTimeout(500);
  await context.close();
  const sizes = [...files].map((path) => {
    const file = join(PAGE_DIR, path.endsWith('/') ? `${path}index.html` : path);
    return gzipSync(readFileSync(file), { level: 9 }).length;
  });
  return { files: files.size, gzipped_kib: sizes.reduce((a, b) => a + b, 0) / 1024 };
}

// Each mark the page made once it has made `last`, in ms after navigation,
// waited for inside the page (polling it would take the page's own time).
// "result-painted" is when everything the first frame holds was ready and a
// frame asked for: the paint that shows it is that frame's, or the first
// paint if that comes later.
const marksBy = (page, last) => page.evaluate((name) => new Promise((resolve) => {
  const seen = () => performance.getEntriesByName(name).length > 0 &&
                     performance.getEntriesByName('first-contentful-paint').length > 0;
  const done = () => {
    const marked = Object.fromEntries(performance.getEntriesByType('mark')
      .map((mark) => [mark.name, mark.startTime]));
    const first = performance.getEntriesByName('first-contentful-paint')[0].startTime;
    resolve({ ...marked, 'result-painted': Math.max(first, marked['result-painted']) });
  };
  const observer = new PerformanceObserver(() => {
    if (!seen()) return;
    observer.disconnect();
    done();
  });
  observer.observe({ entryTypes: ['mark', 'paint'] });
  if (seen()) {
    observer.disconnect();
    done();
  }
}), last);

// The floor's first paint with the result, in ms after navigation.
async function floorRun(profile) {
  const { page, close } = await openIn(profile, 'floor.html');
  const { 'result-painted': at } = await marksBy(page, 'result-painted');
  await close();
  return at;
}

// The page's first paint with the result, its live window, and each step on
// the way (ms after navigation). A key typed into the horizontal figure once
// the first frame is drawn has changed the result by the live window. The
// field is focused by the page's own focus() and the keys are input events,
// as a tap and a keyboard give them: Playwright's selectors would first load
// their own script into the page, on the thread being measured.
async function pageRun(profile) {
  const { page, session, close } = await openIn(profile, '');
  await page.evaluate(() => new Promise((resolve) => {
    const observer = new PerformanceObserver(() => {
      if (!performance.getEntriesByName('result-painted').length) return;
      observer.disconnect();
      resolve();
    });
    observer.observe({ type: 'mark', buffered: true });
  }));
  await session.send('Runtime.evaluate',
                     { expression: "document.getElementById('txtHorizontal').focus()" });
  await page.keyboard.press('End');
  await page.keyboard.press('5');
  const steps = await marksBy(page, 'page-ready');
  const result = await page.inputValue('#txtDistancia');
  if (result !== '1223.7890625') throw new Error(`the key typed early gave ${result}`);
  await close();
  return steps;
}

// Under the slowdown whatever the profile.
async function keystroke(profile) {
  const { page, close } = await openIn(profile, '', { slowdown: SLOWDOWN });
  await marksBy(page, 'page-ready');
  const times = await page.evaluate(() => {
    const input = document.getElementById('txtHorizontal');
    const taken = [];
    for (let i = 0; i < 101; ++i) {
      const start = performance.now();
      input.value = String(60 + (i % 20));
      input.dispatchEvent(new Event('input'));
      void document.body.offsetHeight;  // the style and layout it causes
      taken.push(performance.now() - start);
    }
    return taken;
  });
  await close();
  return median(times);
}

async function measure(profile) {
  const page = [];
  const floor = [];
  await pageRun(profile);  // a warming run each
  await floorRun(profile);
  for (let run = 0; run < Number(runs); ++run) {
    const order = run % 2 ? ['page', 'floor'] : ['floor', 'page'];
    for (const which of order) {
      if (which === 'page') page.push(await pageRun(profile));
      else floor.push(await floorRun(profile));
    }
  }
  const paint = page.map((steps) => steps['result-painted']);
  const live = page.map((steps) => steps['page-ready']);
  // Each run's page against the floor run beside it: what drifts on the
  // machine between runs drifts out of the ratio.
  const pairs = (times) => times.map((at, i) => at / floor[i]);
  return {
    first_paint_ms: { page: median(paint), floor: median(floor), live: median(live) },
    pair_ratio: { first_paint: median(pairs(paint)), live: median(pairs(live)),
                  first_paint_quartiles: quartiles(pairs(paint)),
                  live_quartiles: quartiles(pairs(live)) },
    steps_ms: Object.fromEntries(Object.keys(page[0])
      .map((name) => [name, median(page.map((steps) => steps[name]))])
      .sort(([, a], [, b]) => a - b)),
    keystroke_ms: await keystroke(profile),
  };
}

const measured = {
  date: new Date().toISOString().slice(0, 10),
  machine: `${cpus()[0]?.model ?? 'unknown CPU'}, ${cpus().length} cores, ` +
           `Chromium ${browser.version()} headless`,
  runs: Number(runs),
  slowdown: SLOWDOWN,
  transfer: await transfer(),
  profiles: { wide: await measure('wide'), phone: await measure('phone') },
};
await browser.close();
site.server.close();
rmSync(join(PAGE_DIR, 'floor.html'));
writeFileSync(out, `${JSON.stringify(measured, null, 2)}\n`);
console.log(`wrote ${out}`);

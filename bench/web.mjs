// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the web page (dist/web/) in Debian's Chromium, headless, and
// writes what it measured as JSON for bench/report.py:
//   - the transfer size of everything the first visit loads, gzipped;
//   - the time from navigation to the first paint with the result (and to the
//     live window), median of runs alternated with the fair floor
//     (bench/web_floor.html: the design's words in its fonts and its
//     drawings, nothing else);
//   - a keystroke to its repaint (the handler and the layout it causes),
//     median of keystrokes, on a wide screen and on a phone.
//
//     node bench/web.mjs OUT.json [RUNS]
import { copyFileSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { cpus } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

import { PAGE_DIR, launch, open, serve } from '../tests/web/harness.mjs';

const [out, runs = '15'] = process.argv.slice(2);
copyFileSync(new URL('web_floor.html', import.meta.url), join(PAGE_DIR, 'floor.html'));
const site = await serve();
const browser = await launch();
const quantile = (values, q) =>
  [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) * q)];
const median = (values) => quantile(values, 0.5);
// The middle half of the values, the spread this machine gives.
const quartiles = (values) => [quantile(values, 0.25), quantile(values, 0.75)];

// Every file the first visit asks for, its worker's caching included.
async function transfer() {
  const context = await browser.newContext();
  const page = await context.newPage();
  const files = new Set();
  context.on('request', (request) => files.add(new URL(request.url()).pathname));
  await page.goto(site.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForTimeout(500);
  await context.close();
  const sizes = [...files].map((path) => {
    const file = join(PAGE_DIR, path.endsWith('/') ? `${path}index.html` : path);
    return gzipSync(readFileSync(file), { level: 9 }).length;
  });
  return { files: files.size, gzipped_kib: sizes.reduce((a, b) => a + b, 0) / 1024 };
}

// The first paint with the result, and when each step the page marks on its
// way to its live window (`last`) is reached, in milliseconds after
// navigation.
async function firstPaint(url, last = 'result-painted') {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction((name) => performance.getEntriesByName(name).length > 0, last);
  const steps = await page.evaluate(() => Object.fromEntries(
    performance.getEntriesByType('mark').map((mark) => [mark.name, mark.startTime])));
  await context.close();
  return { at: steps['result-painted'], steps };
}

async function keystroke(width, height) {
  const { context, page } = await open(browser, site.url, { width, height });
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
  await context.close();
  return median(times);
}

const page = [];
const floor = [];
const firstPaintOfPage = () => firstPaint(site.url, 'page-ready');
await firstPaintOfPage();  // a warming run each
await firstPaint(`${site.url}floor.html`);
for (let run = 0; run < Number(runs); ++run) {
  const order = run % 2 ? ['page', 'floor'] : ['floor', 'page'];
  for (const which of order) {
    if (which === 'page') page.push(await firstPaintOfPage());
    else floor.push(await firstPaint(`${site.url}floor.html`));
  }
}
const steps = Object.fromEntries(Object.keys(page[0].steps)
  .map((name) => [name, median(page.map((run) => run.steps[name]))])
  .sort(([, a], [, b]) => a - b));
const measured = {
  date: new Date().toISOString().slice(0, 10),
  machine: `${cpus()[0]?.model ?? 'unknown CPU'}, ${cpus().length} cores, ` +
           `Chromium ${browser.version()} headless`,
  runs: Number(runs),
  transfer: await transfer(),
  first_paint_ms: { page: median(page.map((run) => run.at)),
                    floor: median(floor.map((run) => run.at)),
                    live: median(page.map((run) => run.steps['page-ready'])) },
  // Each run's page against the floor run beside it: what drifts on the
  // machine between runs drifts out of the ratio.
  first_paint_pair_ratio: (() => {
    const ratios = page.map((run, i) => run.at / floor[i].at);
    return { median: median(ratios), quartiles: quartiles(ratios) };
  })(),
  first_paint_quartiles_ms: { page: quartiles(page.map((run) => run.at)),
                              floor: quartiles(floor.map((run) => run.at)) },
  first_paint_steps_ms: steps,
  keystroke_ms: { wide: await keystroke(1024, 768), phone: await keystroke(360, 740) },
};
await browser.close();
site.server.close();
rmSync(join(PAGE_DIR, 'floor.html'));
writeFileSync(out, `${JSON.stringify(measured, null, 2)}\n`);
console.log(`wrote ${out}`);

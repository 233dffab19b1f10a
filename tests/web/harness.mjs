// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's browser tests share: the page served from its folder on
// 127.0.0.1, Debian's Chromium driven by playwright-core, the shared tables
// of tests/data/, and the screen's pixels.
import { readFileSync } from 'node:fs';
import { inflateSync } from 'node:zlib';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { launch, serve as serveFolder } from './chromium.mjs';

export { launch };

const ROOT = fileURLToPath(new URL('../..', import.meta.url));
export const PAGE_DIR = process.env.DISTANCIA_WEB_DIR ?? join(ROOT, 'dist', 'web');

// The page's folder over HTTP, as a static host serves it; its address.
export const serve = (folder = PAGE_DIR) => serveFolder(folder);

// A page opened as a user opens it, in a locale and at a size; whatever it
// says on its console and every uncaught error are kept. `init` is
// [function, argument] to run in the page before its own scripts.
export async function open(browser, url, { locale = 'en-US', width = 1024, height = 768,
                                           colorScheme = 'light', init = null,
                                           permissions = ['clipboard-read',
                                                          'clipboard-write'] } = {}) {
  const context = await browser.newContext({ locale, viewport: { width, height },
                                             deviceScaleFactor: 1, colorScheme, permissions });
  const page = await context.newPage();
  if (init) await page.addInitScript(...init);
  const said = [];
  page.on('console', (message) => said.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => said.push(`uncaught: ${error.message}`));
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('page-ready').length > 0);
  return { context, page, said };
}

// ---- the shared tables

// A table without rows throws: its checks would pass by checking nothing.
function table(name) {
  const rows = readFileSync(join(ROOT, 'tests', 'data', name), 'utf8').split('\n')
    .filter((line) => line.trim() && !line.startsWith('#')).map((line) => line.split('\t'));
  if (!rows.length) throw new Error(`tests/data/${name} has no rows`);
  return rows;
}

const FIELDS = { V: 'txtVertical', H: 'txtHorizontal', p: 'txtProfundidad' };
export const EXAMPLE_FIGURES = { txtVertical: '80', txtHorizontal: '80', txtProfundidad: '10' };

// The status rows that `wanted` picks (all by default); none throws.
export function statusRows(wanted = () => true) {
  const rows = table('status_rows.tsv').map(([separator, typed, result, colour, line, tone, sheet]) => ({
    separator,
    typed: typed === '-' ? [] : typed.split(';').map((step) => {
      const at = step.indexOf('=');
      return [FIELDS[step.slice(0, at)], step.slice(at + 1)];
    }),
    result, blue: colour === 'blue', line, tone, sheet: sheet ? sheet.split('|') : [],
  })).filter(wanted);
  if (!rows.length) throw new Error(`no status row is ${wanted}`);
  return rows;
}

// One status row for each way the window shows a status: each colour of the
// result with each tone of the line and each kind of sheet (none, or its
// caption), the first row of each (the core's suite checks every row).
export function oneRowOfEachLook(rows) {
  const chosen = new Map();
  for (const row of rows) {
    const look = `${row.blue} ${row.tone} ${row.sheet[0] ?? ''}`;
    if (!chosen.has(look)) chosen.set(look, row);
  }
  return [...chosen.values()];
}

export function appearanceChecks() {
  return table('appearance.tsv').map(([what, kind, x, y, w, h, expect]) => ({
    what, kind, x: Number(x), y: Number(y), width: w === '-' ? 1 : Number(w),
    height: h === '-' ? 1 : Number(h), expect,
  }));
}

export const PANEL_FIELDS = ['txtLatitud', 'txtLongitud', 'txtSatelite', 'txtSatelite2',
                             'txtSatelite3'];
export const PANEL_LINES = ['lblApunte1', 'lblApunte2', 'lblApunte3', 'lblApunte4'];

// The pointing panel's rows: the figures and the panel's fields as typed,
// the lines shown, and the second LNB's apex in the window ([x, y] in CSS
// pixels) or null where it is not drawn.
export function pointingRows() {
  return table('pointing.tsv').map((row) => {
    const figures = row[1].split(';');
    return {
      separator: row[0],
      typed: [['txtVertical', figures[0]], ['txtHorizontal', figures[1]],
              ['txtProfundidad', figures[2]],
              ...PANEL_FIELDS.map((field, i) => [field, row[2 + i]])],
      lines: row.slice(7, 11),
      secondApex: row[11] === '-' ? null : row[11].split(',').map(Number),
    };
  });
}

export function picturePoints() {
  return table('pictures.tsv').map(([what, x, y, looks]) => ({ what, x: Number(x), y: Number(y),
                                                               looks }));
}

// ---- pixels

// The pixels of a PNG screenshot (8 bits a channel, not interlaced, as
// Chromium writes them): {width, height, pixel(x, y) → [r, g, b]}.
export function decodePng(png) {
  const channels = { 2: 3, 6: 4 }[png[25]];
  const width = png.readUInt32BE(16);
  const height = png.readUInt32BE(20);
  const chunks = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    if (png.toString('ascii', at + 4, at + 8) === 'IDAT') chunks.push(png.subarray(at + 8, at + 8 + length));
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(chunks));
  const stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const value = raw[y * (stride + 1) + 1 + x];
      const left = x >= channels ? pixels[y * stride + x - channels] : 0;
      const up = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const upLeft = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      const paeth = () => {
        const p = left + up - upLeft;
        const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
        return a <= b && a <= c ? left : b <= c ? up : upLeft;
      };
      const predicted = [0, left, up, (left + up) >> 1, filter === 4 ? paeth() : 0][filter];
      pixels[y * stride + x] = (value + predicted) & 0xff;
    }
  }
  return { width, height,
           pixel: (x, y) => [...pixels.subarray((y * width + x) * channels,
                                                (y * width + x) * channels + 3)] };
}

// The window's client area as drawn, in CSS pixels (the page is at one device
// pixel to each).
export async function windowPixels(page) {
  return decodePng(await page.locator('#frmMain').screenshot());
}

// The drawn pixel of an area furthest from its first one, its background.
export function inkIn(pixels, x, y, width, height) {
  const background = pixels.pixel(x, y);
  let ink = background;
  let furthest = 0;
  for (let py = y; py < y + height; ++py) {
    for (let px = x; px < x + width; ++px) {
      const colour = pixels.pixel(px, py);
      const distance = colour.reduce((sum, c, i) => sum + Math.abs(c - background[i]), 0);
      if (distance > furthest) [furthest, ink] = [distance, colour];
    }
  }
  return ink;
}

// The kinds of colour a text's ink is told apart by (as the other suites').
export function inkIs([r, g, b], kind) {
  return {
    dark: Math.max(r, g, b) <= 80,
    blue: b >= 160 && b - r >= 80 && b - g >= 80,
    white: Math.min(r, g, b) >= 230,
    green: g >= 80 && g - r >= 50 && g - b >= 50,
    grey: Math.max(r, g, b) - Math.min(r, g, b) <= 24 && r >= 90 && r <= 180,
    red: r >= 120 && r - g >= 60 && r - b >= 60,
  }[kind];
}

// Whether the drawings' dark blue outline passes within 2 px of a point.
export const outlineNear = (pixels, x, y) => [-2, -1, 0, 1, 2].some((dx) => [-2, -1, 0, 1, 2]
  .some((dy) => {
    const [r, g, b] = pixels.pixel(x + dx, y + dy);
    return b - r > 60 && b - g > 60;
  }));

export const hex = (rgb) => rgb.map((c) => c.toString(16).padStart(2, '0')).join('').toUpperCase();

// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in Debian's Chromium, headless, read as a user meets it: what
// its fields and lines say, its pixels, the keyboard, the clipboard, screen
// readers' tree, a phone's screen, and no network.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, describe, it } from 'node:test';

import {
  EXAMPLE_FIGURES, appearanceChecks, decodePng, hex, inkIn, inkIs, launch, oneRowOfEachLook, open,
  outlineNear, picturePoints, serve, statusRows, windowPixels,
} from './harness.mjs';

const AXE = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let browser;
let site;
before(async () => {
  site = await serve();
  browser = await launch();
});
after(async () => {
  await browser?.close();
  site?.server.close();
});

// The pixels of an element as drawn.
async function pixelsOf(page, selector) {
  const box = await page.locator(selector).boundingBox();
  const window = await page.locator('#frmMain').boundingBox();
  const pixels = await windowPixels(page);
  return { pixels, x: Math.round(box.x - window.x), y: Math.round(box.y - window.y),
           width: Math.round(box.width), height: Math.round(box.height) };
}

async function resultIsBlue(page) {
  const { pixels, x, y, width, height } = await pixelsOf(page, '#txtDistancia');
  for (let py = y + 3; py < y + height - 3; ++py)
    for (let px = x + 3; px < x + width - 3; ++px)
      if (inkIs(pixels.pixel(px, py), 'blue')) return true;
  return false;
}

async function lineIsRed(page) {
  const { pixels, x, y, width, height } = await pixelsOf(page, '#lblAviso');
  return inkIs(inkIn(pixels, x, y, width, height), 'red');
}

// The dish sheet as shown: its frame's caption and each line it shows.
function sheetShown(page) {
  return page.evaluate(() => {
    const frame = document.getElementById('fraFicha');
    if (frame.hidden || !frame.checkVisibility()) return [];
    return [frame.querySelector('legend'), ...frame.querySelectorAll('.label')]
      .filter((element) => element.checkVisibility()).map((element) => element.innerText);
  });
}

// Pasted into a field where its caret stands, over its selection, as a
// clipboard paste arrives.
const paste = (page, field, text) => page.$eval(`#${field}`, (input, pasted) => {
  const data = new DataTransfer();
  data.setData('text/plain', pasted);
  input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true,
                                                    cancelable: true }));
}, text);

// A field's whole text replaced at once, as a paste over all of it does.
async function replace(page, field, text) {
  await page.focus(`#${field}`);
  await page.$eval(`#${field}`, (input) => input.select());
  await paste(page, field, text);
}

describe('a status row of each look typed into the page', () => {
  for (const [separator, locale] of [['.', 'en-US'], [',', 'es-ES']]) {
    it(`shows its result, colour, line and sheet with '${separator}'`, { timeout: 120000 },
       async () => {
      const { context, page, said } = await open(browser, site.url, { locale });
      for (const row of oneRowOfEachLook(statusRows((r) => r.separator === separator))) {
        for (const [field, figure] of Object.entries(EXAMPLE_FIGURES))
          await replace(page, field, figure);
        for (const [field, text] of row.typed) await replace(page, field, text);
        const what = `${separator} ${JSON.stringify(row.typed)}`;
        assert.equal(await page.inputValue('#txtDistancia'), row.result, what);
        assert.equal(await page.innerText('#lblAviso'), row.line, what);
        assert.equal(await resultIsBlue(page), row.blue, `${what}: blue`);
        if (row.tone === 'message') assert.ok(await lineIsRed(page), `${what}: red`);
        assert.deepEqual(await sheetShown(page), row.sheet, what);
      }
      assert.deepEqual(said, []);
      await context.close();
    });
  }
});

describe('the window as designed', () => {
  for (const colorScheme of ['light', 'dark']) {
    it(`matches the appearance table at 1:1, the browser ${colorScheme}`, async () => {
      const { context, page } = await open(browser, site.url, { colorScheme });
      await page.locator('#txtVertical').blur();
      const pixels = await windowPixels(page);
      for (const check of appearanceChecks()) {
        if (check.kind === 'ink') {
          const ink = inkIn(pixels, check.x, check.y, check.width, check.height);
          assert.ok(inkIs(ink, check.expect), `${check.what}: ink ${ink} is ${check.expect}`);
        } else {
          const colour = hex(pixels.pixel(check.x, check.y));
          if (check.kind === 'colour') assert.equal(colour, check.expect, check.what);
          else assert.ok(!check.expect.split(',').includes(colour), `${check.what}: ${colour}`);
        }
      }
      await context.close();
    });
  }

  it('draws both views as the other windows do', async () => {
    const { context, page } = await open(browser, site.url);
    const pixels = await windowPixels(page);
    for (const { what, x, y, looks } of picturePoints()) {
      const rgb = pixels.pixel(x, y);
      const ok = { grey: rgb.every((c) => Math.abs(c - 192) <= 6),
                   white: hex(rgb) === 'FFFFFF', outline: outlineNear(pixels, x, y),
                   drawn: hex(rgb) !== 'FFFFFF' }[looks];
      assert.ok(ok, `${what} at ${x},${y} looks ${looks}: ${rgb}`);
    }
    await context.close();
  });

  // Going back to the example figures gives the same drawing, to within
  // the smoothing of an edge.
  it('paints enormous and tiny figures, and leaves nothing behind', async () => {
    const { context, page, said } = await open(browser, site.url);
    const drawings = async () => {
      const pixels = await windowPixels(page);
      const all = [];
      for (let y = 165; y < 643; ++y) for (let x = 0; x < 805; ++x) all.push(pixels.pixel(x, y));
      return all;
    };
    const before = await drawings();
    for (const [field, text] of [['txtHorizontal', '1e15'], ['txtVertical', '1e15'],
                                 ['txtProfundidad', '1e30'], ['txtProfundidad', '1e-30'],
                                 ['txtVertical', '1e-30'], ['txtHorizontal', '-80']]) {
      await replace(page, field, text);
      await windowPixels(page);  // painted, whatever the figure
      await replace(page, field, EXAMPLE_FIGURES[field]);
      const after = await drawings();
      const changed = after.filter((rgb, i) => rgb.some((c, k) => Math.abs(c - before[i][k]) > 16));
      assert.equal(changed.length, 0, `${field} = ${text}`);
    }
    assert.deepEqual(said, []);
    await context.close();
  });

  // A long result is drawn whole inside its field, shrunk as the core says:
  // its ink keeps clear of the field's borders on both sides.
  it('fits long results into the result field', async () => {
    const { context, page } = await open(browser, site.url);
    for (const [horizontal, vertical, depth] of [
      ['1.23456789012345e10', '1.23456789012345e10', '-3e-9'],
      ['-1.23456789012345e150', '-1.23456789012345e150', '-1.11111111111111e-5'],
      ['0.123456789012345', '0.123456789012345', '7'], ['1e15', '80', '10']]) {
      await replace(page, 'txtHorizontal', horizontal);
      await replace(page, 'txtVertical', vertical);
      await replace(page, 'txtProfundidad', depth);
      const { pixels, x, y, width, height } = await pixelsOf(page, '#txtDistancia');
      // Inside the border (two pixels, and one for rounding the field's place).
      const [left, right] = [x + 3, x + width - 4];
      const inked = [];
      for (let px = left; px <= right; ++px)
        for (let py = y + 3; py < y + height - 3; ++py)
          if (pixels.pixel(px, py).some((c) => c < 160)) inked.push(px);
      const text = await page.inputValue('#txtDistancia');
      assert.ok(text.length >= 17, text);
      assert.ok(Math.min(...inked) > left && Math.max(...inked) < right,
                `${text}: ink ${Math.min(...inked)}..${Math.max(...inked)} in ${left}..${right}`);
    }
    await context.close();
  });

  it('draws every word of its own in the design\'s font, none from the system', async () => {
    const { context, page } = await open(browser, site.url);
    const session = await context.newCDPSession(page);
    await session.send('DOM.enable');
    await session.send('CSS.enable');
    // The families the browser drew the window's texts and the menu's in.
    const families = async () => {
      const { root } = await session.send('DOM.getDocument', { depth: -1 });
      const { nodeIds } = await session.send('DOM.querySelectorAll',
                                             { nodeId: root.nodeId, selector: 'main *' });
      const drawn = new Set();
      for (const nodeId of nodeIds) {
        const { fonts } = await session.send('CSS.getPlatformFontsForNode', { nodeId });
        for (const font of fonts) drawn.add(font.isCustomFont ? 'the design\'s' : font.familyName);
      }
      return [...drawn];
    };
    await page.getByRole('button', { name: 'Copiar la distancia o la ficha' }).click();
    assert.deepEqual(await families(), ['the design\'s']);
    await page.keyboard.press('Escape');
    for (const row of statusRows((r) => r.tone === 'message' && r.separator === '.')) {
      for (const [field, text] of row.typed) await replace(page, field, text);
      assert.deepEqual(await families(), ['the design\'s'], row.line);
    }
    await context.close();
  });

  it('takes its title and its heading from the window', async () => {
    const { context, page } = await open(browser, site.url);
    const title = 'Calcula la distancia necesaria entre el LNB y el centro del plato de una ' +
                  'parabólica.';
    assert.equal(await page.title(), title);
    assert.equal(await page.getByRole('heading', { level: 1 }).innerText(), title);
    await context.close();
  });
});

const clipboardHolds = (page) => page.evaluate(() => navigator.clipboard.readText());
const setClipboard = (page, text) => page.evaluate((t) => navigator.clipboard.writeText(t), text);

// The clipboard comes to hold `text` within five seconds (a copy lands when
// the browser gets to it); what it holds then is compared with it.
async function copied(page, text) {
  let held;
  for (const deadline = Date.now() + 5000; Date.now() < deadline;) {
    held = await clipboardHolds(page);
    if (held === text) break;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  assert.equal(held, text);
}

const SHEET_65_60_577 = 'Vertical: 65\nHorizontal: 60\nProfundidad: 5,77\n' +
  'Distancia aplicable: 42,3120667244367\nParábola offset\n' +
  'Ángulo de offset: 22,6° · f/D equivalente: 0,69\n' +
  'Del borde inferior al LNB: 36,0\nDel borde superior al LNB: 61,0\n';

describe('the keyboard', () => {
  const selection = (page, field) => page.$eval(`#${field}`,
    (input) => [input.selectionStart, input.selectionEnd]);

  it('starts in Vertical and tabs through the figures, each selected on entry', async () => {
    const { context, page } = await open(browser, site.url);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtVertical');
    assert.deepEqual(await selection(page, 'txtVertical'), [0, 2]);
    for (const field of ['txtHorizontal', 'txtProfundidad']) {
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.id), field);
      assert.deepEqual(await selection(page, field), [0, 2]);
    }
    await page.keyboard.press('Shift+Tab');
    await page.keyboard.type('9');  // "80" selected: becomes "9"
    await page.keyboard.press('Shift+Tab');
    await page.keyboard.press('Tab');  // back in: the caret at the end, nothing selected
    assert.deepEqual(await selection(page, 'txtHorizontal'), [1, 1]);
    assert.equal(await page.inputValue('#txtDistancia'), '12.3765625');
    await context.close();
  });

  it('reaches the result menu after the figures; its entries copy', async () => {
    const { context, page } = await open(browser, site.url, { locale: 'es-ES' });
    await replace(page, 'txtVertical', '65');
    await replace(page, 'txtHorizontal', '60');
    await replace(page, 'txtProfundidad', '5,77');
    await page.keyboard.press('Tab');
    const button = page.getByRole('button', { name: 'Copiar la distancia o la ficha' });
    assert.ok(await button.evaluate((element) => element === document.activeElement));
    await page.keyboard.press('Enter');
    const entries = page.getByRole('menuitem');
    assert.deepEqual(await entries.allInnerTexts(), ['Copiar', 'Copiar la ficha']);
    await setClipboard(page, 'nada');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    await copied(page, SHEET_65_60_577);
    await setClipboard(page, 'nada');
    await button.click();
    await page.getByRole('menuitem', { name: 'Copiar', exact: true }).click();
    await copied(page, '42,3120667244367');
    await context.close();
  });

  // By mouse, by touch and by keyboard alike; and only while the result
  // follows the figures.
  for (const way of ['click', 'tap', 'keyboard']) {
    it(`copies the same by ${way}, and nothing from a result not current`, async () => {
      const context = await browser.newContext({ locale: 'es-ES', hasTouch: way === 'tap',
                                                 permissions: ['clipboard-read',
                                                               'clipboard-write'] });
      const page = await context.newPage();
      await page.goto(site.url);
      await page.waitForFunction(() => performance.getEntriesByName('page-ready').length > 0);
      await replace(page, 'txtVertical', '65');
      await replace(page, 'txtHorizontal', '60');
      await replace(page, 'txtProfundidad', '5,77');
      const button = page.getByRole('button', { name: 'Copiar la distancia o la ficha' });
      const choose = async (words) => {
        await setClipboard(page, 'nada');
        if (way === 'keyboard') {
          await button.focus();
          await page.keyboard.press('Enter');
          const entries = await page.getByRole('menuitem').allInnerTexts();
          for (let i = 0; i < entries.indexOf(words); ++i) await page.keyboard.press('ArrowDown');
          await page.keyboard.press('Enter');
        } else {
          await button[way]();
          await page.getByRole('menuitem', { name: words, exact: true })[way]();
        }
      };
      await choose('Copiar');
      await copied(page, '42,3120667244367');
      await choose('Copiar la ficha');
      await copied(page, SHEET_65_60_577);
      await replace(page, 'txtProfundidad', '0');
      await button.click();
      const entries = page.getByRole('menuitem');
      assert.deepEqual(await entries.evaluateAll((items) => items.map((item) => item.disabled)),
                       [true, true]);
      await page.keyboard.press('Escape');
      await setClipboard(page, 'nada');
      await button.focus();
      await page.keyboard.press('Enter');
      await page.keyboard.press('Enter');
      await new Promise((resolve) => setTimeout(resolve, 200));
      assert.equal(await clipboardHolds(page), 'nada');
      await context.close();
    });
  }

  it('types the locale\'s separator with the keypad\'s decimal key', async () => {
    const { context, page } = await open(browser, site.url, { locale: 'es-ES' });
    await page.keyboard.type('80');
    await page.keyboard.press('NumpadDecimal');
    await page.keyboard.type('5');
    assert.equal(await page.inputValue('#txtVertical'), '80,5');
    assert.equal(await page.inputValue('#txtDistancia'), '40,250390625');
    await context.close();
  });
});

describe('figures as people paste them', () => {
  it('pastes the clipboard with Ctrl+V once, without the tab and line break around it',
     async () => {
       const { context, page } = await open(browser, site.url);
       await setClipboard(page, '\t5\r\n');
       await page.$eval('#txtVertical', (input) => input.setSelectionRange(0, 0));
       await page.keyboard.press('Control+V');
       assert.equal(await page.inputValue('#txtVertical'), '580');
       assert.equal(await page.$eval('#txtVertical', (input) => input.selectionStart), 1);
       assert.equal(await page.inputValue('#txtDistancia'), '680.625');
       await context.close();
     });

  it('drops the tab and line break of "\\t5\\r\\n" pasted before "80"; undo takes it back',
     async () => {
       const { context, page } = await open(browser, site.url);
       await page.$eval('#txtVertical', (input) => input.setSelectionRange(0, 0));
       await paste(page, 'txtVertical', '\t5\r\n');
       assert.equal(await page.inputValue('#txtVertical'), '580');
       assert.equal(await page.$eval('#txtVertical', (input) => input.selectionStart), 1);
       assert.equal(await page.inputValue('#txtDistancia'), '680.625');
       await page.keyboard.press('Control+z');
       assert.equal(await page.inputValue('#txtVertical'), '80');
       assert.equal(await page.inputValue('#txtDistancia'), '40');
       await context.close();
     });

  it('reads "80,5" in a comma locale, and says which separator for "80.5"', async () => {
    const { context, page } = await open(browser, site.url, { locale: 'es-ES' });
    await replace(page, 'txtHorizontal', '80,5');
    assert.equal(await page.inputValue('#txtDistancia'), '40,250390625');
    await replace(page, 'txtHorizontal', '80.5');
    assert.equal(await page.innerText('#lblAviso'),
                 'Escriba un número en «Horizontal» (decimales con «,»).');
    await context.close();
  });

  it('stays responsive whatever is pasted, the fields capped, nothing said', async () => {
    const { context, page, said } = await open(browser, site.url);
    const hostile = ['7'.repeat(100000), '1e400', '\u0001\u0007', '1e30', '1e-30', '3e38',
                     '1e-45', 'ñ', '1\u{1F600}', 'inf', '-0', '\u202e80', '८०', '\\', '"80"',
                     '8\\"0', '</script>'];
    for (const field of ['txtVertical', 'txtHorizontal', 'txtProfundidad']) {
      for (const text of hostile) {
        await replace(page, field, text);
        const length = await page.$eval(`#${field}`, (input) => input.value.length);
        assert.ok(length <= 32767, `${field} holds ${length}`);
      }
      await replace(page, field, EXAMPLE_FIGURES[field]);
    }
    await page.focus('#txtProfundidad');
    await page.keyboard.type('\\"');
    assert.equal(await page.innerText('#lblAviso'), 'Escriba un número en «Profundidad».');
    await replace(page, 'txtProfundidad', '10');
    await replace(page, 'txtHorizontal', '60');
    assert.equal(await page.inputValue('#txtDistancia'), '30.625');
    assert.deepEqual(said, []);
    await context.close();
  });
});

// A page whose core is held back until release() is called: what a user sees
// and can do before the core runs.
async function beforeTheCore({ locale = 'en-US', colorScheme = 'light', width = 1280,
                               height = 800, phone = false } = {}) {
  const context = await browser.newContext({
    locale, colorScheme, viewport: { width, height }, deviceScaleFactor: phone ? 3 : 1,
    isMobile: phone, hasTouch: phone });
  const page = await context.newPage();
  const said = [];
  page.on('pageerror', (error) => said.push(`uncaught: ${error.message}`));
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  await page.route('**/core.wasm', async (route) => {
    await held;
    await route.continue();
  });
  await page.goto(site.url, { waitUntil: 'domcontentloaded' });
  return { context, page, release, said };
}

const live = (page) => page.waitForFunction(
  () => performance.getEntriesByName('page-ready').length > 0);

function differingPixels(a, b) {
  if (a.width !== b.width || a.height !== b.height)
    return [`${a.width}×${a.height} against ${b.width}×${b.height}`];
  const differing = [];
  for (let y = 0; y < a.height; ++y) {
    for (let x = 0; x < a.width; ++x)
      if (hex(a.pixel(x, y)) !== hex(b.pixel(x, y))) differing.push([x, y]);
  }
  return differing;
}

describe('before the core runs', () => {
  // The first frame is the live window's first view, pixel for pixel, in
  // both arrangements (the live window's focus set aside).
  for (const look of [{ locale: 'en-US', colorScheme: 'light', width: 1280, height: 800 },
                      { locale: 'es-ES', colorScheme: 'dark', width: 360, height: 740 },
                      { locale: 'es-ES', width: 360, height: 740, phone: true }]) {
    it(`shows the live window's first pixels, ${JSON.stringify(look)}`, async () => {
      const { context, page, release, said } = await beforeTheCore(look);
      await page.waitForFunction(() => performance.getEntriesByName('result-painted').length > 0);
      const first = decodePng(await page.screenshot({ fullPage: true }));
      release();
      await live(page);
      await page.locator('#txtVertical').blur();
      const shown = decodePng(await page.screenshot({ fullPage: true }));
      const differing = differingPixels(first, shown);
      assert.deepEqual(differing.slice(0, 5), [], `${differing.length} pixels differ`);
      assert.deepEqual(said, []);
      await context.close();
    });
  }

  it('keeps what was typed meanwhile, computes it, and leaves the caret there', async () => {
    const { context, page, release } = await beforeTheCore({ width: 360, height: 740,
                                                             phone: true });
    await page.waitForFunction(() => performance.getEntriesByName('result-painted').length > 0);
    await page.locator('#txtHorizontal').tap();
    await page.$eval('#txtHorizontal', (input) => input.select());
    await page.keyboard.type('90');
    release();
    await live(page);
    assert.equal(await page.inputValue('#txtDistancia'), '45.15625');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtHorizontal');
    await page.keyboard.type('0');
    assert.equal(await page.inputValue('#txtHorizontal'), '900');
    await context.close();
  });

  it('shows nothing wider than a phone', async () => {
    const { context, page, release } = await beforeTheCore({ width: 360, height: 740 });
    const widths = await page.evaluate(() => [document.documentElement.scrollWidth,
                                              document.documentElement.clientWidth]);
    assert.ok(widths[0] <= widths[1], `${widths[0]} px wide in ${widths[1]}`);
    release();
    await context.close();
  });

  // The parser does not wait for startup.js, but the screen does: no frame in
  // "." where the browser's language writes ",".
  it('draws nothing before the separator is the browser language\'s', async () => {
    const context = await browser.newContext({ locale: 'es-ES', viewport: { width: 360,
                                                                            height: 740 } });
    const page = await context.newPage();
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.route('**/startup.js', async (route) => {
      await held;
      await route.continue();
    });
    const fonts = Promise.all(['Regular', 'Bold', 'BoldItalic'].map((face) =>
      page.waitForResponse(`**/LiberationSans-${face}.woff2`)));
    await page.goto(site.url, { waitUntil: 'commit' });
    await fonts;
    // Time to draw, for a page that would.
    await page.waitForTimeout(500);
    assert.deepEqual(await page.evaluate(() => performance.getEntriesByType('paint')
      .map((entry) => entry.name)), []);
    release();
    await page.waitForFunction(() => performance.getEntriesByName('result-painted').length > 0);
    const words = await page.innerText('#frmMain');
    assert.ok(words.includes('0,50') && !words.includes('0.50'), words);
    await context.close();
  });
});

describe('where the core cannot start', () => {
  for (const [what, prepare, says] of [
    ['without WebAssembly', (page) => page.addInitScript(() => { delete window.WebAssembly; }),
     'este navegador no ejecuta WebAssembly'],
    ['without its files', (page) => page.route('**/core.wasm', (route) => route.fulfill(
      { status: 404 })), 'faltan archivos de la página'],
    ['cut off from the network, the first frame drawn before the script came', async (page) => {
      await page.route('**/core.wasm', (route) => route.abort());
      await page.route('**/main.js', async (route) => {
        await page.waitForFunction(() => performance.getEntriesByName('result-painted').length);
        await route.continue();
      });
    }, 'faltan archivos de la página']]) {
    it(`says why in Spanish, and the window stays readable, ${what}`, async () => {
      const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
      const page = await context.newPage();
      const uncaught = [];
      page.on('pageerror', (error) => uncaught.push(error.message));
      await prepare(page);
      await page.goto(site.url);
      const line = page.locator('#no-core');
      await line.waitFor({ state: 'visible' });
      assert.ok((await line.innerText()).startsWith('La calculadora no ha podido arrancar'));
      assert.ok((await line.innerText()).includes(says), await line.innerText());
      assert.equal(await page.inputValue('#txtDistancia'), '40');
      assert.ok(await page.locator('#imgPlato2').isVisible());
      assert.deepEqual(uncaught, []);
      await context.close();
    });
  }
});

describe('a host that serves the core under another type', () => {
  it('still starts it, from its bytes', async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await context.newPage();
    await page.route('**/core.wasm', async (route) => route.fulfill({
      body: await (await route.fetch()).body(), contentType: 'application/octet-stream' }));
    await page.goto(site.url);
    await live(page);
    await replace(page, 'txtHorizontal', '90');
    assert.equal(await page.inputValue('#txtDistancia'), '45.15625');
    await context.close();
  });
});

describe('only the page\'s own files run', () => {
  it('works under its policy and refuses a script put into it', async () => {
    const { context, page, said } = await open(browser, site.url);
    const refused = page.evaluate(() => new Promise((resolve) => document.addEventListener(
      'securitypolicyviolation', (event) => resolve(event.violatedDirective), { once: true })));
    await page.addScriptTag({ content: 'window.injected = true;' }).catch(() => {});
    assert.match(await refused, /^script-src/);
    assert.equal(await page.evaluate(() => window.injected), undefined);
    await replace(page, 'txtHorizontal', '90');
    assert.equal(await page.inputValue('#txtDistancia'), '45.15625');
    assert.deepEqual(said.filter((line) => !line.includes('Content Security Policy')), []);
    await context.close();
  });
});

// The widest run of the dish's grey on any row of the page: the front dish's
// fill across, inside its outline (312 of its 320 px at 96 DPI).
async function frontDishAcross(page) {
  const pixels = decodePng(await page.screenshot({ fullPage: true }));
  let widest = 0;
  for (let y = 0; y < pixels.height; ++y) {
    let run = 0;
    for (let x = 0; x < pixels.width; ++x) {
      run = pixels.pixel(x, y).every((c) => Math.abs(c - 192) <= 6) ? run + 1 : 0;
      widest = Math.max(widest, run);
    }
  }
  return widest;
}

// Where an element is, in CSS pixels of the page.
const boxOf = (page, selector) => page.locator(selector).boundingBox();

describe('the whole window or one column', () => {
  // 805 px of window and 16 px of margin on each side.
  it('shows the whole window down to 837 px, then one column', async () => {
    const { context, page } = await open(browser, site.url, { width: 837, height: 900 });
    const arrangement = async () => {
      const frame = await boxOf(page, '#Frame1');
      const result = await boxOf(page, '#txtDistancia');
      if (result.x >= frame.x + frame.width) return 'window';
      return result.y >= frame.y + frame.height ? 'column' : 'neither';
    };
    assert.equal(await arrangement(), 'window');
    await page.setViewportSize({ width: 836, height: 900 });
    await page.waitForFunction(() => new Promise((done) => requestAnimationFrame(() => done(true))));
    assert.equal(await arrangement(), 'column');
    await context.close();
  });

  it('scales the drawings to a narrow page as it gets narrower', async () => {
    const { context, page } = await open(browser, site.url, { width: 520, height: 740 });
    for (const width of [520, 420, 360]) {
      await page.setViewportSize({ width, height: 740 });
      await page.waitForFunction(() => new Promise((done) => requestAnimationFrame(() => done(true))));
      // The front view's 445 px in the room between the margins.
      const expected = 312 * Math.min(1, (width - 32) / 445);
      const across = await frontDishAcross(page);
      assert.ok(Math.abs(across - expected) <= 4, `${width} px: the dish ${across} px across, ` +
                                                   `not ${expected.toFixed(1)}`);
    }
    await context.close();
  });

  // Each view's block holds its drawing where the window has it: the dish
  // the design's margin from the block's left edge, just under its top, the
  // side view's arm and LNB to its right.
  it('draws each view in its block as the window does', async () => {
    const { context, page } = await open(browser, site.url, { width: 360, height: 740 });
    const pixels = decodePng(await page.screenshot({ fullPage: true }));
    for (const [block, width, dish] of [['#side-view', 376, [16, 7, 185, 320]],
                                        ['#front-view', 445, [16, 7, 320, 320]]]) {
      const box = await boxOf(page, block);
      const scale = box.width / width;
      const drawn = { left: Infinity, top: Infinity, right: -Infinity, bottom: -Infinity };
      for (let y = Math.ceil(box.y); y < box.y + box.height; ++y) {
        for (let x = Math.ceil(box.x); x < box.x + box.width; ++x) {
          if (hex(pixels.pixel(x, y)) === 'FFFFFF') continue;
          Object.assign(drawn, { left: Math.min(drawn.left, x), top: Math.min(drawn.top, y),
                                 right: Math.max(drawn.right, x + 1),
                                 bottom: Math.max(drawn.bottom, y + 1) });
        }
      }
      const [left, top, across, down] = dish.map((pixels) => pixels * scale);
      const expected = { left: box.x + left, top: box.y + top, right: box.x + left + across,
                         bottom: box.y + top + down };
      for (const edge of Object.keys(expected))
        assert.ok(Math.abs(drawn[edge] - expected[edge]) <= 2,
                  `${block} ${edge}: drawn at ${drawn[edge]}, the block puts it at ` +
                  `${expected[edge].toFixed(1)}`);
    }
    await context.close();
  });

  it('gives the result\'s menu a button a finger can hit, and leaves no gap for no sheet',
     async () => {
       const { context, page } = await open(browser, site.url, { width: 360, height: 740 });
       const button = await boxOf(page, '#menu-button');
       assert.ok(button.width >= 44 && button.height >= 44, JSON.stringify(button));
       const gapAfterResult = async () => (await boxOf(page, '#units')).y -
         (await boxOf(page, '#result')).y - (await boxOf(page, '#result')).height;
       assert.ok(await gapAfterResult() > 60, 'the sheet stands between');
       await replace(page, 'txtProfundidad', '0');
       assert.equal(await gapAfterResult(), 15);
       await context.close();
     });

  it('keeps the result\'s menu button whole beside the result', async () => {
    const { context, page } = await open(browser, site.url, { width: 360, height: 740 });
    const button = await boxOf(page, '.menu-button');
    const hit = await page.evaluate(({ x, y, width, height }) => [[x + 1, y + 1],
      [x + width - 2, y + 1], [x + 1, y + height - 2], [x + width - 2, y + height - 2]]
      .map(([px, py]) => document.elementFromPoint(px, py)?.className), button);
    assert.deepEqual(hit, Array(4).fill('menu-button'));
    await context.close();
  });
});

describe('a phone held upright, 360 × 740', () => {
  const phone = () => browser.newContext({ locale: 'es-ES', viewport: { width: 360, height: 740 },
                                           deviceScaleFactor: 3, isMobile: true, hasTouch: true });

  // A phone opens its keyboard only for a field the user taps.
  it('takes no field until one is tapped, and types where the tap put the caret', async () => {
    const context = await phone();
    const page = await context.newPage();
    await page.goto(site.url);
    await live(page);
    await page.keyboard.type('5');
    for (const [field, figure] of Object.entries(EXAMPLE_FIGURES))
      assert.equal(await page.inputValue(`#${field}`), figure, field);
    await page.locator('#txtVertical').tap({ position: { x: 1, y: 10 } });
    await page.keyboard.type('9');
    assert.equal(await page.inputValue('#txtVertical'), '980');
    await context.close();
  });

  // The address bar hiding, a rotation, a zoom and both switches between the
  // column and the whole window, each while a figure is being typed: nothing
  // in the document is built, moved or replaced, and the field keeps the
  // focus, its text, its selection and what undo takes back.
  it('keeps the field being typed into through every change of the screen', async () => {
    const context = await phone();
    const page = await context.newPage();
    await page.goto(site.url);
    await live(page);
    const session = await context.newCDPSession(page);
    await page.locator('#txtVertical').tap();
    await page.$eval('#txtVertical', (input) => input.setSelectionRange(2, 2));
    await page.keyboard.type('7');
    let typed = '807';
    const changes = [
      ['the address bar hides', () => page.setViewportSize({ width: 360, height: 680 })],
      ['a rotation', () => page.setViewportSize({ width: 740, height: 360 })],
      ['upright again', () => page.setViewportSize({ width: 360, height: 740 })],
      ['to the whole window', () => page.setViewportSize({ width: 1280, height: 800 })],
      ['to the column', () => page.setViewportSize({ width: 360, height: 740 })],
      ['a zoom', () => session.send('Emulation.setDeviceMetricsOverride', {
        width: 360, height: 740, deviceScaleFactor: 4.5, mobile: true })],
    ];
    for (const [what, change] of changes) {
      await page.evaluate(() => {
        window.changed = [];
        window.watching = new MutationObserver((records) => window.changed.push(
          ...records.map((record) => `${record.type} ${record.target.id || record.target.nodeName}`)));
        window.watching.observe(document.documentElement, { childList: true, subtree: true });
      });
      await page.$eval('#txtVertical', (input) => input.setSelectionRange(1, 2));
      await change();
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(
        () => requestAnimationFrame(done))));
      const state = await page.evaluate(() => {
        window.watching.disconnect();
        const input = document.getElementById('txtVertical');
        return { changed: window.changed, focus: document.activeElement.id, text: input.value,
                 selection: [input.selectionStart, input.selectionEnd] };
      });
      assert.deepEqual(state, { changed: [], focus: 'txtVertical', text: typed,
                                selection: [1, 2] }, what);
      await page.$eval('#txtVertical', (input) => input.setSelectionRange(input.value.length,
                                                                           input.value.length));
      await page.keyboard.type('5');
      typed += '5';
    }
    await page.evaluate(() => document.execCommand('undo'));
    assert.equal(await page.inputValue('#txtVertical'), typed.slice(0, -1));
    await context.close();
  });

  it('scrolls only down; every control shows, the drawings within the width', async () => {
    const { context, page } = await open(browser, site.url, { width: 360, height: 740 });
    const layout = await page.evaluate(() => {
      const shown = [...document.querySelectorAll('.frame, .label, .field, .option, canvas,' +
                                                  ' .menu-button')]
        .filter((element) => element.checkVisibility());
      return {
        scrollWidth: document.documentElement.scrollWidth,
        clientWidth: document.documentElement.clientWidth,
        outside: shown.filter((element) => {
          const box = element.getBoundingClientRect();
          return box.width === 0 || box.left < 0 ||
                 box.right > document.documentElement.clientWidth;
        }).map((element) => element.id || element.className),
        fields: [...document.querySelectorAll('input.field')]
          .filter((input) => !input.hidden).map((input) => parseFloat(getComputedStyle(input).fontSize)),
      };
    });
    assert.ok(layout.scrollWidth <= layout.clientWidth, JSON.stringify(layout));
    assert.deepEqual(layout.outside, []);
    for (const size of layout.fields) assert.ok(size >= 16, `a field's font is ${size} px`);
    await replace(page, 'txtHorizontal', '90');
    assert.equal(await page.inputValue('#txtDistancia'), '45.15625');
    await context.close();
  });
});

describe('screen readers and the rest of accessibility', () => {
  for (const [what, width, height] of [['wide', 1024, 768], ['narrow', 360, 740]]) {
    it(`gives axe-core nothing to report, ${what}`, async () => {
      const { context, page } = await open(browser, site.url, { width, height });
      await page.evaluate(AXE);  // as a tool does: the page's own policy lets no script in
      const { violations } = await page.evaluate(() => window.axe.run());
      assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`),
                       []);
      await context.close();
    });
  }

  // Chromium's own accessibility tree, as screen readers get it: each node
  // that is not ignored, with its role, name, description and the texts it
  // holds.
  async function heard(page) {
    const session = await page.context().newCDPSession(page);
    const { nodes } = await session.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((node) => [node.nodeId, node]));
    const texts = (node) => (node.childIds ?? []).flatMap((id) => {
      const child = byId.get(id);
      if (!child) return [];
      return child.role?.value === 'StaticText' ? [child.name?.value] : texts(child);
    });
    return nodes.filter((node) => !node.ignored).map((node) => ({
      role: node.role?.value, name: node.name?.value ?? '',
      description: node.description?.value ?? '', texts: texts(node),
    }));
  }

  it('names each field by its caption, describes it, and reads the sheet as a group',
     async () => {
       const { context, page } = await open(browser, site.url);
       await replace(page, 'txtProfundidad', '0');
       const nodes = await heard(page);
       const field = (name) => nodes.find((n) => n.role === 'textbox' && n.name === name);
       for (const name of ['Vertical', 'Horizontal', 'Profundidad'])
         assert.equal(field(name)?.description, 'Medidas: Pulgadas', name);
       assert.equal(field('Distancia aplicable')?.description, 'La profundidad no puede ser 0.');
       await replace(page, 'txtProfundidad', '10');
       const sheet = (await heard(page)).find((n) => n.role === 'group' &&
                                                     n.name === 'Parábola centrada');
       assert.deepEqual(sheet?.texts, ['Parábola centrada', 'Relación f/D: 0.50',
                                       'Del borde al LNB: 50.0']);
       await context.close();
     });
});

describe('without a network', () => {
  it('shows the page and computes after one visit', { timeout: 30000 }, async () => {
    const { context, page } = await open(browser, site.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();  // now served through the worker, which has every file
    await page.waitForFunction(() => performance.getEntriesByName('page-ready').length > 0);
    await context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('page-ready').length > 0);
    await replace(page, 'txtHorizontal', '90');
    assert.equal(await page.inputValue('#txtDistancia'), '45.15625');
    await context.close();
  });

  it('installs: a Spanish manifest with the icon in the sizes browsers ask for', async () => {
    const { context, page } = await open(browser, site.url);
    const manifest = await page.evaluate(async () => {
      const link = document.querySelector('link[rel=manifest]').href;
      const read = await (await fetch(link)).json();
      const icons = await Promise.all(read.icons.map(async (icon) => {
        const image = new Image();
        image.src = new URL(icon.src, link).href;
        await image.decode();
        return `${image.naturalWidth}x${image.naturalHeight}`;
      }));
      return { name: read.name, lang: read.lang, sizes: read.icons.map((i) => i.sizes), icons };
    });
    assert.deepEqual(manifest, { name: 'Distancia LNB', lang: 'es',
                                 sizes: ['192x192', '512x512'], icons: ['192x192', '512x512'] });
    await context.close();
  });
});

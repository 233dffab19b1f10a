// SPDX-License-Identifier: GPL-3.0-or-later
// What crosses between the core and the page's script, against
// web/contract.json: the core (the page's core.wasm, through web/core.js,
// under Node) answers with exactly the objects and fields it names, whatever
// is typed or pasted; and the page, in Debian's Chromium, reads those fields
// and no others.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, it } from 'node:test';

import { PAGE_DIR, launch, open, serve } from './harness.mjs';

const ROOT = fileURLToPath(new URL('../..', import.meta.url));
const CONTRACT = JSON.parse(readFileSync(join(ROOT, 'web', 'contract.json'), 'utf8'));
const { Core } = await import(join(ROOT, 'web', 'core.js'));

// The first view the page's script is bundled with: render_page writes it
// as one JSON text (first_view.js), which the page reads through JSON.parse.
function bundledFirstView() {
  const script = readFileSync(join(PAGE_DIR, 'main.js'), 'utf8');
  const [, text] = script.match(/^const firstView = JSON\.parse\((".*")\);$/m);
  return JSON.parse(JSON.parse(text));
}

// Where `value` departs from `type`: a list of what, path by path.
function departures(value, type, path = type) {
  if (type.endsWith('|null')) {
    return value === null ? [] : departures(value, type.slice(0, -'|null'.length), path);
  }
  if (type.endsWith('[]')) {
    if (!Array.isArray(value)) return [`${path} is no array`];
    return value.flatMap((item, i) => departures(item, type.slice(0, -2), `${path}[${i}]`));
  }
  if (type.endsWith('{}')) {
    if (value === null || typeof value !== 'object') return [`${path} is no object`];
    return Object.entries(value).flatMap(([key, item]) =>
      departures(item, type.slice(0, -2), `${path}.${key}`));
  }
  if (['boolean', 'number', 'string'].includes(type)) {
    const ok = typeof value === type && (type !== 'number' || Number.isFinite(value));
    return ok ? [] : [`${path} is ${JSON.stringify(value)}, not a ${type}`];
  }
  const fields = CONTRACT.objects[type];
  if (value === null || typeof value !== 'object') return [`${path} is no ${type}`];
  const extra = Object.keys(value).filter((key) => !(key in fields));
  return [...extra.map((key) => `${path} has ${key}, which the contract does not name`),
          ...Object.entries(fields).flatMap(([key, field]) => (key in value
            ? departures(value[key], field, `${path}.${key}`)
            : [`${path} lacks ${key}`]))];
}

// Texts as people paste them, and worse: what no UTF-8 or JSON may spoil.
const HOSTILE = ['\\', '"80"', '8\\"0', '\u0000\u0001\u001f', '\u2028\u2029', '\uD800',
                 '1\u{1F600}', '</script>', '1e400', '7'.repeat(5000), '{"a":1}', 'ñ'];

describe('the core answers as the contract says', () => {
  for (const separator of ['.', ',', '\u066B']) {
    it(`with '${separator}', whatever is typed or pasted`, async () => {
      const bytes = readFileSync(join(PAGE_DIR, 'core.wasm'));
      const core = await Core.start(() => new Response(bytes, {
        headers: { 'Content-Type': 'application/wasm' } }));
      const answers = [['load', core.load(separator, [['Latitud', '\uD800'], ['Otro', '1'],
                                                      ['ApuntarVisible', '"1"']])]];
      answers.push(['togglePanel', core.togglePanel()]);
      answers.push(['useLocation', core.useLocation(40.4168, -3.7038)]);
      answers.push(['useLocation', core.useLocation(NaN, Infinity)]);
      for (const why of ['refused', 'unavailable', 'unsupported'])
        answers.push(['locationFailed', core.locationFailed(why)]);
      for (const input of [0, 1, 2, 3, 4, 5, 6, 7]) {
        for (const text of HOSTILE) {
          const view = core.type(input, text);
          answers.push(['type', view]);
          const shown = view.controls.find((control) => control.text === text.replace(
            '\uD800', '\uFFFD'));
          assert.ok(shown, `${JSON.stringify(text)} is shown as typed`);
          answers.push(['paste', core.paste(input, 0, 1, text)]);
        }
        answers.push(['enter', core.enter(input, 0, false)]);
        answers.push(['keypadDecimal', core.keypadDecimal(input, 0, 0)]);
      }
      answers.push(['firstView', bundledFirstView()]);
      for (const [call, answer] of answers) {
        assert.deepEqual(departures(answer, CONTRACT.answers[call] ?? CONTRACT[call], call), [],
                         `${call}: ${JSON.stringify(answer).slice(0, 200)}`);
      }
    });
  }
});

// Records, in the page, each field it reads of what the core answered and
// of the first view: the objects JSON.parse and a response's json() give are
// watched by the contract's types.
function watchTheAnswers(contract) {
  const read = new Set();
  window.fieldsRead = read;
  const parse = JSON.parse;
  const answerType = (value) => (value?.views ? contract.firstView : value?.controls ? 'View'
    : value && 'caret' in value ? 'Insertion' : null);
  const watch = (value, type) => {
    if (!type || value === null || typeof value !== 'object') return value;
    if (type.endsWith('[]')) {
      return new Proxy(value, { get: (target, key) => (typeof key === 'string' && /^\d+$/.test(key)
        ? watch(target[key], type.slice(0, -2)) : target[key]) });
    }
    if (type.endsWith('{}')) {
      return new Proxy(value, { get: (target, key) => (typeof key === 'string'
        ? watch(target[key], type.slice(0, -2)) : target[key]) });
    }
    const name = type.replace('|null', '');
    const fields = contract.objects[name] ?? {};
    return new Proxy(value, {
      get: (target, key) => {
        // An answer awaited is asked whether it is a promise itself.
        if (typeof key !== 'string' || (key === 'then' && !(key in target))) return target[key];
        read.add(`${name}.${key}`);
        return watch(target[key], fields[key]);
      },
    });
  };
  JSON.parse = (text) => {
    const value = parse(text);
    return watch(value, answerType(value));
  };
  const json = Response.prototype.json;
  Response.prototype.json = async function answer() {
    const value = await json.call(this);
    return watch(value, answerType(value));
  };
}

describe('the page reads what the contract names', () => {
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

  it('each field, and no other', { timeout: 60000 }, async () => {
    const { context, page } = await open(browser, site.url, { init: [watchTheAnswers, CONTRACT],
                                                              permissions: [] });
    // Typing, pasting, the keypad, entering by keyboard and by click, the
    // result's menu, a message and a picture too large to be an image.
    await page.keyboard.type('7');
    await page.keyboard.press('NumpadDecimal');
    await page.keyboard.press('Tab');
    await page.$eval('#txtHorizontal', (input) => {
      const data = new DataTransfer();
      data.setData('text/plain', '1e9\n');
      input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true,
                                                        cancelable: true }));
    });
    await page.locator('#txtProfundidad').click();
    await page.keyboard.type('0');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('10');
    await page.getByRole('button', { name: 'Copiar la distancia o la ficha' }).click();
    await page.getByRole('menuitem', { name: 'Copiar', exact: true }).click();
    const read = new Set(await page.evaluate(() => [...window.fieldsRead]));
    const named = Object.entries(CONTRACT.objects)
      .flatMap(([object, fields]) => Object.keys(fields).map((field) => `${object}.${field}`));
    assert.deepEqual([...read].filter((field) => !named.includes(field)), [],
                     'read, but the core does not write them');
    assert.deepEqual(named.filter((field) => !read.has(field)), [],
                     'written by the core, never read');
    await context.close();
  });
});

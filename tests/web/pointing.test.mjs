// SPDX-License-Identifier: GPL-3.0-or-later
// The pointing panel in the page, as a user meets it in Debian's Chromium:
// its button from the keyboard, its lines for the places of the shared
// table, the other LNBs drawn in the front view, where it goes on wide and
// narrow screens, what the next visit finds, and the browser's location.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';

import {
  PANEL_FIELDS, PANEL_LINES, launch, open, outlineNear, pointingRows, serve, windowPixels,
} from './harness.mjs';

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

const LOCALES = { '.': 'en-US', ',': 'es-ES' };
const focused = (page) => page.evaluate(() => document.activeElement.id);
const boxOf = (page, selector) => page.locator(selector).boundingBox();
const linesOf = (page) => Promise.all(PANEL_LINES.map((line) => page.textContent(`#${line}`)));
const panelButton = (page, pressed) =>
  page.getByRole('button', { name: 'Apuntar y multifoco', pressed, exact: true });

// A field's text replaced as a user does it: into the field, all of it
// selected, the new text typed over it (entering a field puts the caret
// where the window decides, so the selection comes after).
async function replace(page, field, text) {
  await page.focus(`#${field}`);
  await page.$eval(`#${field}`, (input) => input.select());
  if (text === '') await page.keyboard.press('Delete');
  else await page.keyboard.insertText(text);
}

async function openPanel(page) {
  await page.click('#cmdApuntar');
  await page.locator('#txtLatitud').waitFor({ state: 'visible' });
}

describe('the pointing panel', () => {
  it('opens from the keyboard after the figures, says so, and widens the window by itself',
     async () => {
       const { context, page, said } = await open(browser, site.url, { width: 1600, height: 800 });
       const window = await boxOf(page, '#frmMain');
       assert.deepEqual([window.width, window.height], [805, 643]);
       await page.focus('#txtProfundidad');
       const passed = [];
       while (passed.length < 4 && (await focused(page)) !== 'cmdApuntar') {
         await page.keyboard.press('Tab');
         passed.push(await focused(page));
       }
       assert.equal(await focused(page), 'cmdApuntar', passed.join(' '));
       assert.ok(!passed.some((id) => PANEL_FIELDS.includes(id)));
       assert.equal(await panelButton(page, false).count(), 1);
       await page.keyboard.press('Space');
       assert.equal(await panelButton(page, true).count(), 1);
       await page.keyboard.press('Tab');
       assert.equal(await focused(page), 'txtLatitud');
       const grown = await boxOf(page, '#frmMain');
       const panel = await boxOf(page, '#fraApuntar');
       // 328 px of panel with 16 px on each side, right of the design's
       // window, which stays where it was where the screen has room.
       assert.deepEqual([grown.x, grown.width, grown.height], [window.x, 805 + 16 + 328 + 16, 643]);
       assert.ok(panel.x >= window.x + 805, `the panel at ${panel.x}`);
       await page.keyboard.press('Shift+Tab');
       await page.keyboard.press('Enter');
       assert.equal(await panelButton(page, false).count(), 1);
       assert.ok(!(await page.isVisible('#fraApuntar')));
       assert.equal((await boxOf(page, '#frmMain')).width, 805);
       assert.deepEqual(said, []);
       await context.close();
     });

  for (const row of pointingRows()) {
    const label = row.typed.map(([, text]) => text).join(' ');
    it(`shows the lines for ${label} with '${row.separator}', the second LNB where it goes`,
       async () => {
         const { context, page } = await open(browser, site.url,
                                              { locale: LOCALES[row.separator], width: 1280 });
         await openPanel(page);
         for (const [field, text] of row.typed) await replace(page, field, text);
         assert.deepEqual(await linesOf(page), row.lines);
         const drawn = await page.isVisible('#imgLnb3');
         assert.equal(drawn, row.secondApex !== null);
         if (drawn) {
           const [x, y] = row.secondApex;
           assert.ok(outlineNear(await windowPixels(page), x, y), `no outline at ${x},${y}`);
         }
         await context.close();
       });
  }

  it('sits right of the window where the screen has room for both, else under the drawings',
     async () => {
       const { context, page } = await open(browser, site.url, { width: 1197, height: 800 });
       await openPanel(page);
       const window = await boxOf(page, '#frmMain');
       assert.ok((await boxOf(page, '#fraApuntar')).x >= window.x + 805);
       for (const [width, height] of [[1196, 800], [360, 740]]) {
         await page.setViewportSize({ width, height });
         await page.waitForFunction(() => new Promise((done) => requestAnimationFrame(() => done(true))));
         const panel = await boxOf(page, '#fraApuntar');
         const front = await boxOf(page, '#front-view');
         assert.ok(panel.y >= front.y + front.height, `${width}: the panel at ${panel.y}`);
         assert.ok(panel.x + panel.width <= width - 16, `${width}: the panel ends at ${panel.x + panel.width}`);
         assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), width);
       }
       await context.close();
     });

  it('is found as it was left at the next visit; what it cannot read is dropped', async () => {
    const { context, page, said } = await open(browser, site.url, { locale: 'es-ES' });
    await openPanel(page);
    await replace(page, 'txtLatitud', '40,4168 N');
    await replace(page, 'txtSatelite3', '23,5 E');
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('page-ready').length > 0);
    assert.equal(await panelButton(page, true).count(), 1);
    assert.equal(await page.inputValue('#txtLatitud'), '40,4168 N');
    assert.equal(await page.inputValue('#txtSatelite3'), '23,5 E');
    await page.evaluate(() => {
      localStorage.setItem('ApuntarVisible', 'sí');
      localStorage.setItem('Latitud', '\u0000\u0007' + '4'.repeat(100000));
      localStorage.setItem('Satelite', '{"not":"degrees"}');
    });
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('page-ready').length > 0);
    assert.equal(await panelButton(page, false).count(), 1);
    assert.equal(await page.inputValue('#txtLatitud'), '');
    assert.equal(await page.inputValue('#txtSatelite'), '{"not":"degrees"}');
    assert.deepEqual(said, []);
    await context.close();
  });

  it('takes the place from the browser, or says why it cannot', async () => {
    const { context, page } = await open(browser, site.url, {
      locale: 'es-ES', permissions: ['geolocation'] });
    await context.setGeolocation({ latitude: 40.4168, longitude: -3.7038 });
    await openPanel(page);
    await replace(page, 'txtSatelite', '19,2 E');
    await page.click('#cmdUbicacion');
    await page.waitForFunction(() => document.getElementById('txtLatitud').value !== '');
    assert.equal(await page.inputValue('#txtLatitud'), '40,4168 N');
    assert.equal(await page.inputValue('#txtLongitud'), '3,7038 O');
    assert.equal(await page.textContent('#lblApunte1'), 'Acimut: 146,9° · Elevación: 37,7°');
    await context.clearPermissions();
    await replace(page, 'txtLatitud', '10 N');
    await page.click('#cmdUbicacion');
    await page.waitForFunction(() => document.getElementById('lblUbicacion').textContent !== '');
    assert.equal(await page.textContent('#lblUbicacion'),
                 'El navegador no ha dado permiso para la ubicación.');
    assert.equal(await page.inputValue('#txtLatitud'), '10 N');
    await context.close();
  });

  it('stays responsive whatever is pasted into its fields, nothing said', async () => {
    const { context, page, said } = await open(browser, site.url);
    await openPanel(page);
    const hostile = ['7'.repeat(100000), '1e400', '\u0001\u0007', '\\', '"N"', '</script>',
                     '90 N N', '-0', 'inf E', '\u202e40 N', '१९ E'];
    for (const field of PANEL_FIELDS) {
      for (const text of hostile) {
        await replace(page, field, text);
        const length = await page.$eval(`#${field}`, (input) => input.value.length);
        assert.ok(length <= 32767, `${field} holds ${length}`);
      }
    }
    for (const [field, text] of [['txtLatitud', '40.4168N'], ['txtLongitud', '-3.7038'],
                                 ['txtSatelite', '19.2E'], ['txtSatelite2', ''],
                                 ['txtSatelite3', '']])
      await replace(page, field, text);
    assert.equal(await page.textContent('#lblApunte1'), 'Acimut: 146.9° · Elevación: 37.7°');
    assert.deepEqual(said, []);
    await context.close();
  });
});

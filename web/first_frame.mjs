// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the page's first frame as the page is built: the window as the live
// page first shows it on a wide screen, once for each decimal separator, put
// into index.html as templates. Until its core runs, the page shows the one
// for the browser's separator (index.html), so that the result is on the
// screen as soon as the words, fonts and drawings are.
//
//     node web/first_frame.mjs PAGE_DIR
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

import { launch, serve } from './chromium.mjs';

// A language of each separator, as browsers report it.
const LANGUAGES = { '.': 'en-US', ',': 'es-ES' };
const PLACE = '<!-- first frames -->';

// The live window as plain markup: what it shows, without the names that tie
// its parts to the live page's script and to screen readers (the frame is
// inert while it shows).
function frameOf() {
  const root = document.getElementById('window');
  const copy = root.cloneNode(true);
  const live = root.querySelectorAll('input');
  copy.querySelectorAll('input').forEach((input, i) => {
    if (input.type === 'radio') input.toggleAttribute('checked', live[i].checked);
    else input.setAttribute('value', live[i].value);
  });
  for (const element of copy.querySelectorAll('*')) {
    for (const name of ['id', 'for', 'aria-labelledby', 'aria-describedby'])
      element.removeAttribute(name);
  }
  return { html: copy.innerHTML, width: root.dataset.wholeFrom,
           style: document.documentElement.style.cssText, title: document.title,
           separator: document.documentElement.dataset.decimalSeparator };
}

const attribute = (text) => String(text).replaceAll('&', '&amp;').replaceAll('"', '&quot;');

async function draw(browser, url, separator) {
  const context = await browser.newContext({ locale: LANGUAGES[separator],
                                             viewport: { width: 1280, height: 900 },
                                             serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('page-ready').length > 0);
  const frame = await page.evaluate(frameOf);
  await context.close();
  if (frame.separator !== separator)
    throw new Error(`${LANGUAGES[separator]} gave "${frame.separator}", not "${separator}"`);
  return `<template data-separator="${attribute(separator)}" data-width="${frame.width}" ` +
         `data-style="${attribute(frame.style)}" data-title="${attribute(frame.title)}">` +
         `${frame.html}</template>`;
}

const folder = process.argv[2];
const index = join(folder, 'index.html');
const markup = readFileSync(index, 'utf8');
if (!markup.includes(PLACE)) throw new Error(`${index} has no place for the first frames`);
const site = await serve(folder);
const browser = await launch();
try {
  const frames = [];
  for (const separator of Object.keys(LANGUAGES))
    frames.push(await draw(browser, site.url, separator));
  writeFileSync(index, markup.replace(PLACE, frames.join('\n')));
} finally {
  await browser.close();
  site.server.close();
}

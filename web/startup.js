// SPDX-License-Identifier: GPL-3.0-or-later
// Before anything shows: the decimal separator of the browser's language on
// the page's root, where the stylesheet shows the first view's words in it
// and the core reads it (web/main.js); and, for whoever profiles the
// start-up (bench/web.mjs), the mark "result-painted" once the first frame
// is drawn whole, its words in the design's fonts and its drawings.
//
// The separators are CLDR's, as the page was built (a language's, or its
// region's where it differs; "." for the rest): the browser's own number
// data takes a phone a fifth of a second to open the first time.
const SEPARATORS = {};

{
  const separatorOf = (tag) => SEPARATORS[tag] ?? SEPARATORS[tag.split('-')[0]] ?? '.';
  document.documentElement.dataset.decimalSeparator = separatorOf(navigator.language);
  document.addEventListener('DOMContentLoaded', () => {
    Promise.allSettled([...[...document.fonts].map((face) => face.load()), ...[...document.images]
      .filter((image) => !image.hidden).map((image) => image.decode())])
      .then(() => requestAnimationFrame(() => performance.mark('result-painted')));
  });
}

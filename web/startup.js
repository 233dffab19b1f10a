// SPDX-License-Identifier: GPL-3.0-or-later
// What runs before anything shows, once the window is parsed (index.html
// holds the first frame until it has run): the decimal separator of the
// browser's language on the page's root, where the stylesheet shows the first
// view's words in it and the core reads it (web/main.js); the window's size
// as the last visit left it; the core asked for (the browser has it on the
// way already, as index.html preloads it); once the first frame is drawn
// whole (its words in the design's fonts, its drawings), the mark
// "result-painted" for whoever profiles the start-up (bench/web.mjs), and
// `firstFrame` settled.
//
// The separators are CLDR's, as the page was built: each with the language
// tags that take it, between spaces (a language's, or its region's where it
// differs; "." for the rest). The browser's own number data takes a phone a
// fifth of a second to open the first time.
const SEPARATORS = {};

{
  const tagged = (tag) => Object.keys(SEPARATORS).find((separator) =>
    SEPARATORS[separator].includes(` ${tag} `));
  const separatorOf = (tag) => tagged(tag) ?? tagged(tag.split('-')[0]) ?? '.';
  const root = document.documentElement;
  root.dataset.decimalSeparator = separatorOf(navigator.language);
  // A window that had the pointing panel shown opens at its size; the
  // panel's words come with the core, below what shows already.
  try {
    root.classList.toggle('panel-shown', localStorage.getItem(root.dataset.panelKeptAs) === '1');
  } catch {
    // storage refused: the panel starts hidden
  }
  // Read by web/main.js, which says what failed; not a failure of this script.
  globalThis.coreFile = fetch('core.wasm');
  globalThis.coreFile.catch(() => {});
  // The window is parsed by now (index.html defers this script), and the
  // modules have not run yet. The page takes the window over after that
  // frame (web/main.js), not before it.
  globalThis.firstFrame = new Promise((drawn) => {
    Promise.allSettled([...[...document.fonts].map((face) => face.load()),
                        ...[...document.images].filter((image) => !image.hidden)
                          .map((image) => image.decode())])
      .then(() => requestAnimationFrame(() => {
        performance.mark('result-painted');
        setTimeout(drawn);
      }));
  });
}

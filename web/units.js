// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the design's twips, points and colours become the
// page's: one CSS pixel per 15 twips, as the design is drawn at 96 DPI
// (web/page_fonts.hpp says the same to the core, which measures texts).

export const TWIPS_PER_PIXEL = 15;

export const toPixels = (twips) => twips / TWIPS_PER_PIXEL;

// Points are 1/72 inch; CSS pixels 1/96.
export const fontPixels = (points) => (points * 96) / 72;

// 0xRRGGBB as CSS.
export const toCss = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;

// The design's font: Liberation Sans, metric twin of "MS Sans Serif"'s
// successors, shipped with the page so that every browser measures alike.
export const FONT_FAMILY = '"LNB Sans"';

export const toFont = (bold, italic, points) =>
  `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${fontPixels(points)}px ${FONT_FAMILY}`;

// A part of a block, in hundredths of it. Browsers lay out in 1/64 px and
// round down: a hair more keeps a part that ends on a pixel from landing
// 1/64 px short of it, with its edges smoothed differently.
const PERCENT_ROUNDING_MARGIN = 1e-4;
export const toPercent = (part, whole) => `${(part / whole) * 100 + PERCENT_ROUNDING_MARGIN}%`;

// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the design's twips, points and colours become the
// page's: one CSS pixel per 15 twips, as the design is drawn at 96 DPI
// (web/build/render_page.cpp writes the first view's alike).

export const TWIPS_PER_PIXEL = 15;

export const toPixels = (twips) => twips / TWIPS_PER_PIXEL;
export const toTwips = (pixels) => pixels * TWIPS_PER_PIXEL;

// Points are 1/72 inch; CSS pixels 1/96.
export const fontPixels = (points) => (points * 96) / 72;

// 0xRRGGBB as CSS.
export const toCss = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;

// The design's font: Liberation Sans, metric twin of "MS Sans Serif"'s
// successors, shipped with the page so that every browser measures alike.
export const FONT_FAMILY = '"LNB Sans"';

export const toFont = (bold, italic, points) =>
  `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${fontPixels(points)}px ${FONT_FAMILY}`;

// A part of a block, in hundredths of it.
export const toPercent = (part, whole) => `${(part / whole) * 100}%`;

// SPDX-License-Identifier: GPL-3.0-or-later
// The two dish drawings: each picture its drawing (in the page) stretched to
// its rectangle, placed in hundredths of its block, so that a block drawn
// smaller (the narrow column) draws its pictures smaller with it, in place.
// A picture larger than a page can lay out is drawn instead on a canvas of its
// own, magnified from a rendering of its drawing where the core says its
// pixels meet the visible part (the canvas covers the window, or in the
// column the block), as in the other windows; it is drawn again whenever its
// block changes size.
import { toPercent, toPixels } from './units.js';

// Along an axis, in device pixels: a picture up to this long is an image; a
// longer one is drawn from a rendering this long.
const LARGEST_EXACT = 16384;
const MAGNIFIED_RENDERING = 2048;

// The drawings are <svg> elements, which have the attribute but not the
// property.
const hide = (element, hidden) => {
  if (element.hasAttribute('hidden') !== hidden) element.toggleAttribute('hidden', hidden);
};

export class Pictures {
  // `blocks` are the design's blocks of drawings with their elements;
  // `clipping` is the core's: spans() and wholeLength().
  constructor(blocks, clipping) {
    this.clipping = clipping;
    this.blocks = blocks;
    this.shown = [];             // the pictures as last painted
    this.magnified = new Set();  // the ids of those drawn on their canvas
    this.renderings = new Map();
    this.latest = new Map();     // each canvas's last drawing asked for
    this.drawings = new Map();
    this.resized = new ResizeObserver(() => this.paint(this.shown, true));
    for (const block of blocks) this.resized.observe(block.element);
  }

  // The pictures where the view has them: only those that moved, and the
  // magnified ones again when their block changed size.
  paint(pictures, resized = false) {
    const before = new Map(this.shown.map((picture) => [picture.id, picture]));
    this.shown = pictures;
    for (const picture of pictures) {
      const was = before.get(picture.id);
      const moved = !was || ['left', 'top', 'width', 'height', 'shown']
        .some((at) => was[at] !== picture[at]);
      if (moved || (resized && this.magnified.has(picture.id)))
        this.place(picture, this.blocks.find((block) => block.pictures.includes(picture.id)));
    }
  }

  place(picture, block) {
    const image = document.getElementById(picture.name);
    const canvas = document.getElementById(`${picture.name}-magnified`);
    const { area } = block;
    const ratio = window.devicePixelRatio || 1;
    // Blocks are drawn at their size or smaller: a picture that is no
    // larger than an image may be at the design's size is one at any.
    const wholeAt = (scale) => {
      const device = (twips) => toPixels(twips) * scale * ratio;
      const across = [device(picture.left - area.left), device(picture.width)];
      const down = [device(picture.top - area.top), device(picture.height)];
      return { across, down, whole: [this.clipping.wholeLength(...across, 0x7fffffff),
                                     this.clipping.wholeLength(...down, 0x7fffffff)] };
    };
    const exactAt = ({ whole }) => whole[0] <= LARGEST_EXACT && whole[1] <= LARGEST_EXACT;
    if (!picture.shown) {  // another LNB with no satellite for it
      hide(image, true);
      canvas.hidden = true;
      this.magnified.delete(picture.id);
      this.latest.delete(canvas);
      return;
    }
    let placed = wholeAt(1);
    if (!exactAt(placed)) placed = wholeAt(block.element.clientWidth / toPixels(area.width));
    const exact = exactAt(placed);
    const hidden = !(exact && placed.whole[0] && placed.whole[1]);
    hide(image, hidden);
    if (canvas.hidden !== exact) canvas.hidden = exact;
    if (!hidden) {
      image.style.left = toPercent(picture.left - area.left, area.width);
      image.style.top = toPercent(picture.top - area.top, area.height);
      image.style.width = toPercent(picture.width, area.width);
      image.style.height = toPercent(picture.height, area.height);
    }
    if (exact) {
      this.magnified.delete(picture.id);
      this.latest.delete(canvas);
      return;
    }
    this.magnified.add(picture.id);
    const box = [canvas.offsetLeft, canvas.offsetTop, canvas.offsetWidth, canvas.offsetHeight]
      .map((pixels) => pixels * ratio);
    this.magnify(canvas, picture.drawing, [placed.across[0] - box[0], placed.across[1],
                                        Math.round(box[2])],
                 [placed.down[0] - box[1], placed.down[1], Math.round(box[3])]);
  }

  // One picture on its canvas, drawn from the drawing named `drawing`, `across` and `down`
  // each [start, length, visible end] in device pixels.
  async magnify(canvas, drawing, across, down) {
    const asked = {};
    this.latest.set(canvas, asked);
    const image = await this.drawingOf(drawing);
    // A drawing still loading when the picture moved again is not wanted.
    if (this.latest.get(canvas) !== asked) return;
    canvas.width = across[2];
    canvas.height = down[2];
    const rendered = ([start, length]) => Math.min(
      this.clipping.wholeLength(start, length, 0x7fffffff), MAGNIFIED_RENDERING);
    const size = [rendered(across), rendered(down)];
    // Each span four numbers: source start and length, target start and length.
    const spansX = this.clipping.spans(across[0], across[1], size[0], 0, across[2]);
    const spansY = this.clipping.spans(down[0], down[1], size[1], 0, down[2]);
    if (!spansX.length || !spansY.length) return;
    const region = { left: spansX[0], top: spansY[0],
                     right: spansX.at(-4) + spansX.at(-3), bottom: spansY.at(-4) + spansY.at(-3) };
    const rendering = this.renderingFor(image, size, region);
    const context = canvas.getContext('2d');
    for (let x = 0; x < spansX.length; x += 4) {
      for (let y = 0; y < spansY.length; y += 4) {
        context.drawImage(rendering, spansX[x] - region.left, spansY[y] - region.top,
                          spansX[x + 1], spansY[y + 1], spansX[x + 2], spansY[y + 2],
                          spansX[x + 3], spansY[y + 3]);
      }
    }
  }

  // A picture's drawing as an image to render from, loaded the first time.
  drawingOf(name) {
    if (!this.drawings.has(name)) {
      const image = new Image();
      image.src = `pictures/${name}.svg`;
      this.drawings.set(name, image.decode().then(() => image));
    }
    return this.drawings.get(name);
  }

  // The part `region` of the drawing rendered at `size`, kept while the same.
  renderingFor(image, size, region) {
    const key = [size, region.left, region.top, region.right, region.bottom].join();
    const kept = this.renderings.get(image.src);
    if (kept?.key === key) return kept.canvas;
    const canvas = kept?.canvas ?? document.createElement('canvas');
    canvas.width = region.right - region.left;
    canvas.height = region.bottom - region.top;
    const context = canvas.getContext('2d');
    context.fillStyle = '#ffffff';  // opaque, as the design draws them
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, -region.left, -region.top, size[0], size[1]);
    this.renderings.set(image.src, { key, canvas });
    return canvas;
  }
}

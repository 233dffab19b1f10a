// SPDX-License-Identifier: GPL-3.0-or-later
// The two dish drawings: each picture an image of its drawing stretched to
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

export class Pictures {
  // `blocks` are the design's blocks of drawings with their elements;
  // `clipping` is the core's: spans() and wholeLength().
  constructor(blocks, clipping) {
    this.clipping = clipping;
    this.blocks = blocks;
    this.shown = [];
    this.renderings = new Map();
    this.drawings = new Map();
    this.resized = new ResizeObserver(() => this.paint(this.shown));
    for (const block of blocks) this.resized.observe(block.element);
  }

  // The pictures where the view has them.
  paint(pictures) {
    this.shown = pictures;
    for (const block of this.blocks) {
      const scale = block.element.clientWidth / toPixels(block.area.width);
      for (const picture of pictures) {
        if (block.pictures.includes(picture.id)) this.place(picture, block, scale);
      }
    }
  }

  place(picture, block, scale) {
    const image = document.getElementById(picture.name);
    const canvas = document.getElementById(`${picture.name}-magnified`);
    const { area } = block;
    const ratio = window.devicePixelRatio || 1;
    const device = (twips) => toPixels(twips) * scale * ratio;
    const across = [device(picture.left - area.left), device(picture.width)];
    const down = [device(picture.top - area.top), device(picture.height)];
    const whole = [this.clipping.wholeLength(...across, 0x7fffffff),
                   this.clipping.wholeLength(...down, 0x7fffffff)];
    const exact = whole[0] <= LARGEST_EXACT && whole[1] <= LARGEST_EXACT;
    const hidden = !(exact && whole[0] && whole[1]);
    if (image.hidden !== hidden) image.hidden = hidden;
    if (canvas.hidden !== exact) canvas.hidden = exact;
    if (!hidden) {
      image.style.left = toPercent(picture.left - area.left, area.width);
      image.style.top = toPercent(picture.top - area.top, area.height);
      image.style.width = toPercent(picture.width, area.width);
      image.style.height = toPercent(picture.height, area.height);
    }
    if (!exact) {
      const box = [canvas.offsetLeft, canvas.offsetTop, canvas.offsetWidth, canvas.offsetHeight]
        .map((pixels) => pixels * ratio);
      this.magnified(canvas, image, [across[0] - box[0], across[1], Math.round(box[2])],
                     [down[0] - box[1], down[1], Math.round(box[3])]);
    }
  }

  // One picture on its canvas, `across` and `down` each [start, length,
  // visible end] in device pixels.
  async magnified(canvas, image, across, down) {
    if (!image.complete) await image.decode().catch(() => {});
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

  // The part `region` of the drawing rendered at `size`, kept while the same.
  renderingFor(image, size, region) {
    const key = [size, region.left, region.top, region.right, region.bottom].join();
    const kept = this.renderings.get(image.id);
    if (kept?.key === key) return kept.canvas;
    const canvas = kept?.canvas ?? document.createElement('canvas');
    canvas.width = region.right - region.left;
    canvas.height = region.bottom - region.top;
    const context = canvas.getContext('2d');
    context.fillStyle = '#ffffff';  // opaque, as the design draws them
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, -region.left, -region.top, size[0], size[1]);
    this.renderings.set(image.id, { key, canvas });
    return canvas;
  }
}

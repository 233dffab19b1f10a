// SPDX-License-Identifier: GPL-3.0-or-later
// The two dish drawings: the six pictures stretched to their rectangles, on
// canvases. A picture is rendered from its drawing at the size it is shown
// (its outlines keep their width at any size), only the part that shows,
// and kept while its size and that part stay the same; past a size no canvas
// takes it is rendered smaller and magnified. Where it meets the canvas,
// source stretch for target stretch, the core decides, as in the other
// windows.
import { toCss, toPixels } from './units.js';

// Along an axis: a picture up to this many device pixels is rendered at its
// size; a larger one from a rendering this long.
const LARGEST_EXACT = 16384;
const MAGNIFIED_RENDERING = 2048;

async function load(name) {
  const image = new Image();
  image.src = `pictures/${name}.svg`;
  await image.decode();
  return image;
}

export class Pictures {
  // `clipping` is the core's: spans() and wholeLength().
  constructor(clipping) {
    this.clipping = clipping;
    this.drawings = new Map();
    this.renderings = new Map();
  }

  async load(names) {
    const drawings = await Promise.all(names.map(load));
    names.forEach((name, i) => this.drawings.set(name, drawings[i]));
  }

  // Paints on `canvas` the part of the window at `area` (twips), `scale` CSS
  // pixels to the design's one, the given pictures bottom up on `background`.
  paint(canvas, area, scale, pictures, background) {
    const ratio = window.devicePixelRatio || 1;
    const width = Math.round(toPixels(area.width) * scale * ratio);
    const height = Math.round(toPixels(area.height) * scale * ratio);
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    const context = canvas.getContext('2d');
    context.imageSmoothingQuality = 'high';
    context.fillStyle = toCss(background);
    context.fillRect(0, 0, width, height);
    const device = (twips) => toPixels(twips) * scale * ratio;
    for (const picture of pictures) {
      this.paintPicture(context, picture.name,
                        [device(picture.left - area.left), device(picture.width), width],
                        [device(picture.top - area.top), device(picture.height), height]);
    }
  }

  // One picture, `across` and `down` each [start, length, visible end].
  paintPicture(context, name, across, down) {
    const rendered = ([start, length]) => {
      const whole = this.clipping.wholeLength(start, length, 0x7fffffff);
      return whole <= LARGEST_EXACT ? whole : MAGNIFIED_RENDERING;
    };
    const size = [rendered(across), rendered(down)];
    if (!size[0] || !size[1]) return;
    const spansX = this.clipping.spans(across[0], across[1], size[0], 0, across[2]);
    const spansY = this.clipping.spans(down[0], down[1], size[1], 0, down[2]);
    if (!spansX.length || !spansY.length) return;
    const last = (spans) => spans[spans.length - 1];
    const region = { left: spansX[0].sourceStart, top: spansY[0].sourceStart,
                     right: last(spansX).sourceStart + last(spansX).sourceLength,
                     bottom: last(spansY).sourceStart + last(spansY).sourceLength };
    const rendering = this.renderingFor(name, size, region);
    for (const x of spansX) {
      for (const y of spansY) {
        context.drawImage(rendering, x.sourceStart - region.left, y.sourceStart - region.top,
                          x.sourceLength, y.sourceLength, x.targetStart, y.targetStart,
                          x.targetLength, y.targetLength);
      }
    }
  }

  renderingFor(name, size, region) {
    const key = [size, region.left, region.top, region.right, region.bottom].join();
    const kept = this.renderings.get(name);
    if (kept?.key === key) return kept.canvas;
    const canvas = kept?.canvas ?? document.createElement('canvas');
    canvas.width = region.right - region.left;
    canvas.height = region.bottom - region.top;
    const context = canvas.getContext('2d');
    context.fillStyle = '#ffffff';  // opaque, as the design draws them
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(this.drawings.get(name), -region.left, -region.top, size[0], size[1]);
    this.renderings.set(name, { key, canvas });
    return canvas;
  }
}

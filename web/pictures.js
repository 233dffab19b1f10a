// SPDX-License-Identifier: GPL-3.0-or-later
// The two dish drawings: the six pictures stretched to their rectangles,
// bottom up, each an image of its drawing at its place (the browser renders
// it at the size shown, its outlines keeping their width). A picture larger
// than a page can lay out is drawn instead on a canvas of its own, magnified
// from a rendering of its drawing where the core says its pixels meet the
// visible part, as in the other windows.
import { toPixels } from './units.js';

// Along an axis, in device pixels: a picture up to this long is an image; a
// longer one is drawn from a rendering this long.
const LARGEST_EXACT = 16384;
const MAGNIFIED_RENDERING = 2048;

const source = (name) => `pictures/${name}.svg`;

async function load(name) {
  const image = new Image();
  image.src = source(name);
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

  // A layer for a part of the window: the given pictures, bottom up.
  layer(names) {
    const element = document.createElement('div');
    element.className = 'pictures';
    element.setAttribute('aria-hidden', 'true');
    const shown = new Map();
    for (const name of names) {
      const image = element.appendChild(document.createElement('img'));
      image.src = source(name);
      image.alt = '';
      image.hidden = true;
      const canvas = element.appendChild(document.createElement('canvas'));
      canvas.hidden = true;
      shown.set(name, { image, canvas });
    }
    return { element, shown };
  }

  // Shows in `layer` the part of the window at `area` (twips), `scale` CSS
  // pixels to the design's one, the pictures where the view has them.
  paint(layer, area, scale, pictures) {
    const ratio = window.devicePixelRatio || 1;
    const css = (twips) => toPixels(twips) * scale;
    const visible = [Math.round(css(area.width) * ratio), Math.round(css(area.height) * ratio)];
    layer.element.style.width = `${css(area.width)}px`;
    layer.element.style.height = `${css(area.height)}px`;
    for (const picture of pictures) {
      const { image, canvas } = layer.shown.get(picture.name);
      const across = [css(picture.left - area.left) * ratio, css(picture.width) * ratio];
      const down = [css(picture.top - area.top) * ratio, css(picture.height) * ratio];
      const whole = [this.clipping.wholeLength(...across, 0x7fffffff),
                     this.clipping.wholeLength(...down, 0x7fffffff)];
      const exact = whole[0] <= LARGEST_EXACT && whole[1] <= LARGEST_EXACT;
      image.hidden = !(exact && whole[0] && whole[1]);
      canvas.hidden = exact;
      if (!image.hidden) {
        image.style.left = `${across[0] / ratio}px`;
        image.style.top = `${down[0] / ratio}px`;
        image.style.width = `${across[1] / ratio}px`;
        image.style.height = `${down[1] / ratio}px`;
      }
      if (!exact) this.magnified(canvas, picture.name, [...across, visible[0]],
                                 [...down, visible[1]], ratio);
    }
  }

  // One picture on its canvas, `across` and `down` each [start, length,
  // visible end] in device pixels.
  magnified(canvas, name, across, down, ratio) {
    canvas.width = across[2];
    canvas.height = down[2];
    canvas.style.width = `${across[2] / ratio}px`;
    canvas.style.height = `${down[2] / ratio}px`;
    const rendered = ([start, length]) => Math.min(
      this.clipping.wholeLength(start, length, 0x7fffffff), MAGNIFIED_RENDERING);
    const size = [rendered(across), rendered(down)];
    // Each span four numbers: source start and length, target start and length.
    const spansX = this.clipping.spans(across[0], across[1], size[0], 0, across[2]);
    const spansY = this.clipping.spans(down[0], down[1], size[1], 0, down[2]);
    if (!spansX.length || !spansY.length) return;
    const region = { left: spansX[0], top: spansY[0],
                     right: spansX.at(-4) + spansX.at(-3), bottom: spansY.at(-4) + spansY.at(-3) };
    const rendering = this.renderingFor(name, size, region);
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

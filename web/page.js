// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a page: the elements index.html holds for the design table's
// controls (drawn by the core when the page was built) taken over, and every
// view the core gives painted on them. Nothing is built, moved or replaced
// afterwards: the narrow screen's column is the stylesheet's, so a field
// keeps its focus, caret and undo whatever the screen does. The page decides
// nothing the view decides: words, colours, sizes, what shows, selections,
// what a paste puts where.
import { InputField } from './input_field.js';
import { Menu } from './menu.js';
import { Pictures } from './pictures.js';
import { toCss, toFont } from './units.js';

// The colours the stylesheet takes from the view, by their variables' names.
const coloursOf = (view) => ({
  window: view.window.back, text: view.window.fore, shadow: view.system.shadow,
  light: view.system.light, highlight: view.system.highlight,
  'highlight-text': view.system.highlightText,
});

export class Page {
  constructor(design, core) {
    this.core = core;
    this.shown = null;
    this.controls = design.controls.map((control) => ({
      ...control,
      element: document.getElementById(control.name),
      caption: document.getElementById(`${control.name}-caption`),
      description: document.getElementById(`${control.name}-description`),
    }));
    this.blocks = design.blocks.map((block) => ({
      ...block, element: document.getElementById(block.name),
    }));
    this.fields = [];
    for (const control of this.controls) {
      if (control.input !== null) this.fields[control.input] = this.field(control);
    }
    this.listenForTheMenu(this.controls.findIndex((control) => control.ownMenu));
    this.pictures = new Pictures(this.blocks.filter((block) => block.pictures.length), core);
  }

  field({ element, input }) {
    return new InputField(element, input, this.core, {
      changed: (text) => this.show(this.core.type(input, text)),
      entered: (caret, byClick) => this.show(this.core.enter(input, caret, byClick)),
    });
  }

  listenForTheMenu(owner) {
    const menu = new Menu(document.getElementById('menu-button'),
                          () => this.shown.controls[owner].menu);
    this.controls[owner].element.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      menu.open(event.clientX, event.clientY);
    });
  }

  // The core's first view over the first frame, with whatever the user typed
  // before the core ran computed as typed; the focus goes to the first
  // figure unless the user is in a field already. `shown` is what the first
  // frame shows, where the page was built for this separator: only what
  // differs from it is painted.
  start(separator, shown = null) {
    this.shown = shown;
    this.colours = shown && coloursOf(shown);
    this.pictures.shown = shown?.pictures ?? [];
    let view = this.core.load(separator);
    for (const field of this.fields) {
      const control = this.controls.find((c) => c.input === field.which);
      const typed = field.element.value;
      if (typed !== view.controls[this.controls.indexOf(control)].text)
        view = this.core.type(field.which, typed);
    }
    this.show(view);
    if (!this.fields.some((field) => field.element === document.activeElement))
      this.fields[0].element.focus();
  }

  show(view) {
    const colours = coloursOf(view);
    for (const [name, rgb] of Object.entries(colours)) {
      if (rgb !== this.colours?.[name])
        document.documentElement.style.setProperty(`--${name}`, toCss(rgb));
    }
    this.colours = colours;
    if (document.title !== view.window.text) {
      document.title = view.window.text;
      document.querySelector('h1').textContent = view.window.text;
    }
    view.controls.forEach((shown, i) => {
      // Controls that never show (the work fields) are none of the page's.
      if (this.controls[i].element) this.showControl(this.controls[i], shown,
                                                     this.shown?.controls[i]);
    });
    for (const block of this.blocks) {
      const empty = block.controls.length > 0 &&
                    block.controls.every((i) => !view.controls[i].shown);
      if (block.element.hidden !== empty) block.element.hidden = empty;
    }
    if (view.selection) this.fields[view.selection.field].select(view.selection.start,
                                                                  view.selection.length);
    this.shown = view;
    this.pictures.paint(view.pictures);
  }

  // Only what changed is touched (everything, the first time): a keystroke
  // changes a few texts, seldom a font or a colour.
  showControl(control, shown, was = {}) {
    const { element } = control;
    if (shown.shown !== was.shown) element.hidden = !shown.shown;
    if (shown.tooltip !== was.tooltip) element.title = shown.tooltip;
    if (shown.description !== was.description && control.description)
      control.description.textContent = shown.description;
    if (shown.pointSize !== was.pointSize)
      element.style.font = toFont(control.bold, control.italic, shown.pointSize);
    if (shown.fore !== was.fore) element.style.color = toCss(shown.fore);
    if (shown.back !== was.back && !control.transparent) {
      element.style.backgroundColor = toCss(shown.back);
      if (control.caption) control.caption.style.backgroundColor = toCss(shown.back);
    }
    switch (control.kind) {
      case 'textField':
        if (element.value !== shown.text) element.value = shown.text;
        break;
      case 'frame':
        if (shown.text !== was.text) control.caption.textContent = shown.text;
        break;
      case 'option':
        if (shown.text !== was.text) element.lastElementChild.textContent = shown.text;
        if (shown.checked !== was.checked) element.firstElementChild.checked = shown.checked;
        break;
      default:
        if (shown.text !== was.text) element.textContent = shown.text;
    }
  }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a page: an element for each control of the design table,
// placed as the design places it (the whole window on a wide screen, one
// column of the design's blocks on a narrow one), showing the view the core
// gives after each thing the user does. The page decides nothing the view
// decides: words, colours, sizes, what shows, selections, what a paste puts
// where.
import { Menu } from './menu.js';
import { place, toCss, toFont, toPixels } from './units.js';

const NOTHING_SHOWN = { text: null, fore: null, back: null, pointSize: null, shown: null,
                        checked: null, tooltip: null, description: null };

export class Page {
  constructor(root, design, core, pictures) {
    this.root = root;
    this.design = design;
    this.core = core;
    this.pictures = pictures;
    this.shown = null;
    // The pictures by id, bottom up, as the view gives them.
    const bottomUp = core.view().picturesBottomUp;
    this.pictureNames = Object.fromEntries(bottomUp.map((p) => [p.id, p.name]));
    this.bottomUp = bottomUp.map((p) => p.id);
    this.elements = [];      // by control: the element placed
    this.texts = [];         // by control: where its words go
    this.descriptions = [];  // by control: what screen readers hear besides its name
    this.edges = [];         // by frame: its etched border
    this.caretWhenLeft = [0, 0, 0];
    this.clicking = false;
    this.leftTheWindow = false;
    this.build();
  }

  // ---- building

  build() {
    const { controls } = this.design;
    this.window = this.element('div', 'window');
    this.layer = this.pictures.layer(this.bottomUp.map((id) => this.pictureNames[id]));
    for (const control of controls) this.create(control);
    for (const control of controls) {
      this.nameForScreenReaders(control);
      if (control.container !== null) {  // held by a frame, placed in it for good
        this.elements[control.container].appendChild(this.elements[control.id]);
        place(this.elements[control.id], control.inContainer);
      }
    }
    this.stackLabels();
    // The result: the field only the program writes that has a menu of its own.
    this.result = controls.find((c) => c.kind === 'textField' && c.input === null &&
                                       c.namedBy !== null).id;
    this.menu = new Menu(this.element('button', 'menu-button'), this.design.resultMenu,
                         () => this.shown.controls[this.result].menu);
    this.elements[this.result].addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.menu.open(event.clientX, event.clientY);
    });
    window.addEventListener('resize', () => this.arrange());
    window.addEventListener('blur', () => { this.leftTheWindow = true; });
  }

  element(tag, className) {
    const element = document.createElement(tag);
    element.className = className;
    return element;
  }

  create(control) {
    let element;
    switch (control.kind) {
      case 'frame':
        element = this.element('fieldset', 'frame');
        this.texts[control.id] = element.appendChild(this.element('legend', 'caption'));
        this.texts[control.id].id = `${control.name}-caption`;
        this.edges[control.id] = element.appendChild(this.element('div', 'edge'));
        break;
      case 'label':
        element = this.element(this.namesAnInput(control) ? 'label' : 'div', 'label');
        if (control.centred) element.classList.add('centred');
        if (control.singleBorder) element.classList.add('sunken');
        this.texts[control.id] = element;
        break;
      case 'option':
        element = this.element('label', 'option');
        this.radio(element.appendChild(this.element('input', 'circle')), control);
        this.texts[control.id] = element.appendChild(this.element('span', 'words'));
        break;
      case 'textField':
        element = this.element('input', 'field');
        this.field(element, control);
        break;
    }
    element.id = control.name;
    if (control.disabled) element.setAttribute('aria-disabled', 'true');
    this.elements[control.id] = element;
    const description = this.element('span', 'description');
    description.id = `${control.name}-description`;
    this.descriptions[control.id] = description;
  }

  namesAnInput(label) {
    return this.design.controls.some((c) => c.namedBy === label.id && c.input !== null);
  }

  radio(radio, control) {
    radio.type = 'radio';
    radio.disabled = control.disabled;
    radio.name = this.design.controls[control.container].name;
    radio.tabIndex = -1;
  }

  field(input, control) {
    // The text keeps the design's distance from each side, its border included.
    input.style.paddingInline = `calc(${toPixels(this.design.textFieldInset)}px - 2px)`;
    input.type = 'text';
    input.autocomplete = 'off';
    input.spellcheck = false;
    if (control.centred) input.classList.add('centred');
    if (control.input === null) {  // written by the program only: selectable, not editable
      input.readOnly = true;
      input.tabIndex = -1;
      return;
    }
    input.inputMode = 'decimal';
    input.maxLength = this.design.longestInput;
    this.listen(input, control.input);
  }

  // Screen readers hear each field by its caption and its description.
  nameForScreenReaders(control) {
    if (control.namedBy !== null) {
      const naming = this.design.controls[control.namedBy];
      if (naming.kind === 'label' && control.input !== null)
        this.elements[naming.id].htmlFor = control.name;
      else
        this.elements[control.id].setAttribute('aria-labelledby', this.texts[naming.id].id);
    }
    this.elements[control.id].setAttribute('aria-describedby',
                                           this.descriptions[control.id].id);
  }

  // The window's own labels lie under the rest, in the design's order.
  stackLabels() {
    const labels = this.design.labelsTopDown;
    labels.forEach((id, i) => { this.elements[id].style.zIndex = String(labels.length - i); });
  }

  // ---- what the user does

  listen(input, which) {
    const run = (view) => this.show(view);
    input.addEventListener('input', () => run(this.core.type(which, input.value)));
    input.addEventListener('pointerdown', () => { this.clicking = true; });
    input.addEventListener('focus', () => {
      if (this.leftTheWindow) {  // coming back to the page is not entering
        this.leftTheWindow = false;
        return;
      }
      run(this.core.enter(which, this.caretWhenLeft[which], this.clicking));
      this.clicking = false;
    });
    input.addEventListener('blur', () => {
      this.caretWhenLeft[which] = input.selectionStart ?? 0;
      this.clicking = false;
    });
    input.addEventListener('paste', (event) => {
      event.preventDefault();
      this.pasteInto(input, which, event.clipboardData.getData('text/plain'));
    });
    input.addEventListener('beforeinput', (event) => {
      if (event.inputType !== 'insertFromDrop' || !event.dataTransfer) return;
      event.preventDefault();
      this.pasteInto(input, which, event.dataTransfer.getData('text/plain'));
    });
    input.addEventListener('keydown', (event) => {
      if (event.code !== 'NumpadDecimal') return;
      event.preventDefault();
      const [start, length] = this.selectionOf(input);
      this.insert(input, this.core.keypadDecimal(which, start, length));
    });
  }

  selectionOf(input) {
    const start = input.selectionStart ?? 0;
    return [start, (input.selectionEnd ?? start) - start];
  }

  pasteInto(input, which, text) {
    const [start, length] = this.selectionOf(input);
    this.insert(input, this.core.paste(which, start, length, text));
  }

  // What the core decided, put in as the browser's own editing does, so that
  // undo takes it back; the field then reports its new text as for any change.
  insert(input, insertion) {
    input.setSelectionRange(insertion.start, insertion.start + insertion.length);
    if (insertion.text !== '' || insertion.length > 0) {
      if (!document.execCommand('insertText', false, insertion.text)) {
        input.setRangeText(insertion.text);
        input.dispatchEvent(new Event('input'));
      }
    }
    input.setSelectionRange(insertion.caret, insertion.caret);
  }

  // ---- arranging

  // The whole window where the screen has room for it, one column where not.
  arrange() {
    document.documentElement.style.setProperty('--margin', `${toPixels(this.design.margin)}px`);
    const width = toPixels(this.design.clientWidth + 2 * this.design.margin);
    this.root.dataset.wholeFrom = String(width);  // where a first frame may show (index.html)
    const narrow = document.documentElement.clientWidth < width;
    if (narrow !== this.narrow || narrow) {
      this.narrow = narrow;
      if (narrow) this.arrangeColumn();
      else this.arrangeWindow();
    }
    this.paintPictures();
  }

  arrangeWindow() {
    this.root.replaceChildren(this.window);
    this.window.replaceChildren(this.layer.element);
    const whole = { left: 0, top: 0, width: this.design.clientWidth,
                    height: this.design.clientHeight };
    place(this.window, whole);
    for (const control of this.design.controls)
      if (control.container === null) this.placeControl(control, this.window, whole);
    this.placeControl(this.menu, this.window, whole);
    this.appendDescriptions(this.window);
    this.blocks = [{ layer: this.layer, scale: 1, area: whole, pictures: this.bottomUp }];
  }

  arrangeColumn() {
    const room = document.documentElement.clientWidth - 2 * toPixels(this.design.margin);
    const column = this.element('div', 'column');
    column.style.gap = `${toPixels(this.design.gap)}px`;
    this.root.replaceChildren(column);
    this.blocks = [];
    for (const block of this.design.column) {
      const element = column.appendChild(this.element('div', 'block'));
      const scale = block.pictures.length ? Math.min(1, room / toPixels(block.area.width)) : 1;
      element.style.width = `${toPixels(block.area.width) * scale}px`;
      element.style.height = `${toPixels(block.area.height) * scale}px`;
      for (const id of block.controls)
        this.placeControl(this.design.controls[id], element, block.area);
      if (block.controls.includes(this.result))
        this.placeControl(this.menu, element, block.area);
      if (block.pictures.length) {
        const pictures = this.bottomUp.filter((id) => block.pictures.includes(id));
        const layer = this.pictures.layer(pictures.map((id) => this.pictureNames[id]));
        element.appendChild(layer.element);
        this.blocks.push({ layer, scale, area: block.area, pictures });
      }
    }
    this.appendDescriptions(column);
  }

  // A control of the window (or the menu's button) in `parent`, at its place
  // in the window less the parent's `area` there.
  placeControl(control, parent, area) {
    const element = control === this.menu ? this.menu.button : this.elements[control.id];
    parent.appendChild(element);
    place(element, control === this.menu ? this.design.menuButton : control.inWindow, area);
  }

  appendDescriptions(parent) {
    for (const description of this.descriptions) parent.appendChild(description);
  }

  // ---- showing

  start() {
    this.arrange();
    this.show(this.core.load());
    this.elements[this.design.controls.find((c) => c.input === 0).id].focus();
  }

  show(view) {
    const root = document.documentElement.style;
    root.setProperty('--shadow', toCss(view.system.shadow));
    root.setProperty('--light', toCss(view.system.light));
    root.setProperty('--window', toCss(view.window.back));
    root.setProperty('--text', toCss(view.window.fore));
    root.setProperty('--highlight', toCss(view.system.highlight));
    root.setProperty('--highlight-text', toCss(view.system.highlightText));
    if (document.title !== view.window.text) {
      document.title = view.window.text;
      document.querySelector('h1').textContent = view.window.text;
    }
    this.captionsChanged = [];
    view.controls.forEach((shown, id) => {
      this.showControl(this.design.controls[id], shown, this.shown?.controls[id] ?? NOTHING_SHOWN);
    });
    this.placeEdges();
    if (view.selection) {
      const { field, start, length } = view.selection;
      const input = this.elements[this.design.controls.find((c) => c.input === field).id];
      input.setSelectionRange(start, start + length);
    }
    this.shown = view;
    this.paintPictures();
  }

  // Only what changed is touched: a keystroke changes a few texts, seldom a
  // font or a colour.
  showControl(control, shown, was) {
    const element = this.elements[control.id];
    if (shown.shown !== was.shown) element.hidden = !shown.shown;
    if (shown.tooltip !== was.tooltip) element.title = shown.tooltip;
    if (shown.description !== was.description)
      this.descriptions[control.id].textContent = shown.description;
    if (shown.pointSize !== was.pointSize)
      element.style.font = toFont(control.bold, control.italic, shown.pointSize);
    if (shown.fore !== was.fore) element.style.color = toCss(shown.fore);
    if (shown.back !== was.back && !control.transparent)
      element.style.backgroundColor = toCss(shown.back);
    if (control.kind === 'textField') {
      if (element.value !== shown.text) element.value = shown.text;
      return;
    }
    if (shown.text !== was.text) this.texts[control.id].textContent = shown.text;
    if (control.kind === 'option' && shown.checked !== was.checked)
      element.firstChild.checked = shown.checked;
    if (control.kind === 'frame' && (shown.text !== was.text || shown.pointSize !== was.pointSize ||
                                     shown.back !== was.back))
      this.showCaption(control, shown);
  }

  // A frame's caption on the frame's colour, the border's top line through
  // its middle (placed once every caption is written: one layout for all).
  showCaption(control, shown) {
    const caption = this.texts[control.id];
    caption.style.backgroundColor = toCss(shown.back);
    caption.style.left = `${toPixels(this.design.frameCaptionIndent)}px`;
    caption.style.padding = `0 ${toPixels(this.design.frameCaptionPadding)}px`;
    this.captionsChanged.push(control.id);
  }

  placeEdges() {
    const middles = this.captionsChanged.map((id) => Math.floor(this.texts[id].offsetHeight / 2));
    this.captionsChanged.forEach((id, i) => { this.edges[id].style.top = `${middles[i]}px`; });
  }

  paintPictures() {
    if (!this.shown || !this.blocks) return;
    for (const block of this.blocks) {
      const pictures = this.shown.picturesBottomUp.filter((p) => block.pictures.includes(p.id));
      this.pictures.paint(block.layer, block.area, block.scale, pictures);
    }
  }
}

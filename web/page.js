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

// A screen with no pointer but a finger: no keyboard until a field is tapped.
const touchOnly = () => matchMedia('(hover: none) and (pointer: coarse)').matches;

// What the page kept from the last visit, under the names the core keeps
// it by: [name, text] pairs.
function readKept(names) {
  try {
    return names.map((name) => [name, localStorage.getItem(name)])
      .filter(([, value]) => value !== null);
  } catch {
    return [];  // storage refused: nothing was kept
  }
}

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
    this.listenForTheButtons();
    this.pictures = new Pictures(this.blocks.filter((block) => block.pictures.length), core);
    this.kept = {};
  }

  // The panel's button shows and hides it; the place's button asks the
  // browser where the user is.
  listenForTheButtons() {
    const click = (name, action) => this.controls.find((control) => control.name === name)
      .element.addEventListener('click', action);
    click('cmdApuntar', () => this.show(this.core.togglePanel()));
    click('cmdUbicacion', () => this.askForThePlace());
  }

  askForThePlace() {
    if (!navigator.geolocation) {
      this.show(this.core.locationFailed('unsupported'));
      return;
    }
    navigator.geolocation.getCurrentPosition(
      ({ coords }) => this.show(this.core.useLocation(coords.latitude, coords.longitude)),
      (error) => this.show(this.core.locationFailed(
        error.code === error.PERMISSION_DENIED ? 'refused' : 'unavailable')),
      { maximumAge: 600000, timeout: 30000 });
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
  // figure unless the user is in a field already or the screen is only
  // touched (a phone opens no keyboard for a field it did not tap: the
  // figure would sit selected with nothing to type it with). `shown` is
  // what the first frame shows, where the page was built for this
  // separator: only what differs from it is painted.
  start(separator, shown = null) {
    this.shown = shown;
    this.colours = shown && coloursOf(shown);
    this.pictures.shown = shown?.pictures ?? [];
    this.kept = { ...shown?.kept };
    let view = this.core.load(separator, readKept(Object.keys(this.kept)));
    for (const field of this.fields) {
      const i = this.controls.findIndex((c) => c.input === field.which);
      const typed = field.element.value;
      if (typed !== (shown ?? view).controls[i].text) view = this.core.type(field.which, typed);
    }
    this.show(view);
    if (!touchOnly() && !this.fields.some((field) => field.element === document.activeElement))
      this.fields[0].element.focus();
  }

  show(view) {
    const colours = coloursOf(view);
    for (const [name, rgb] of Object.entries(colours)) {
      if (rgb !== this.colours?.[name])
        document.documentElement.style.setProperty(`--${name}`, toCss(rgb));
    }
    this.colours = colours;
    document.documentElement.classList.toggle('panel-shown', view.grown);
    this.keep(view.kept);
    if (document.title !== view.window.text) {
      document.title = view.window.text;
      document.querySelector('h1').textContent = view.window.text;
    }
    view.controls.forEach((shown, i) => {
      // Controls that never show (the work fields) are none of the page's.
      if (this.controls[i].element) this.showControl(this.controls[i], shown,
                                                     this.shown?.controls[i]);
    });
    this.blocks.forEach((block, i) => {
      const hidden = !view.blocksShown[i];
      if (block.element.hidden !== hidden) block.element.hidden = hidden;
    });
    if (view.selection) this.fields[view.selection.field].select(view.selection.start,
                                                                  view.selection.length);
    this.shown = view;
    this.pictures.paint(view.pictures);
  }

  // Whatever the core keeps for the next visit, as it changes; a browser
  // that keeps nothing (private windows, storage full) loses only that.
  keep(kept) {
    for (const [name, value] of Object.entries(kept)) {
      if (this.kept[name] === value) continue;
      this.kept[name] = value;
      try {
        localStorage.setItem(name, value);
      } catch {
        // kept for this visit only
      }
    }
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
      case 'button':
        if (shown.text !== was.text) element.textContent = shown.text;
        if (control.toggle && shown.checked !== was.checked)
          element.setAttribute('aria-pressed', String(shown.checked));
        break;
      default:
        if (shown.text !== was.text) element.textContent = shown.text;
    }
  }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A figure's input field, taking figures as people type and paste them, as
// the core decides (as qt/input_field.cpp and win32/input_field.cpp do): it
// tells the page when its text changes and when the user enters it (by the
// keyboard, or by a click that keeps its caret), and puts in what the core
// decides a paste, a drop or the keypad's decimal key insert, as the
// browser's own editing does, so that undo takes it back.

export class InputField {
  // `which` is the field's input, as the core numbers them (the three
  // figures, then the pointing panel's five);
  // `changed(text)` and `entered(caret, byClick)` report to the page, which
  // shows the view they give.
  constructor(element, which, core, { changed, entered }) {
    this.element = element;
    this.which = which;
    this.core = core;
    this.caretWhenLeft = 0;
    this.clicking = false;
    this.leftTheWindow = false;
    element.addEventListener('input', () => changed(element.value));
    element.addEventListener('pointerdown', () => { this.clicking = true; });
    element.addEventListener('focus', () => {
      // Coming back to the page is not entering.
      if (!this.leftTheWindow) entered(this.caretWhenLeft, this.clicking);
      this.leftTheWindow = false;
      this.clicking = false;
    });
    element.addEventListener('blur', () => {
      this.caretWhenLeft = element.selectionStart ?? 0;
      this.leftTheWindow = !document.hasFocus();
      this.clicking = false;
    });
    element.addEventListener('paste', (event) => {
      event.preventDefault();
      this.paste(event.clipboardData.getData('text/plain'));
    });
    element.addEventListener('beforeinput', (event) => {
      if (event.inputType !== 'insertFromDrop' || !event.dataTransfer) return;
      event.preventDefault();
      this.paste(event.dataTransfer.getData('text/plain'));
    });
    element.addEventListener('keydown', (event) => {
      if (event.code !== 'NumpadDecimal') return;
      event.preventDefault();
      const [start, length] = this.selection();
      this.insert(this.core.keypadDecimal(this.which, start, length));
    });
  }

  // Where the selection starts and how long it is (UTF-16 units).
  selection() {
    const start = this.element.selectionStart ?? 0;
    return [start, (this.element.selectionEnd ?? start) - start];
  }

  select(start, length) {
    this.element.setSelectionRange(start, start + length);
  }

  paste(text) {
    const [start, length] = this.selection();
    this.insert(this.core.paste(this.which, start, length, text));
  }

  // What the core decided, put in as the browser's own editing does; the
  // field then reports its new text as for any change.
  insert(insertion) {
    const input = this.element;
    input.setSelectionRange(insertion.start, insertion.start + insertion.length);
    if (insertion.text !== '' || insertion.length > 0) {
      if (!document.execCommand('insertText', false, insertion.text)) {
        input.setRangeText(insertion.text);
        input.dispatchEvent(new Event('input'));
      }
    }
    input.setSelectionRange(insertion.caret, insertion.caret);
  }
}

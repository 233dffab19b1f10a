// SPDX-License-Identifier: GPL-3.0-or-later
// The menu of the control that has one (the result): opened by its button
// beside it (by mouse, touch or keyboard) or by a right click on it; its
// entries are the view's, and each puts its text on the clipboard.

async function copy(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Where the clipboard interface is not offered: through a selection.
    const area = document.createElement('textarea');
    area.value = text;
    document.body.appendChild(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
}

export class Menu {
  // `button` is the page's (index.html names it for screen readers);
  // `entries()` gives the entries to show when the menu opens.
  constructor(button, entries) {
    this.button = button;
    this.entries = entries;
    this.list = null;
    button.addEventListener('click', () => {
      const place = button.getBoundingClientRect();
      this.open(place.left, place.bottom);
    });
  }

  open(x, y) {
    this.close();
    const list = document.createElement('div');
    list.className = 'menu';
    list.setAttribute('role', 'menu');
    list.style.left = `${x}px`;
    list.style.top = `${y}px`;
    for (const entry of this.entries()) {
      const item = list.appendChild(document.createElement('button'));
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.textContent = entry.words;
      item.disabled = !entry.enabled;
      item.tabIndex = -1;
      item.addEventListener('click', () => {
        this.close();
        copy(entry.text);
      });
    }
    list.addEventListener('keydown', (event) => this.key(event));
    list.addEventListener('focusout', (event) => {
      if (!list.contains(event.relatedTarget)) this.close(false);
    });
    document.body.appendChild(list);
    this.list = list;
    this.button.setAttribute('aria-expanded', 'true');
    this.items()[0]?.focus();
  }

  items() {
    return [...this.list.querySelectorAll('[role=menuitem]:not(:disabled)')];
  }

  key(event) {
    const items = this.items();
    const at = items.indexOf(document.activeElement);
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
      items[(at + step) % items.length]?.focus();
    } else if (event.key === 'Escape' || event.key === 'Tab') {
      this.close();
    } else {
      return;
    }
    event.preventDefault();
  }

  // The focus goes back to the button, unless it has gone elsewhere. Taking
  // the list away moves the focus out of it, which closes it again: by then
  // it is closed.
  close(refocus = true) {
    const { list } = this;
    if (!list) return;
    this.list = null;
    list.remove();
    this.button.setAttribute('aria-expanded', 'false');
    if (refocus) this.button.focus();
  }
}

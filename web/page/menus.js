// The converter's menu bar: menus that open by click or ALT with their letter, entries chosen
// by click, ENTER or their letter, ESC closes and gives the focus back.
export class MenuBar {
  constructor(bar, run) {
    this.bar = bar;
    this.run = run;
    this.open = null;
    this.owner = null;
    for (const top of bar.querySelectorAll(':scope > .menu > button')) {
      top.addEventListener('click', () => (top.dataset.command ? this.choose(top) : this.toggle(top)));
    }
    for (const item of bar.querySelectorAll('[role=menu] button')) item.addEventListener('click', () => this.choose(item));
    bar.addEventListener('keydown', (e) => this.key(e));
    document.addEventListener('pointerdown', (e) => { if (this.open && !bar.contains(e.target)) this.close(false); });
    document.addEventListener('keydown', (e) => {
      if (!e.altKey || e.ctrlKey || e.metaKey) return;
      const top = bar.querySelector(`:scope > .menu > button[data-key="${e.key.toLowerCase()}"]`);
      if (!top) return;
      e.preventDefault();
      if (top.dataset.command) this.choose(top);
      else this.toggle(top, true);
    });
  }

  toggle(top, fromKeyboard) {
    if (this.open === top) return this.close(true);
    if (!this.open) this.owner = document.activeElement;
    this.close(false);
    this.open = top;
    top.setAttribute('aria-expanded', 'true');
    const menu = top.nextElementSibling;
    menu.hidden = false;
    (fromKeyboard ? menu.querySelector('button') : top).focus();
  }

  close(giveBack) {
    if (!this.open) return;
    this.open.setAttribute('aria-expanded', 'false');
    this.open.nextElementSibling.hidden = true;
    this.open = null;
    if (giveBack && this.owner?.isConnected) this.owner.focus();
  }

  choose(item) {
    const owner = this.open ? this.owner : document.activeElement;
    this.close(false);
    if (owner?.isConnected && owner !== item) owner.focus();
    this.run(item.dataset.command);
  }

  key(e) {
    if (!this.open) return;
    const items = [...this.open.nextElementSibling.querySelectorAll('button')];
    const at = items.indexOf(document.activeElement);
    if (e.key === 'Escape') this.close(true);
    else if (e.key === 'ArrowDown') items[(at + 1) % items.length].focus();
    else if (e.key === 'ArrowUp') items[(at + items.length - 1) % items.length].focus();
    else {
      const item = items.find((b) => b.dataset.key === e.key.toLowerCase());
      if (!item) return;
      this.choose(item);
    }
    e.preventDefault();
  }
}

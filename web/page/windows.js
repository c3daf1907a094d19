// The windows the menus open, as dialogs: modal ones block the converter until closed, the
// contact window stays beside it; each gives the focus back to where it was.
import { closesAsReturn, refocus } from './focus.js';

const MODELESS = new Set(['Contact']);
const FIRST_FOCUS = { Temperature: 'degF', ConvertFile: 'convertFile' };

export function openWindow(id, onOpen) {
  const dialog = document.getElementById(id);
  if (dialog.open) {
    dialog.querySelector('button')?.focus();
    return;
  }
  const owner = document.activeElement;
  const start = owner?.selectionStart, end = owner?.selectionEnd;
  dialog.addEventListener('close', () => {
    if (owner?.isConnected && !MODELESS.has(id)) refocus(owner, start, end);
  }, { once: true });
  onOpen?.();
  if (MODELESS.has(id)) dialog.show();
  else dialog.showModal();
  const first = FIRST_FOCUS[id];
  (first ? document.getElementById(first) : dialog.querySelector('button[data-close]')).focus();
}

// Prints one window: the converter, or the dialog whose Print Page was pressed.
export function printWindow(id) {
  document.documentElement.dataset.print = id;
  window.print();
  delete document.documentElement.dataset.print;
}

export function bindWindowButtons() {
  for (const dialog of document.querySelectorAll('dialog.win')) {
    closesAsReturn(dialog, dialog.querySelectorAll('[data-close]'));
    for (const b of dialog.querySelectorAll('[data-print]')) b.addEventListener('click', () => printWindow(dialog.id));
  }
}

// Focus given back to a box after a message or a window: its selection as it was, not the
// whole-text selection a box takes when the user moves to it.
let returning = false;

export function isReturning() {
  return returning;
}

// Runs `fn` (closing a dialog, which gives the focus back) as a return of the focus.
export function returningFocus(fn) {
  returning = true;
  try {
    fn();
  } finally {
    returning = false;
  }
}

// Closes a dialog by its buttons or ESC as a return of the focus, then runs `closed` at once
// (the dialog's own close event comes later, after keys that may already follow).
export function closesAsReturn(dialog, buttons, closed) {
  const close = () => {
    returningFocus(() => dialog.close());
    closed?.();
  };
  for (const b of buttons) b.addEventListener('click', close);
  dialog.addEventListener('cancel', (e) => {
    if (e.target !== dialog) return; // a file picker's own Cancel bubbles up as 'cancel' too
    e.preventDefault();
    close();
  });
}

export function refocus(el, start, end) {
  returningFocus(() => {
    el.focus();
    if (start !== undefined && start !== null && el.setSelectionRange) el.setSelectionRange(start, end);
  });
}

// Focus given back to a box after a message or a window: its selection as it was, not the
// whole-text selection a box takes when the user moves to it.
let returning = false;

export function isReturning() {
  return returning;
}

export function refocus(el, start, end) {
  returning = true;
  el.focus();
  if (start !== undefined && start !== null && el.setSelectionRange) el.setSelectionRange(start, end);
  returning = false;
}

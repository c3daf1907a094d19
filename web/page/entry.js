// Browser events on a window's number boxes turned into its model's keys, as the desktop's
// entry box turns Qt's: the model decides, the page only shows what it answers.
import { isReturning } from './focus.js';
import { tell } from './notices.js';

const ENTER = 13, BACKSPACE = 8, ESCAPE = 27;
const encoder = new TextEncoder();
// The models count bytes of UTF-8 text; the page counts UTF-16 units.
const bytes = (text, units) => encoder.encode(text.slice(0, units)).length;

export class EntryBoxes {
  // `model()` gives the current model; `render(reply)` shows the rest of what it answered.
  // A box holds at most `longest` characters, as the desktop's boxes do.
  constructor(inputs, model, render, longest) {
    this.inputs = inputs;
    this.model = model;
    this.render = render;
    this.writing = false;
    this.keyEdit = false; // the key going down has told the model already
    inputs.forEach((el, i) => {
      el.maxLength = longest;
      this.bind(el, i);
    });
  }

  // Writes the texts the model wrote (bits of `written`), caret at the start.
  show(written) {
    this.writing = true;
    this.inputs.forEach((el, i) => {
      if (!(written & (1 << i))) return;
      el.value = this.model().text(i);
      if (document.activeElement === el) el.setSelectionRange(0, 0);
    });
    this.writing = false;
  }

  answer(reply, notices) {
    this.show(reply.written);
    this.render(reply);
    notices.push(...reply.notices);
  }

  keyDown(i, notices) {
    const m = this.model();
    if (m.keyDown) this.answer(m.keyDown(i), notices);
  }

  // One key through the model; a key it takes goes into the box as the desktop's box takes it.
  press(el, i, code, notices) {
    const start = el.selectionStart, end = el.selectionEnd, text = el.value;
    const reply = this.model().keyPress(i, code, bytes(text, start), bytes(text, end) - bytes(text, start));
    this.answer(reply, notices);
    if (reply.written & (1 << i)) return reply;
    if (reply.outcome !== 'taken') return reply;
    let from = start, to = end;
    if (code === BACKSPACE && from === to && from > 0) --from;
    const typed = code === BACKSPACE ? '' : String.fromCharCode(code);
    if (text.length - (to - from) + typed.length > el.maxLength) return reply; // a full box
    this.writing = true;
    el.value = text.slice(0, from) + typed + text.slice(to);
    el.setSelectionRange(from + typed.length, from + typed.length);
    this.writing = false;
    this.model().edited(i, el.value);
    return reply;
  }

  keys(el, i, codes) {
    const notices = [];
    el.classList.remove('refused');
    for (const code of codes) {
      this.keyDown(i, notices);
      this.press(el, i, code, notices);
    }
    tell(notices, el);
  }

  // A key that edits without reaching the model as a key (DELETE, paste, cut, drop): the
  // model hears of it first, then reads the text the box ends up with.
  editing(i) {
    const notices = [];
    this.keyDown(i, notices);
    tell(notices);
  }

  bind(el, i) {
    el.autocomplete = 'off';
    el.spellcheck = false;
    el.setAttribute('inputmode', 'decimal');
    el.addEventListener('focus', () => { if (!isReturning()) el.select(); });
    el.addEventListener('keydown', (e) => {
      this.keyEdit = false;
      if (e.isComposing || e.altKey || e.metaKey) return;
      const ctrl = e.ctrlKey, key = e.key;
      let code = null;
      if (key === 'Enter') code = ENTER;
      else if (key === 'Escape') code = ESCAPE;
      else if (key === 'Backspace') code = BACKSPACE;
      else if (ctrl && !e.shiftKey && /^[a-z]$/i.test(key) && key.toLowerCase() !== 'c')
        code = key.toUpperCase().charCodeAt(0) - 64; // CTRL+letter types a control character
      else if (key === 'Delete') {
        this.editing(i);
        this.keyEdit = true;
      }
      if (code === null) return;
      e.preventDefault();
      this.keys(el, i, [code]);
    });
    el.addEventListener('beforeinput', (e) => {
      const type = e.inputType;
      if (type === 'insertText' || type === 'insertReplacementText') {
        e.preventDefault();
        const data = e.data ?? e.dataTransfer?.getData('text/plain') ?? '';
        this.keys(el, i, Array.from(data, (c) => c.charCodeAt(0)));
      } else if (type === 'deleteContentBackward') {
        e.preventDefault(); // a phone keyboard's BACKSPACE, which sends no key code
        this.keys(el, i, [BACKSPACE]);
      } else if (!this.keyEdit && !type.startsWith('insertComposition')) {
        this.editing(i);
      }
    });
    el.addEventListener('input', () => {
      if (!this.writing) this.model().edited(i, el.value);
    });
  }
}

// What a model asks the page to tell the user: the warning sound with a visible cue, and
// messages in a modal alert dialog that takes the focus and gives it back.
import { closesAsReturn, refocus } from './focus.js';

let audio = null;
const queue = [];
let showing = false;
let closed = null; // what follows the message on screen once it is closed
const box = document.getElementById('message');
closesAsReturn(box, [document.getElementById('messageOk')], () => closed?.());

// A refused key: a short tone where the browser lets the page play one, and the box flashes.
export function cue(el) {
  try {
    audio ??= new AudioContext();
    const tone = audio.createOscillator(), gain = audio.createGain();
    tone.frequency.value = 800;
    gain.gain.value = 0.08;
    tone.connect(gain).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.09);
  } catch {
    // no sound here: the visible cue remains
  }
  if (!el) return;
  el.classList.remove('refused');
  void el.offsetWidth; // restart the flash
  el.classList.add('refused'); // until the box's next key: the last key's verdict
}

// Messages one after another, each closed before the next; beeps at once.
export function tell(notices, el) {
  for (const n of notices) {
    if (n.beep) cue(el);
    else queue.push(n);
  }
  if (!showing) next(el ?? document.activeElement);
}

function next(owner) {
  const n = queue.shift();
  if (!n) {
    showing = false;
    return;
  }
  showing = true;
  document.getElementById('messageTitle').textContent = n.title;
  document.getElementById('messageText').textContent = n.text;
  const start = owner?.selectionStart, end = owner?.selectionEnd;
  closed = () => {
    closed = null;
    if (owner?.isConnected) refocus(owner, start, end);
    next(owner);
  };
  box.dataset.opening = '1';
  box.showModal();
  delete box.dataset.opening;
  document.getElementById('messageOk').focus();
}

// Has screen readers say `text` once, through the page's polite live region.
export function say(text) {
  const region = document.getElementById('announce');
  region.textContent = '';
  requestAnimationFrame(() => { region.textContent = text; });
}

export function isShowingMessage() {
  return showing;
}

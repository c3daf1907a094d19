// The temperature window on the page: two boxes bound to a fresh temperature model each time
// it opens, and the comparison scale.
import { EntryBoxes } from './entry.js';
import { say, tell } from './notices.js';

const SVG = 'http://www.w3.org/2000/svg';

export class Temperature {
  constructor(wasm) {
    this.wasm = wasm;
    this.inputs = [document.getElementById('degF'), document.getElementById('degC')];
    this.model = null;
    this.boxes = new EntryBoxes(this.inputs, () => this.model,
      (reply) => { if (reply.announcement) say(reply.announcement); }, wasm.longestText);
    this.inputs.forEach((el, i) =>
      el.addEventListener('blur', () => {
        // Leaving a box converts it; a message taking the focus is no leaving.
        if (!this.model || document.getElementById('message').dataset.opening) return;
        const notices = [];
        this.boxes.answer(this.model.leave(i), notices);
        tell(notices);
      }));
    drawScale(document.getElementById('scale'), wasm.toFahrenheit);
  }

  open() {
    this.model?.delete();
    this.model = new this.wasm.TemperaturePage();
    this.inputs.forEach((el) => { el.value = ''; });
  }
}

// Fahrenheit on the left, Celsius on the right, a mark every 25 degrees of each, on one axis
// from 150 °C at the top to -50 °C at the bottom.
function drawScale(svg, toFahrenheit) {
  const width = 86, axis = 43, mark = 9, top = 30, bottom = 404;
  const topF = toFahrenheit(150), bottomF = toFahrenheit(-50);
  const row = (f) => Math.round(top + ((topF - f) * (bottom - top)) / (topF - bottomF));
  svg.setAttribute('viewBox', `0 0 ${width} 413`);
  const add = (tag, attrs, text) => {
    const el = document.createElementNS(SVG, tag);
    for (const [k, v] of Object.entries(attrs)) el.setAttribute(k, v);
    if (text !== undefined) el.textContent = text;
    svg.append(el);
  };
  add('rect', { x: axis, y: top, width: 1, height: bottom - top + 1 });
  add('text', { x: axis / 2, y: 16, 'text-anchor': 'middle', class: 'mark-unit' }, '\u00b0F');
  add('text', { x: (axis + width) / 2, y: 16, 'text-anchor': 'middle', class: 'mark-unit' }, '\u00b0C');
  for (let f = 300; f >= -50; f -= 25) {
    add('rect', { x: axis - mark, y: row(f), width: mark, height: 1 });
    add('text', { x: axis - mark - 2, y: row(f) + 4, 'text-anchor': 'end' }, f);
  }
  for (let c = 150; c >= -50; c -= 25) {
    const y = row(toFahrenheit(c));
    add('rect', { x: axis + 1, y, width: mark, height: 1 });
    add('text', { x: axis + mark + 3, y: y + 4 }, c);
  }
}

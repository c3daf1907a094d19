// The converter window on the page: its twelve boxes, the reference choice, Clear and Copy All
// Results, all shown as the converter model has them.
import { EntryBoxes } from './entry.js';
import { say } from './notices.js';

export class Converter {
  constructor(wasm) {
    this.wasm = wasm;
    this.table = wasm.boxTable();
    this.inputs = this.table.map((b) => document.getElementById(b.id));
    this.us = document.getElementById('OptdBUS');
    this.iso = document.getElementById('OptdBISO');
    this.frame = document.getElementById('Frame1');
    for (const b of this.table) {
      document.getElementById(b.captionLabel).textContent = b.caption;
      if (b.isoCaptionLabel) document.getElementById(b.isoCaptionLabel).textContent = b.isoCaption;
    }
    this.model = new wasm.ConverterPage();
    this.boxes = new EntryBoxes(this.inputs, () => this.model, (reply) => this.render(reply),
      wasm.longestText);
    for (const radio of [this.us, this.iso])
      radio.addEventListener('change', () => {
        this.model.selectReference(this.iso.checked);
        this.render({});
      });
    this.render({});
  }

  // Enabled states, the reference and its lock, the captions and names that follow it; and
  // the conversion, said once through the live region.
  render(reply) {
    this.inputs.forEach((el, i) => { el.disabled = !this.model.enabled(i); });
    const iso = this.model.iso();
    this.us.checked = !iso;
    this.iso.checked = iso;
    this.frame.disabled = this.model.referenceLocked();
    const referenceName = (iso ? this.iso : this.us).parentElement.textContent.trim();
    this.table.forEach((b, i) => {
      if (b.isoCaptionLabel) {
        document.getElementById(b.captionLabel).hidden = iso;
        document.getElementById(b.isoCaptionLabel).hidden = !iso;
      }
      const name = this.model.spokenName(i, referenceName);
      if (this.inputs[i].getAttribute('aria-label') !== name) this.inputs[i].setAttribute('aria-label', name);
    });
    if (reply.announcement) say(reply.announcement);
  }

  // Clear: the window as it starts, the reference free again.
  clear() {
    this.model.delete();
    this.model = new this.wasm.ConverterPage();
    this.inputs.forEach((el) => { el.value = ''; });
    this.render({});
    this.inputs[0].focus();
    say(this.wasm.clearedAnnouncement);
  }

  async copyAll() {
    const text = this.model.resultsText();
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      const area = document.createElement('textarea');
      area.value = text;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
    }
    say(this.model.copiedAnnouncement());
    return text;
  }
}

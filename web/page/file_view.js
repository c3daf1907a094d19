// The "Convert a file" view: a file picked or dropped anywhere on the page, converted in a
// worker as amplora-convert converts it, with progress, Cancel, the command line's messages
// and the result offered as a download named after the file.
const SEPARATORS = { comma: ',', semicolon: ';', tab: '\t' };

// route.csv -> route-converted.csv; a name without an extension gets .csv.
function convertedName(name) {
  const dot = name.lastIndexOf('.');
  return dot > 0 ? `${name.slice(0, dot)}-converted${name.slice(dot)}` : `${name}-converted.csv`;
}

export class FileView {
  constructor(openView) {
    this.openView = openView;
    const $ = (id) => document.getElementById(id);
    this.dialog = $('ConvertFile');
    this.input = $('convertFile');
    this.iso = $('convertISO');
    this.separator = $('convertSeparator');
    this.skipBad = $('convertSkipBad');
    this.decimalComma = $('convertDecimalComma');
    this.start = $('convertStart');
    this.cancelButton = $('convertCancel');
    this.progress = $('convertProgress');
    this.rows = $('convertRows');
    this.outcome = $('convertOutcome');
    this.download = $('convertDownload');
    this.list = $('convertMessages');
    this.more = $('convertMore');
    this.settings = [this.input, ...this.dialog.querySelectorAll('.convert-settings :is(input, select)')];
    this.worker = null;
    this.ready = false;
    this.run = 0;
    this.running = false;
    this.start.addEventListener('click', () => this.convert());
    this.cancelButton.addEventListener('click', () => this.cancel());
    this.input.addEventListener('change', () => this.chosen());
    // A file dropped anywhere: never opened by the browser in place of the page.
    document.addEventListener('dragover', (e) => {
      if (!e.dataTransfer.types.includes('Files')) return;
      e.preventDefault();
      e.dataTransfer.dropEffect = this.running ? 'none' : 'copy';
    });
    document.addEventListener('drop', (e) => {
      if (!e.dataTransfer.types.includes('Files')) return;
      e.preventDefault();
      if (!this.running) this.dropped([...e.dataTransfer.files]);
    });
  }

  open() {
    this.openView();
    this.startWorker();
  }

  // The worker and its module load when the view opens, not while a file is converted.
  startWorker() {
    if (this.worker) return;
    this.worker = new Worker('convert_worker.js');
    this.worker.onmessage = ({ data }) => (data.kind === 'ready' ? (this.ready = true) : this.answer(data));
    this.worker.onerror = () => {
      this.stopWorker();
      this.end('The converter could not be loaded: reload the page.', null);
    };
  }

  stopWorker() {
    this.worker.terminate();
    this.worker = null;
    this.ready = false;
  }

  dropped(files) {
    if (!files.length) return;
    const one = new DataTransfer();
    one.items.add(files[0]);
    this.input.files = one.files;
    if (!this.dialog.open) this.open();
    this.chosen(files.length > 1 ? `${files.length} files were dropped: only ${files[0].name} is taken, one file at a time.` : '');
    this.start.focus();
  }

  chosen(note = '') {
    this.clear();
    this.outcome.textContent = note;
  }

  clear() {
    if (this.download.href) URL.revokeObjectURL(this.download.href);
    this.download.removeAttribute('href');
    this.download.hidden = true;
    this.list.replaceChildren();
    this.more.textContent = '';
    this.rows.textContent = '';
    this.outcome.textContent = '';
    this.progress.value = 0;
  }

  convert() {
    const file = this.input.files[0];
    if (!file) {
      this.outcome.textContent = 'Choose a file of readings first, or drop one on the page.';
      this.input.focus();
      return;
    }
    this.startWorker();
    this.clear();
    this.file = file;
    this.progress.max = Math.max(file.size, 1);
    this.setRunning(true);
    this.worker.postMessage({
      run: ++this.run, file, iso: this.iso.checked, separator: SEPARATORS[this.separator.value],
      skipBad: this.skipBad.checked, decimalComma: this.decimalComma.checked,
    });
  }

  cancel() {
    if (this.running) this.worker.postMessage({ cancel: this.run });
  }

  setRunning(on) {
    this.running = on;
    for (const el of [...this.settings, this.start]) el.disabled = on;
    this.cancelButton.disabled = !on;
    this.dialog.dataset.state = on ? 'running' : 'idle';
    (on ? this.cancelButton : this.start).focus();
  }

  answer(data) {
    if (data.run !== this.run) return;
    if (data.broken) this.stopWorker(); // the module is lost: a new worker for the next file
    for (const text of data.messages) this.list.appendChild(document.createElement('li')).textContent = text;
    const unlisted = data.messageCount - this.list.childElementCount;
    this.more.textContent = unlisted > 0 ? `and ${unlisted} more ${unlisted === 1 ? 'message' : 'messages'}` : '';
    this.rows.textContent = `${data.rows} ${data.rows === 1 ? 'row' : 'rows'} converted`;
    this.progress.value = data.bytes;
    const name = this.file.name;
    if (data.kind === 'cancelled') this.end(`Cancelled: ${name} was not converted; nothing to download.`, null);
    else if (data.kind === 'failed') this.end(`${data.reason}; nothing to download.`, null);
    else if (data.kind === 'done' && data.blob) {
      const skipped = data.messageCount ? `, ${data.messageCount} skipped as the messages say` : '';
      this.end(`${name} converted: ${data.rows} ${data.rows === 1 ? 'row' : 'rows'}${skipped}.`, data.blob);
    } else if (data.kind === 'done') {
      this.end(`${name} cannot be converted, as the messages say; nothing to download.`, null);
    }
  }

  end(text, blob) {
    if (!this.running) return;
    this.setRunning(false);
    this.outcome.textContent = text;
    if (!blob) return;
    this.progress.value = this.progress.max;
    this.download.href = URL.createObjectURL(blob);
    this.download.download = convertedName(this.file.name);
    this.download.textContent = `Download ${this.download.download}`;
    this.download.hidden = false;
    this.download.focus();
  }
}

// The worker that converts a file of readings off the page's thread: the file read as a
// stream, each chunk through the command line's converter in WebAssembly, the CSV gathered
// as a Blob of parts, and progress, messages and the outcome posted to the page.
importScripts('convert.js');

const ready = AmploraConvert();
ready.then(() => postMessage({ kind: 'ready' }));
const MESSAGES_LISTED = 100;
// A stream's chunk may hold megabytes: it is converted in slices of this size (some
// milliseconds each), with Cancel heard after each.
const SLICE_BYTES = 256 << 10;
// The progress is shown after each sixteenth of the file, and at least every 100 ms.
const PROGRESS_STEPS = 16;
const PROGRESS_EVERY_MS = 100;
const PART_BYTES = 8 << 20;
let cancelled = null; // the run to stop

// The CSV as Blobs, each made straight from the module's memory once the module holds a part's
// worth: one copy of every byte, and the browser may keep the parts out of the worker's heap.
class Parts {
  constructor() { this.blobs = []; this.bytes = 0; }
  take(conversion, all) {
    if (!all && conversion.outputSize() < PART_BYTES) return;
    const view = conversion.output();
    this.bytes += view.length;
    if (view.length) this.blobs.push(new Blob([view]));
  }
  blob() { return new Blob(this.blobs, { type: 'text/csv' }); }
}

class Messages {
  constructor() { this.count = 0; this.fresh = []; }
  add(text) {
    for (const line of text.split('\n')) {
      if (!line) continue;
      if (this.count++ < MESSAGES_LISTED) this.fresh.push(line);
    }
  }
  take() { return this.fresh.splice(0); }
}

// The worker's other messages (Cancel) are taken between two turns of its work; a stream's
// chunks that are already read arrive without such a turn.
const turn = () => new Promise((resolve) => {
  const channel = new MessageChannel();
  channel.port1.onmessage = resolve;
  channel.port2.postMessage(0);
});

// Converts one file as `amplora-convert` converts it; posts progress while it goes and the
// outcome at the end: 'done' (with the CSV when the file converted), 'cancelled' or 'failed'.
async function convert(run, module, { file, iso, separator, skipBad, decimalComma }) {
  const conversion = new module.FileConversion(iso, separator.charCodeAt(0), skipBad, decimalComma, file.name);
  const parts = new Parts(), messages = new Messages();
  let bytes = 0, shown = { bytes: 0, at: 0 };
  const post = (kind, extra) => postMessage({
    run, kind, rows: conversion.rows(), bytes, messages: messages.take(), messageCount: messages.count, ...extra });
  // Feeds a piece of the file; false when no more of it is wanted.
  const feed = (piece) => {
    conversion.chunk(piece.length).set(piece);
    const more = conversion.feed(piece.length);
    bytes += piece.length;
    parts.take(conversion, false);
    messages.add(conversion.messages());
    return more;
  };
  const reader = file.stream().getReader();
  try {
    let whole = true;
    reading: for (;;) {
      let chunk;
      try {
        chunk = await reader.read();
      } catch (e) {
        return post('failed', { reason: `cannot read ${module.escapedName(file.name)}: ${e.message}` });
      }
      if (chunk.done) break;
      for (let at = 0; at < chunk.value.length; at += SLICE_BYTES) {
        if (!feed(chunk.value.subarray(at, at + SLICE_BYTES))) {
          whole = false;
          break reading;
        }
        if (bytes - shown.bytes >= file.size / PROGRESS_STEPS || performance.now() - shown.at >= PROGRESS_EVERY_MS) {
          post('progress');
          shown = { bytes, at: performance.now() };
        }
        await turn();
        if (cancelled === run) return post('cancelled');
      }
    }
    const finished = conversion.finish();
    parts.take(conversion, true);
    messages.add(conversion.messages());
    // A file the run ended in, or whose header was refused, has nothing worth downloading.
    const converted = whole && finished && parts.bytes > 0;
    post('done', { status: conversion.status(), blob: converted ? parts.blob() : null });
  } finally {
    reader.cancel().catch(() => {});
    conversion.delete();
  }
}

onmessage = async ({ data }) => {
  if (data.cancel !== undefined) {
    cancelled = data.cancel;
    return;
  }
  try {
    await convert(data.run, await ready, data);
  } catch (e) { // the module ran out of memory or could not load
    postMessage({ run: data.run, kind: 'failed', reason: String(e.message || e), broken: true,
      rows: 0, bytes: 0, messages: [], messageCount: 0 });
  }
};

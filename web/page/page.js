// The page's start: the models from WebAssembly, the converter, its menus and windows, and the
// service worker that keeps every file for use offline.
import { Converter } from './converter.js';
import { FileView } from './file_view.js';
import { MenuBar } from './menus.js';
import { Temperature } from './temperature.js';
import { bindWindowButtons, openWindow, printWindow } from './windows.js';

const wasm = await globalThis.AmploraModel();
const converter = new Converter(wasm);
const temperature = new Temperature(wasm);
bindWindowButtons();
const fileView = new FileView(() => openWindow('ConvertFile'));

const commands = {
  convertFile: () => fileView.open(),
  print: () => printWindow('Main'),
  copyAll: () => converter.copyAll(),
  Temperature: () => openWindow('Temperature', () => temperature.open()),
  Help: () => openWindow('Help'),
  tutorial: () => openWindow('tutorial'),
  Contact: () => openWindow('Contact'),
  frmAbout: () => openWindow('frmAbout'),
};
new MenuBar(document.querySelector('.menubar'), (command) => commands[command]());
document.getElementById('Command2').addEventListener('click', () => converter.clear());
document.addEventListener('keydown', (e) => {
  if (e.ctrlKey && e.shiftKey && e.key.toLowerCase() === 'c' && !document.querySelector('dialog[open]:modal')) {
    e.preventDefault();
    converter.copyAll();
  }
});
if (document.activeElement === document.body) converter.inputs[0].focus();
document.documentElement.dataset.ready = '1';
performance.mark('interactive');
// For automation and the benchmarks: the page's parts, as the tests drive them.
globalThis.amplora = { converter, temperature, commands, fileView };

// A changed file makes a new worker, which replaces the cache for the next load.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).then((r) => r.update()).catch(() => {});

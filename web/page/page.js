// The page: the program's main dialog and its windows, driven by the dialog's
// own controller, which runs as WebAssembly in a worker (worker.js) so that
// this thread never waits on a computation. The worker sends what to show;
// the user's actions go back to it. Its questions (the file choice, the
// editor, the help windows, a Yes/No) are answered through a buffer shared
// with it, on which it waits; the same buffer carries Cancel and Stop.

import { MainDialog } from './page-dialog.js';
import { Windows } from './page-windows.js';
import { WorkingFolder, readGivenFile } from './page-files.js';

const kFontSize = 13;
const kFont = `${kFontSize}px "Segoe UI", "DejaVu Sans", "Liberation Sans", Arial, sans-serif`;
const kLineHeight = Math.ceil(kFontSize * 1.3);
const kAnswerReady = 0;
const kStop = 1;
const kUrlLength = 2;
const kUrlOffset = 16;
const kPaneBytes = 1 << 15;  // what the results file's pane shows at most, about

const kTexts = {
  ro: {
    save: 'Salveaza pe disc', results: 'Fisierul de rezultate', none: '(niciun fisier ales)', unsaved: 'modificat, nesalvat',
    ended: 'Corvane s-a incheiat. Fisierele de lucru raman in browser.', again: 'Porneste din nou',
    savedAs: 'Salvat pe disc', downloaded: 'Descarcat',
    cut: (bytes) => `(primii ${bytes} octeti ai fisierului nu sunt aratati aici)`,
  },
  en: {
    save: 'Save to disk', results: 'Results file', none: '(no file chosen)', unsaved: 'changed, not saved',
    ended: 'Corvane has ended. The working files stay in the browser.', again: 'Start again',
    savedAs: 'Saved to disk', downloaded: 'Downloaded',
    cut: (bytes) => `(the file's first ${bytes} bytes are not shown here)`,
  },
};
const kNotIsolated = 'Corvane needs a browser that can share memory with its worker (SharedArrayBuffer): '
  + 'open the page over https or from http://localhost, in a current Chrome, Edge, Firefox or Safari, '
  + 'with service workers allowed.';

const byId = (id) => document.getElementById(id);

// Shared memory needs the cross-origin isolation headers. scripts/web sends
// them; on any other static host the service worker adds them, and the page
// is loaded once more under it.
async function isolated() {
  const registering = 'serviceWorker' in navigator ? navigator.serviceWorker.register('service-worker.js') : null;
  if (self.crossOriginIsolated) {
    sessionStorage.removeItem('corvane-isolating');
    return true;
  }
  if (!registering || sessionStorage.getItem('corvane-isolating')) return false;
  try {
    await registering;
    await navigator.serviceWorker.ready;
  } catch (refused) {
    return false;
  }
  sessionStorage.setItem('corvane-isolating', '1');
  location.reload();
  return new Promise(() => {});
}

class Page {
  constructor(folder, worker) {
    this.folder = folder;
    this.shared = new SharedArrayBuffer(4096);
    this.flags = new Int32Array(this.shared, 0, 4);
    this.layouts = null;
    this.closeAfterRun = false;
    this.pending = 0;
    this.exports = new Set();
    this.pendingDrop = null;
    this.report = { name: '', first: 0, shown: 0, decoder: null };
    this.dialog = new MainDialog(byId('main-dialog'), (event) => this.send(event));
    this.dialog.onClose = () => this.close();
    this.windows = new Windows(byId('windows'), {
      answer: (value, bytes) => this.answer(value, bytes),
      send: (event) => this.send(event),
      stop: () => Atomics.store(this.flags, kStop, 1),
      folder,
      language: () => this.language(),
      font: () => kFont,
      lineHeight: () => kLineHeight,
      layouts: () => this.layouts,
      pickFile: (filters) => this.pickFile(filters),
      droppedFile: (event) => droppedFile(event),
      answerWithFile: (given) => this.answerWithFile(given),
      removeFile: (name) => this.worker.postMessage({ t: 'removeFile', name }),
      exportWhenWritten: (name) => this.exports.add(name),
      escape: () => this.close(),
    });
    folder.onChange((name, from) => this.fileChanged(name, from));
    byId('report-save').addEventListener('click', () => this.saveReport());
    byId('disk-file').addEventListener('change', (event) => this.diskFileGiven(event));
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', (event) => this.drop(event));
    window.addEventListener('beforeunload', (event) => {
      if (this.folder.unsaved().length > 0) {
        event.preventDefault();
        event.returnValue = '';
      }
    });
    this.worker = worker;
    this.worker.onmessage = ({ data }) => this.receive(data);
    this.worker.onerror = (error) => this.fail(String(error.message || error));
    this.worker.postMessage({ t: 'start', shared: this.shared, files: folder.list() });
  }

  language() {
    return this.layouts && this.dialog.isChecked(this.layouts.ids.english) ? 'en' : 'ro';
  }

  texts() { return kTexts[this.language()]; }

  // Each action goes to the worker in turn; the page's root tells how many
  // it has not finished yet (data-pending), and data-state whether a run is on.
  send(event) {
    this.pending += 1;
    document.documentElement.dataset.pending = this.pending;
    this.worker.postMessage({ t: 'event', event });
  }

  handled() {
    this.pending -= 1;
    document.documentElement.dataset.pending = this.pending;
  }

  // The file choice answered with a file from the user's disk: its bytes go
  // with the answer, so that the worker has the file before it goes on.
  answerWithFile(given) {
    this.folder.put(given.name, given.bytes, given.handle);
    this.answer({ path: given.name, putFile: given.name }, given.bytes);
  }

  // The answer to the worker's question: its text and bytes in a blob, whose
  // address goes into the shared buffer before the worker is woken.
  answer(value, bytes = new Uint8Array(0)) {
    const text = new TextEncoder().encode(JSON.stringify(value));
    const head = new Uint8Array(4);
    new DataView(head.buffer).setUint32(0, text.length, true);
    const url = new TextEncoder().encode(URL.createObjectURL(new Blob([head, text, bytes])));
    new Uint8Array(this.shared, kUrlOffset).set(url);
    Atomics.store(this.flags, kUrlLength, url.length);
    Atomics.store(this.flags, kAnswerReady, 1);
    Atomics.notify(this.flags, kAnswerReady);
  }

  receive(message) {
    switch (message.t) {
      case 'layouts':
        performance.mark('corvane-program-loaded');
        this.build(message.layouts);
        performance.mark('corvane-dialog-built');
        break;
      case 'started':
        document.documentElement.dataset.state = 'ready';
        performance.mark('corvane-ready');
        break;
      case 'view': this.view(message); break;
      case 'message': this.windows.message(message); break;
      case 'note': this.windows.showNote(message); break;
      case 'noteLanguage': this.windows.retellNote(message); break;
      case 'busy': document.body.classList.toggle('busy', message.on); break;
      case 'ask': this.ask(message); break;
      case 'answered': URL.revokeObjectURL(message.url); break;
      case 'handled': this.handled(); break;
      case 'run': this.run(message); break;
      case 'chart': this.windows.showChart(message); break;
      case 'explorer': this.windows.explorerMessage(message); break;
      case 'comparison': this.windows.comparisonMessage(message); break;
      case 'steps': this.windows.stepsMessage(message); break;
      case 'file': this.folder.apply(message.name, message.from, message.size, message.bytes); break;
      case 'removed': this.folder.remove(message.name); break;
      case 'ended': this.ended(); break;
      case 'failed': this.fail(message.text); break;
      default: break;
    }
  }

  build(layouts) {
    this.layouts = layouts;
    const { ids } = layouts;
    this.dialog.build(layouts, kFont, kLineHeight, [ids.exit, ids.cancel]);
    byId('main-dialog').addEventListener('keydown', (event) => {
      const solve = this.dialog.control(ids.solve);
      if (event.key === 'Enter' && !['BUTTON', 'SELECT'].includes(event.target.tagName) && !solve.root.disabled) {
        event.preventDefault();
        solve.root.click();
      }
    });
    byId('app').hidden = false;
    this.showPageTexts();
  }

  view(change) {
    // The controller sets the title with the captions of the language chosen.
    if (change.op === 'title') {
      byId('main-title').textContent = change.text;
      document.title = change.text;
      document.documentElement.lang = this.language();
      this.showPageTexts();
      return;
    }
    this.dialog.apply(change);
    if (change.id === this.layouts.ids.path && change.op === 'text') this.showReport(change.text);
  }

  // A question of the worker; a file dropped on the page answers the file
  // choice it started.
  ask(message) {
    const drop = this.pendingDrop;
    this.pendingDrop = null;
    if (drop && message.question.q === 'chooseFile') {
      this.answerWithFile(drop);
      return;
    }
    this.windows.ask(message);
  }

  run(message) {
    if (message.op === 'start') {
      document.documentElement.dataset.state = 'running';
      this.folder.holdStores(true);
      this.windows.runStarted(message);
    } else if (message.op === 'progress') {
      this.windows.runProgress(message);
    } else if (message.op === 'end') {
      this.folder.holdStores(false);
      this.windows.runEnded();
      document.documentElement.dataset.state = 'ready';
      if (this.closeAfterRun) this.send({ kind: 'close' });
    }
  }

  // IESIRE, Escape: the controller decides; during a run, which holds the
  // worker, the page asks the controller's question itself, stops the run and
  // then tells the controller.
  async close() {
    const run = this.windows.run;
    if (!run) {
      this.send({ kind: 'close' });
      return;
    }
    if (this.closeAfterRun) return;
    const answer = await this.windows.question(run.texts.stopTitle, run.texts.stopQuestion);
    if (answer !== 'yes' || this.windows.run !== run) return;
    this.closeAfterRun = true;
    Atomics.store(this.flags, kStop, 1);
  }

  ended() {
    this.worker.terminate();
    byId('app').hidden = true;
    byId('windows').replaceChildren();
    const notice = byId('notice');
    const again = document.createElement('button');
    again.type = 'button';
    again.textContent = this.texts().again;
    again.addEventListener('click', () => location.reload());
    notice.replaceChildren(document.createTextNode(this.texts().ended), document.createElement('br'), again);
    notice.hidden = false;
    document.documentElement.dataset.state = 'ended';
  }

  fail(text) {
    const notice = byId('notice');
    notice.textContent = text;
    notice.hidden = false;
    document.documentElement.dataset.state = 'failed';
  }

  showPageTexts() {
    const texts = this.texts();
    byId('report-save').textContent = texts.save;
    byId('report-title').textContent = texts.results;
    this.showReportState();
    this.showCut();
  }

  // The results file beside the dialog: the file whose name the dialog shows,
  // as it grows.
  showReport(name) {
    this.report = { name, first: 0, shown: 0, decoder: new TextDecoder() };
    byId('report-text').textContent = '';
    this.showCut();
    this.fileChanged(name, 0);
  }

  fileChanged(name, from) {
    if (this.exports.has(name) && from !== null && from >= 0) {
      this.exports.delete(name);
      this.folder.save(name);
    }
    if (name !== this.report.name) return;
    this.showReportState();
    if (from === null) return;
    const pane = byId('report-text');
    const bytes = this.folder.bytes(name);
    if (!bytes) return;
    const atEnd = pane.scrollTop + pane.clientHeight >= pane.scrollHeight - 4;
    if (from < this.report.shown || bytes.length - this.report.first > 2 * kPaneBytes) this.restartPane(bytes);
    const added = this.report.decoder.decode(bytes.subarray(this.report.shown), { stream: true });
    if (added) pane.append(document.createTextNode(added));
    this.report.shown = bytes.length;
    if (atEnd) pane.scrollTop = pane.scrollHeight;
  }

  // The pane shows a large file from a line start within its last
  // kPaneBytes: a browser lays out a few MB of text far too slowly.
  restartPane(bytes) {
    let first = Math.max(0, bytes.length - kPaneBytes);
    if (first > 0) {
      const lineEnd = bytes.indexOf(10, first - 1);
      first = lineEnd < 0 ? bytes.length : lineEnd + 1;
    }
    Object.assign(this.report, { first, shown: first, decoder: new TextDecoder() });
    byId('report-text').textContent = '';
    this.showCut();
  }

  showCut() {
    const cut = byId('report-cut');
    cut.hidden = this.report.first === 0;
    cut.textContent = this.texts().cut(this.report.first);
  }

  showReportState() {
    const { name } = this.report;
    const texts = this.texts();
    byId('report-name').textContent = name || texts.none;
    const unsaved = name && this.folder.unsaved().includes(name);
    byId('report-unsaved').textContent = unsaved ? texts.unsaved : '';
    byId('report-save').disabled = !name || !this.folder.has(name);
  }

  async saveReport() {
    const { name } = this.report;
    if (!name) return;
    const how = await this.folder.save(name);
    if (how) byId('report-unsaved').textContent = how === 'handle' ? this.texts().savedAs : this.texts().downloaded;
  }

  // The browser's file picker: the File System Access API where there is
  // one (Save then writes back to the same file), else the file input.
  async pickFile(filters) {
    if (window.showOpenFilePicker) {
      try {
        const types = filters.filter(([, ending]) => ending).map(([description, ending]) => ({ description, accept: { 'text/plain': [ending] } }));
        const [handle] = await window.showOpenFilePicker({ types });
        return readGivenFile(await handle.getFile(), handle);
      } catch (cancelled) {
        return null;
      }
    }
    const input = byId('disk-file');
    input.value = '';
    input.click();
    return null;  // the input's change event brings the file
  }

  async diskFileGiven(event) {
    const file = event.target.files[0];
    if (!file) return;
    const given = await readGivenFile(file);
    if (!this.windows.takeDrop(given)) this.openGiven(given);
  }

  async drop(event) {
    event.preventDefault();
    const given = await droppedFile(event);
    if (!given || this.windows.takeDrop(given)) return;
    this.openGiven(given);
  }

  // A file dropped on the page outside the file choice: Select with that
  // file (Import for a Matrix Market file), when the dialog allows it now.
  async openGiven(given) {
    const { ids } = this.layouts;
    const matrix = given.name.toLowerCase().endsWith('.mtx');
    const control = this.dialog.control(matrix ? ids.import : ids.select);
    if (!control || control.root.disabled || this.windows.modalOpen) return;
    if (this.folder.has(given.name) && !sameBytes(this.folder.bytes(given.name), given.bytes)) {
      const answer = await this.windows.question(given.name, `${given.name} already exists.\nDo you want to replace it?`);
      if (answer !== 'yes') return;
    }
    this.pendingDrop = given;
    control.root.click();
  }
}

function sameBytes(a, b) {
  return a.length === b.length && a.every((value, k) => value === b[k]);
}

// The file of a drop, with its handle where the browser gives one; both are
// taken before the first wait, while the drop's data are still there.
async function droppedFile(event) {
  const item = [...(event.dataTransfer?.items || [])].find((entry) => entry.kind === 'file');
  if (!item) return null;
  const file = item.getAsFile();
  const handle = item.getAsFileSystemHandle ? item.getAsFileSystemHandle() : null;
  return readGivenFile(file, handle ? await handle.catch(() => null) : null);
}

async function boot() {
  if (!(await isolated())) {
    byId('notice').textContent = kNotIsolated;
    byId('notice').hidden = false;
    document.documentElement.dataset.state = 'failed';
    return;
  }
  const worker = new Worker('worker.js');  // loads the program while the files are read
  const folder = new WorkingFolder();
  await folder.open();
  window.corvanePage = new Page(folder, worker);
}

boot();

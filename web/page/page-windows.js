// The windows the page shows beside its main dialog: message boxes and
// questions, the file choice, the editor, the help windows and About, the
// note after a SOLVE, the progress window, the convergence chart, the
// relaxation explorer and the comparison. A modal window covers the windows
// under it, as the desktop's modal windows do; the others float beside the
// dialog and may be moved by their title bar.

import { buildTemplate, element } from './page-dialog.js';
import { fillStepTable } from './page-steps.js';
import { comparisonChart, convergenceChart, omegaChart } from './charts.js';

const kShowProgressAfter = 500;  // ms, as the desktop

function button(text, action, name) {
  const made = element('button', '', text);
  made.type = 'button';
  if (name) made.dataset.name = name;
  made.addEventListener('click', action);
  return made;
}

// Texts of the page's own (those the program has no window for).
const kPageTexts = {
  ro: {
    fromDisk: 'De pe disc...', open: 'Deschide', cancel: 'Anuleaza', fileName: 'Nume fisier:', folder: 'Fisierele de lucru',
    drop: 'sau trageti aici un fisier de pe disc', remove: 'Sterge',
  },
  en: {
    fromDisk: 'From disk...', open: 'Open', cancel: 'Cancel', fileName: 'File name:', folder: 'Working files',
    drop: 'or drop a file from your disk here', remove: 'Delete',
  },
};

const kFilters = {
  data: [['Data Files (*.dat)', '.dat'], ['Text Files (*.txt)', '.txt'], ['All files (*)', '']],
  text: [['Text Files (*.txt)', '.txt'], ['Data Files (*.dat)', '.dat'], ['All files (*)', '']],
  matrixMarket: [['Matrix Market (*.mtx)', '.mtx'], ['All files (*)', '']],
};

export class Windows {
  constructor(layer, page) {
    this.layer = layer;
    this.page = page;  // { answer, send, stop, folder, language, font, lineHeight, layouts, pickFile, droppedFile, answerWithFile, ... }
    this.stack = [];   // open windows, the last on top
    this.loop = null;  // the window whose questions the worker repeats (editor, data-file help)
    this.note = null;
    this.chart = null;
    this.explorer = null;
    this.comparison = null;
    this.run = null;
    this.placed = 0;
    document.addEventListener('keydown', (event) => this.key(event));
  }

  texts() { return kPageTexts[this.page.language()]; }

  // A window: its frame, title bar and body. `onEscape` is what Escape and
  // the close box do.
  open(title, { modal = false, name, onEscape = null, className = '' } = {}) {
    const frame = element('section', `window ${className}`.trim());
    frame.dataset.window = name;
    const bar = element('header', 'title-bar');
    const caption = element('span', 'title', title);
    bar.append(caption);
    if (onEscape) bar.append(button('×', onEscape, 'closeBox'));
    const body = element('div', 'window-body');
    frame.append(bar, body);
    const shown = { frame, body, caption, modal, onEscape, backdrop: null, name };
    if (modal) {
      shown.backdrop = element('div', 'backdrop');
      this.layer.append(shown.backdrop);
    }
    this.layer.append(frame);
    this.place(frame, modal);
    this.draggable(frame, bar);
    this.stack.push(shown);
    return shown;
  }

  place(frame, modal) {
    if (modal) {
      frame.classList.add('centred');
      return;
    }
    // Beside the main dialog, over the results file, a little lower each time.
    const step = (this.placed++ % 6) * 28;
    const dialog = document.getElementById('main-window').getBoundingClientRect();
    const left = dialog.right + 16 + step;
    frame.style.left = `${left}px`;
    frame.style.top = `${40 + step}px`;
    // Once its contents are in, a wide window moves left to fit the page.
    requestAnimationFrame(() => {
      frame.style.left = `${Math.max(0, Math.min(left, window.innerWidth - frame.offsetWidth - 8))}px`;
    });
  }

  draggable(frame, bar) {
    bar.addEventListener('pointerdown', (down) => {
      if (down.target.tagName === 'BUTTON') return;
      const box = frame.getBoundingClientRect();
      frame.classList.remove('centred');
      Object.assign(frame.style, { left: `${box.left}px`, top: `${box.top}px` });
      const dx = down.clientX - box.left;
      const dy = down.clientY - box.top;
      const move = (event) => Object.assign(frame.style, { left: `${event.clientX - dx}px`, top: `${Math.max(0, event.clientY - dy)}px` });
      const up = () => { window.removeEventListener('pointermove', move); window.removeEventListener('pointerup', up); };
      window.addEventListener('pointermove', move);
      window.addEventListener('pointerup', up);
    });
  }

  close(shown) {
    if (!shown) return;
    shown.frame.remove();
    shown.backdrop?.remove();
    this.stack = this.stack.filter((other) => other !== shown);
  }

  get modalOpen() { return this.stack.some((shown) => shown.modal); }

  // Escape closes the window on top; a window that takes keys of its own
  // (the steps') has them while it is on top and no field has the focus.
  key(event) {
    const top = this.stack[this.stack.length - 1];
    const typing = ['INPUT', 'TEXTAREA', 'SELECT'].includes(event.target.tagName) && event.target.type !== 'range';
    if (top?.onKey && !typing && top.onKey(event)) {
      event.preventDefault();
      return;
    }
    if (event.key !== 'Escape') return;
    if (top && top.onEscape) {
      event.preventDefault();
      top.onEscape();
    } else if (!this.modalOpen) {
      this.page.escape();
    }
  }

  // A message box: the text, its icon, OK.
  message({ text, title, icon }) {
    return new Promise((resolve) => {
      let shown = null;
      const done = () => { this.close(shown); resolve(); };
      shown = this.open(title, { modal: true, name: 'message', onEscape: done });
      const row = element('div', 'message-row');
      if (icon !== 'none') row.append(element('div', `icon icon-${icon}`, icon === 'error' ? '✕' : 'i'));
      row.append(element('div', 'message-text', text));
      const ok = button('OK', done, 'ok');
      shown.body.append(row, element('div', 'buttons', undefined));
      shown.body.lastChild.append(ok);
      ok.focus();
    });
  }

  // A question: resolves with the button pressed ('yes' or 'no' unless other
  // buttons are given); Escape answers `fallback`, the focus is on `preferred`.
  question(title, text, buttons = [['Yes', 'yes'], ['No', 'no']], fallback = 'no', preferred = fallback) {
    return new Promise((resolve) => {
      let shown = null;
      const done = (answer) => { this.close(shown); resolve(answer); };
      shown = this.open(title, { modal: true, name: 'question', onEscape: () => done(fallback) });
      const row = element('div', 'message-row');
      row.append(element('div', 'icon icon-question', '?'), element('div', 'message-text', text));
      const bar = element('div', 'buttons');
      for (const [caption, value] of buttons) bar.append(button(caption, () => done(value), value));
      shown.body.append(row, bar);
      bar.querySelector(`[data-name="${preferred}"]`)?.focus();
    });
  }

  // What the worker asks; the answer goes back through page.answer.
  async ask({ question, bytes }) {
    const answer = this.page.answer;
    switch (question.q) {
      case 'question': {
        const buttons = question.answers.map((caption, index) => [caption, `answer${index}`]);
        const chosen = await this.question(question.title, question.question, buttons,
          `answer${question.escape}`, `answer${question.preferred}`);
        answer({ answer: Number(chosen.slice('answer'.length)) });
        break;
      }
      case 'viewPage': this.viewPage(question); break;
      case 'chooseFile': this.chooseFile(question); break;
      case 'edit': this.edit(question, bytes); break;
      case 'dataFileHelp':
      case 'iterationHelp':
      case 'about':
        if (!question.again) this.templateWindow(question);
        break;
      default: answer({});
    }
  }

  // A help window or About, built from its template: each text shown line
  // by line as written, the window as large as they need.
  templateWindow(question) {
    const ids = this.page.layouts().ids;
    const layouts = this.page.layouts();
    const texts = {
      dataFileHelp: [[ids.layoutText, question.layoutText], [ids.kindsText, question.kindsText], [ids.save, question.saveCaption]],
      iterationHelp: [[ids.epsText, question.epsText], [ids.nlimText, question.nlimText], [ids.omegaText, question.omegaText]],
      about: [[ids.aboutText, question.text]],
    }[question.q];
    const template = layouts[question.q];
    let shown = null;
    const close = () => {
      this.close(shown);
      this.page.answer({ action: 'close' });
    };
    shown = this.open(question.title, { modal: true, name: question.q, onEscape: close });
    const body = element('div', 'template-body');
    shown.body.append(body);
    const controls = buildTemplate(template, texts.map(([id, text]) => ({ id, texts: [text] })), body, this.page.font(), this.page.lineHeight());
    for (const [id, text] of texts) controls.get(id)?.setText(text);
    controls.get(ids.ok)?.root.addEventListener('click', close);
    controls.get(ids.helpCancel)?.root.addEventListener('click', close);
    controls.get(ids.save)?.root.addEventListener('click', () => this.page.answer({ action: 'save' }));
    controls.get(ids.ok)?.root.focus();
  }

  // The file choice: the files of the working folder, a name to type (a new
  // one creates the file, as the desktop's dialog asks first), or a file from
  // the user's disk, by the browser's file picker or dropped on the window.
  chooseFile(request) {
    const texts = this.texts();
    const folder = this.page.folder;
    const filters = kFilters[request.kind];
    let shown = null;
    const finish = (value, bytes) => {
      this.close(shown);
      this.page.answer(value, bytes);
    };
    shown = this.open(request.title, { modal: true, name: 'chooseFile', onEscape: () => finish({ path: null }), className: 'chooser' });
    const list = element('select', 'file-list');
    list.size = 10;
    const filter = element('select', 'file-filter');
    filters.forEach(([caption], k) => filter.append(new Option(caption, String(k))));
    const name = element('input', 'file-name');
    name.type = 'text';
    name.value = request.proposedName;
    const fill = () => {
      const ending = filters[Number(filter.value)][1];
      list.replaceChildren(...folder.names().filter((file) => !ending || file.toLowerCase().endsWith(ending)).map((file) => new Option(file, file)));
    };
    filter.addEventListener('change', fill);
    list.addEventListener('change', () => { name.value = list.value; });
    list.addEventListener('dblclick', () => { name.value = list.value; accept(); });
    fill();

    const fromDisk = async (given) => {
      if (!given) return;
      if (folder.has(given.name) && !sameBytes(folder.bytes(given.name), given.bytes)) {
        const replace = await this.question(request.title, `${given.name} already exists.\nDo you want to replace it?`);
        if (replace !== 'yes') return;
      }
      this.close(shown);
      this.page.answerWithFile(given);
    };
    const accept = async () => {
      let chosen = name.value.trim();
      if (!chosen) return;
      const ending = filters[0][1];
      if (request.kind !== 'matrixMarket' && !chosen.includes('.') && ending) chosen += ending;
      if (chosen.includes('/')) {
        await this.message({ text: `${chosen}\nThe path does not exist.`, title: request.title, icon: 'none' });
        return;
      }
      if (!folder.has(chosen)) {
        if (request.kind === 'matrixMarket') {
          await this.message({ text: `${chosen}\nFile not found.`, title: request.title, icon: 'none' });
          return;
        }
        const create = await this.question(request.title, `${chosen}\nThis file does not exist.\nCreate the file?`);
        if (create !== 'yes') return;
      } else if (request.confirmReplace) {
        const replace = await this.question(request.title, `${chosen} already exists.\nDo you want to replace it?`);
        if (replace !== 'yes') return;
      }
      if (request.kind === 'text') this.page.exportWhenWritten(chosen);
      finish({ path: chosen });
    };
    const remove = async () => {
      const chosen = list.value;
      if (!chosen) return;
      folder.remove(chosen);
      this.page.removeFile(chosen);
      fill();
    };

    const nameRow = element('label', 'name-row', texts.fileName);
    nameRow.append(name);
    const disk = element('div', 'disk-row');
    disk.append(button(texts.fromDisk, async () => fromDisk(await this.page.pickFile(filters)), 'fromDisk'),
      element('span', 'drop-hint', texts.drop));
    const bar = element('div', 'buttons');
    bar.append(button(texts.remove, remove, 'remove'), filter, button(texts.open, accept, 'open'),
      button(texts.cancel, () => finish({ path: null }), 'cancel'));
    shown.body.append(element('div', 'list-title', texts.folder), list, nameRow, disk, bar);
    name.addEventListener('keydown', (event) => { if (event.key === 'Enter') accept(); });
    shown.frame.addEventListener('dragover', (event) => { event.preventDefault(); shown.frame.classList.add('dropping'); });
    shown.frame.addEventListener('dragleave', () => shown.frame.classList.remove('dropping'));
    shown.frame.addEventListener('drop', async (event) => {
      event.preventDefault();
      event.stopPropagation();
      shown.frame.classList.remove('dropping');
      fromDisk(await this.page.droppedFile(event));
    });
    this.dropTarget = fromDisk;
    name.focus();
  }

  // The editor: the file's text with line feeds; each Save goes to the worker,
  // which writes it with each line's own line end, as the desktop's editor.
  edit(question, bytes) {
    if (question.again) {
      this.loop?.saved(question.saved);
      return;
    }
    const original = bytes || new Uint8Array(0);
    let latin1 = false;
    let text;
    try {
      text = new TextDecoder('utf-8', { fatal: true }).decode(original);
    } catch (notUtf8) {
      latin1 = true;
      text = new TextDecoder('latin1').decode(original);
    }
    const area = element('textarea', 'editor-text');
    area.value = text.replace(/\r\n/g, '\n');
    area.wrap = 'off';
    area.spellcheck = false;
    let modified = false;
    let closing = false;
    let shown = null;
    const titleOf = () => `${modified ? '*' : ''}${question.name} - ${question.folder}`;
    const encode = () => (latin1 ? Uint8Array.from(area.value, (c) => Math.min(c.charCodeAt(0), 255)) : new TextEncoder().encode(area.value));
    const end = () => {
      this.loop = null;
      this.close(shown);
      this.page.answer({ action: 'close' });
    };
    const save = () => this.page.answer({ action: 'save' }, encode());
    const close = async () => {
      if (modified) {
        const answer = await this.question(titleOf(), `Save the changes to ${question.name}?`,
          [['Save', 'save'], ['Discard', 'discard'], ['Cancel', 'cancel']], 'save');
        if (answer === 'cancel') return;
        if (answer === 'save') {
          closing = true;
          save();
          return;
        }
      }
      end();
    };
    shown = this.open(titleOf(), { modal: true, name: 'editor', onEscape: close, className: 'editor' });
    area.addEventListener('input', () => { modified = true; shown.caption.textContent = titleOf(); });
    area.addEventListener('keydown', (event) => {
      if ((event.ctrlKey || event.metaKey) && event.key === 's') { event.preventDefault(); save(); }
    });
    const bar = element('div', 'buttons');
    bar.append(button('Save', save, 'save'), button('Close', close, 'close'));
    shown.body.append(area, bar);
    this.loop = {
      saved: async (ok) => {
        if (!ok) {
          closing = false;
          await this.message({ text: `Cannot save the file:\n${question.folder}/${question.name}`, title: 'Error', icon: 'error' });
          return;
        }
        modified = false;
        shown.caption.textContent = titleOf();
        if (closing) end();
      },
    };
    area.focus();
  }

  // A file too large to edit, a page at a time and read-only: the worker
  // sends each page the buttons ask for, until Close.
  viewPage(question) {
    const answer = (action) => this.page.answer({ action });
    let shown = this.stack.find((open) => open.name === 'pageView');
    if (!shown) {
      shown = this.open(question.title, { modal: true, name: 'pageView', className: 'editor',
        onEscape: () => { this.close(shown); answer('close'); } });
      const note = element('div', 'summary', question.note);
      const text = element('textarea', 'editor-text');
      text.readOnly = true;
      text.wrap = 'off';
      const position = element('span', 'page-position', '');
      const bar = element('div', 'buttons');
      const [first, previous, next, last, close] = question.captions;
      bar.append(button(first, () => answer('first'), 'firstPage'), button(previous, () => answer('previous'), 'previousPage'),
        position, button(next, () => answer('next'), 'nextPage'), button(last, () => answer('last'), 'lastPage'),
        button(close, () => { this.close(shown); answer('close'); }, 'close'));
      shown.body.append(note, text, bar);
      Object.assign(shown, { text, position });
    }
    shown.text.value = question.text.replace(/\r\n/g, '\n');
    shown.text.scrollTop = 0;
    shown.position.textContent = ` ${question.page} ${question.pageOf} `;
    for (const [name, off] of [['firstPage', question.page === 1], ['previousPage', question.page === 1],
      ['nextPage', question.page === question.count], ['lastPage', question.page === question.count]]) {
      shown.body.querySelector(`[data-name="${name}"]`).disabled = off;
    }
  }

  // The note in the other language, if it is still open.
  retellNote(message) {
    if (this.note && this.stack.includes(this.note)) this.showNote(message);
  }

  // The note after a SOLVE: beside the dialog, a new one in place of the old.
  showNote({ title, text }) {
    this.close(this.note);
    const shown = this.open(title, { name: 'note', onEscape: () => this.close(shown) });
    const row = element('div', 'message-row');
    row.append(element('div', 'icon icon-information', 'i'), element('div', 'message-text', text));
    const bar = element('div', 'buttons');
    bar.append(button('OK', () => this.close(shown), 'ok'));
    shown.body.append(row, bar);
    this.note = shown;
  }

  // A Read, a SOLVE or an import: after half a second a window tells where it
  // stands, with Cancel for a run that may be stopped.
  runStarted({ cancellable, texts }) {
    const run = { cancellable, texts, shown: null, text: cancellable ? '' : texts.importing, fraction: null, stopping: false };
    run.timer = setTimeout(() => this.showProgress(run), kShowProgressAfter);
    this.run = run;
  }

  showProgress(run) {
    if (this.run !== run || run.shown) return;
    run.shown = this.open(run.texts.windowTitle, { name: 'progress', onEscape: () => this.cancelRun(), className: 'progress' });
    run.label = element('div', 'progress-text');
    run.bar = element('progress');
    run.bar.max = 1;
    run.shown.body.append(run.label, run.bar);
    if (run.cancellable) {
      run.cancel = button(run.texts.cancel, () => this.cancelRun(), 'cancel');
      const bar = element('div', 'buttons');
      bar.append(run.cancel);
      run.shown.body.append(bar);
    }
    this.updateProgress(run);
  }

  updateProgress(run) {
    if (!run.shown || run.stopping) return;
    run.label.textContent = run.text;
    if (run.fraction === null) run.bar.removeAttribute('value');
    else run.bar.value = run.fraction;
  }

  runProgress({ text, fraction }) {
    if (!this.run) return;
    Object.assign(this.run, { text, fraction });
    this.updateProgress(this.run);
  }

  cancelRun() {
    const run = this.run;
    if (!run || !run.cancellable || run.stopping) return;
    this.page.stop();
    run.stopping = true;
    if (run.shown) {
      run.label.textContent = run.texts.stopping;
      run.cancel.disabled = true;
    }
  }

  runEnded() {
    const run = this.run;
    if (!run) return;
    clearTimeout(run.timer);
    this.close(run.shown);
    this.run = null;
  }

  get running() { return this.run !== null; }

  // The convergence chart; an open one shows the new run.
  showChart(message) {
    if (!this.chart || !this.stack.includes(this.chart)) {
      this.chart = this.open(message.texts.windowTitle, { name: 'chart', onEscape: () => this.close(this.chart), className: 'chart-window' });
    }
    this.chart.caption.textContent = message.texts.windowTitle;
    this.chart.body.replaceChildren(convergenceChart(message));
  }

  // The relaxation explorer: one row per omega as the worker finishes it.
  explorerMessage(message) {
    if (message.op === 'open') {
      this.closeExplorer(false);
      const texts = message.texts;
      const explorer = { texts, rows: [], best: null, selected: -1, running: true };
      const shown = this.open(texts.windowTitle, { name: 'explorer', onEscape: () => this.closeExplorer(true), className: 'table-window' });
      explorer.shown = shown;
      explorer.table = table(['omega', texts.sweepAxis, texts.outcomeColumn, 'dx']);
      explorer.chart = element('div', 'chart-pane');
      explorer.status = element('span', 'status');
      explorer.stop = button(texts.stop, () => this.stopExplorer(), 'stop');
      explorer.use = button(texts.useOmega, () => this.page.send({ kind: 'explorerUse', row: explorer.selected }), 'useOmega');
      explorer.use.disabled = true;
      const panes = element('div', 'panes');
      const scroller = element('div', 'table-pane');
      scroller.append(explorer.table);
      panes.append(scroller, explorer.chart);
      const pastGrowth = element('label', 'past-growth');
      explorer.pastGrowth = element('input');
      explorer.pastGrowth.type = 'checkbox';
      explorer.pastGrowth.addEventListener('change', () => this.page.send({ kind: 'explorerPastGrowth', on: explorer.pastGrowth.checked }));
      pastGrowth.append(explorer.pastGrowth, document.createTextNode(` ${texts.pastGrowth}`));
      explorer.note = element('div', 'summary', texts.pastGrowthNote);
      explorer.note.hidden = true;
      const bar = element('div', 'buttons');
      bar.append(explorer.status, explorer.stop, explorer.use, button(texts.close, () => this.closeExplorer(true), 'close'));
      shown.body.append(pastGrowth, panes, explorer.note, bar);
      explorer.table.tBodies[0].addEventListener('click', (event) => {
        const row = event.target.closest('tr');
        if (row) this.selectExplorerRow(explorer, row.sectionRowIndex);
      });
      this.explorer = explorer;
      this.redrawExplorer();
      return;
    }
    const explorer = this.explorer;
    if (!explorer) return;
    if (message.op === 'restart') {
      Object.assign(explorer, { rows: [], best: null, running: true });
      explorer.table.tBodies[0].replaceChildren();
      explorer.note.hidden = true;
      explorer.status.textContent = '';
      explorer.stop.disabled = false;
      this.selectExplorerRow(explorer, -1);
    } else if (message.op === 'row') {
      explorer.rows.push(message);
      const row = addRow(explorer.table, [message.omegaText, String(message.sweeps), message.outcome, message.dx]);
      if (message.pastGrowth) {
        row.title = message.tip;
        explorer.note.hidden = false;
      }
      row.scrollIntoView({ block: 'nearest' });
    } else if (message.op === 'done') {
      explorer.running = false;
      explorer.stop.disabled = true;
      explorer.best = message.best;
      const mark = message.bestPastGrowth ? ' *' : '';
      explorer.status.textContent = message.best !== null ? `${explorer.texts.bestSeries}: ${message.best}${mark}` : explorer.texts.noBest;
      if (message.bestRow !== null) this.selectExplorerRow(explorer, message.bestRow);
    }
    this.redrawExplorer();
  }

  selectExplorerRow(explorer, index) {
    [...explorer.table.tBodies[0].rows].forEach((row, k) => row.classList.toggle('selected', k === index));
    explorer.selected = index;
    explorer.use.disabled = index < 0;
  }

  redrawExplorer() {
    const explorer = this.explorer;
    explorer.chart.replaceChildren(omegaChart(explorer.rows, explorer.best, explorer.texts));
  }

  stopExplorer() {
    if (this.explorer?.running) this.page.send({ kind: 'explorerStop' });
  }

  closeExplorer(tell) {
    if (!this.explorer) return;
    if (tell) this.stopExplorer();
    this.close(this.explorer.shown);
    this.explorer = null;
  }

  // The comparison: each method's rows as it ends, then the cond1 estimate
  // and the methods not run.
  comparisonMessage(message) {
    if (message.op === 'open') {
      if (this.comparison) this.close(this.comparison.shown);
      const texts = message.texts;
      const comparison = { texts, rows: [], running: true };
      const close = () => {
        if (comparison.running) this.page.stop();
        this.close(comparison.shown);
        if (this.comparison === comparison) this.comparison = null;
      };
      comparison.shown = this.open(texts.windowTitle, { name: 'comparison', onEscape: close, className: 'table-window' });
      comparison.table = table(texts.columns);
      comparison.chart = element('div', 'chart-pane');
      comparison.summary = element('div', 'summary');
      comparison.summary.hidden = true;
      comparison.status = element('span', 'status', texts.running);
      comparison.stop = button(texts.stop, () => { this.page.stop(); comparison.stop.disabled = true; }, 'stop');
      const results = element('div', 'table-pane');
      results.append(comparison.table, comparison.summary);
      const panes = element('div', 'panes');
      panes.append(results, comparison.chart);
      const bar = element('div', 'buttons');
      bar.append(comparison.status, comparison.stop, button(texts.close, close, 'close'));
      comparison.shown.body.append(panes, bar);
      this.comparison = comparison;
      comparison.chart.replaceChildren(comparisonChart([], texts));
      return;
    }
    const comparison = this.comparison;
    if (!comparison) return;
    if (message.op === 'rows') {
      for (const row of message.rows) {
        comparison.rows.push(row);
        addRow(comparison.table, row.cells);
      }
      comparison.chart.replaceChildren(comparisonChart(comparison.rows, comparison.texts));
    } else if (message.op === 'status') {
      if (comparison.running) comparison.status.textContent = message.text;
    } else if (message.op === 'done') {
      comparison.running = false;
      comparison.stop.disabled = true;
      comparison.status.textContent = message.status;
      comparison.summary.textContent = message.summary.join('\n');
      comparison.summary.hidden = message.summary.length === 0;
    }
  }

  // The steps of a run, one at a time: the worker keeps them and sends the
  // step the window moves to. The arrow keys, Home and End move too.
  stepsMessage(message) {
    if (message.op === 'open') {
      this.close(this.steps?.shown);
      const { texts, colours, columns, count } = message;
      const steps = { count, index: 0, columns };
      const close = () => {
        this.close(steps.shown);
        if (this.steps === steps) this.steps = null;
      };
      steps.shown = this.open(texts.title, { name: 'steps', onEscape: close, className: 'steps-window' });
      steps.shown.frame.style.setProperty('--pivot', colours.pivot);
      const legend = element('div', 'steps-legend', `${texts.legend}: `);
      for (const mark of ['pivot', 'searched', 'changed', 'used', 'stored', 'exchanged']) {
        const chip = element('span', `chip mark-${mark}`, texts[mark]);
        chip.style.setProperty('--colour', colours[mark]);
        legend.append(chip);
      }
      steps.sentence = element('div', 'steps-sentence');
      steps.table = element('table', 'steps-matrix');
      steps.colours = colours;
      const go = (index) => this.page.send({ kind: 'step', index: Math.max(0, Math.min(count - 1, index)) });
      steps.go = go;
      steps.slider = element('input');
      Object.assign(steps.slider, { type: 'range', min: '1', max: String(count), value: '1' });
      steps.slider.addEventListener('input', () => go(Number(steps.slider.value) - 1));
      steps.buttons = {
        first: button(texts.first, () => go(0), 'first'),
        previous: button(texts.previous, () => go(steps.index - 1), 'previous'),
        next: button(texts.next, () => go(steps.index + 1), 'next'),
        last: button(texts.last, () => go(count - 1), 'last'),
      };
      steps.position = element('span', 'steps-position');
      const navigation = element('div', 'buttons steps-navigation');
      navigation.append(steps.buttons.first, steps.buttons.previous, steps.slider, steps.buttons.next, steps.buttons.last, steps.position);
      const bottom = element('div', 'buttons');
      bottom.append(element('span', 'status steps-keys', texts.keys), button(texts.close, close, 'close'));
      const matrix = element('div', 'steps-matrix-pane');
      matrix.append(steps.table);
      steps.shown.body.append(legend, steps.sentence, matrix, navigation, bottom);
      steps.shown.onKey = (event) => {
        const to = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1 }[event.key];
        if (to !== undefined) go(steps.index + to);
        else if (event.key === 'Home') go(0);
        else if (event.key === 'End') go(count - 1);
        else return false;
        return true;
      };
      this.steps = steps;
      return;
    }
    const steps = this.steps;
    if (!steps || message.op !== 'step') return;
    steps.index = message.index;
    steps.sentence.textContent = message.sentence;
    steps.position.textContent = message.position;
    steps.slider.value = String(message.index + 1);
    steps.buttons.first.disabled = message.index === 0;
    steps.buttons.previous.disabled = message.index === 0;
    steps.buttons.next.disabled = message.index + 1 >= steps.count;
    steps.buttons.last.disabled = message.index + 1 >= steps.count;
    fillStepTable(steps, message.rows);
  }

  // A file dropped on the page while the file choice is open goes to it.
  takeDrop(given) {
    if (this.dropTarget && this.stack.some((shown) => shown.name === 'chooseFile')) {
      this.dropTarget(given);
      return true;
    }
    return false;
  }
}

function sameBytes(a, b) {
  if (a.length !== b.length) return false;
  for (let k = 0; k < a.length; k += 1) if (a[k] !== b[k]) return false;
  return true;
}

function table(columns) {
  const made = element('table', 'results');
  const head = made.createTHead().insertRow();
  for (const column of columns) head.append(element('th', '', column));
  made.createTBody();
  return made;
}

function addRow(made, cells) {
  const row = made.tBodies[0].insertRow();
  for (const cell of cells) row.insertCell().textContent = cell;
  return row;
}

// The page in headless Chromium: a user's actions on the main dialog and its
// windows, and what the page then holds, against the native program run on
// the same files (CORVANE_NATIVE) for the reports and the messages.
import { after, before, beforeEach, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chosen, control, drop as dropOnPage, dropLargeSystem, launch, serve, settle as settleOn } from './driver.mjs';

const folder = process.env.CORVANE_WEB_FOLDER;
const native = process.env.CORVANE_NATIVE;
const browserPath = process.env.CORVANE_CHROMIUM;

// Control ids of the main dialog.
const id = {
  system: 1006, inversion: 1007, condition: 1008, general: 1009, symmetric: 1010, invertEntries: 1011,
  dataFile: 1012, generated: 1013, generatorList: 1026,
  normList: 1031, printMatrix: 1015, printDeterminant: 1016, printIterations: 1036,
  checkMaximum: 1017, checkEquations: 1018, methodList: 1019, eps: 1032, nlim: 1033, omega: 1034,
  explorer: 1061, exit: 30001, open: 1021, path: 1025, read: 1024, order: 1027, solve: 30002, about: 1030,
  chart: 1060, compare: 1062, import: 1063, steps: 1064, romanian: 1043, english: 1044, select: 1020,
};
const kMethods = ['gauss', 'lu', 'cholesky', 'gauss-seidel', 'sor'];  // in the method list's order
const kNorms = ['inf', '1', '2', 'cond'];                             // in the norm list's order

const kThree = 'Trei ecuatii, doi termeni liberi\n3 2\n4 1 1\n1 5 2\n1 2 6\n6 8 9\n1 2 3\n';
const kSymmetricThree = 'Simetrica, doi termeni liberi\n3 2\n4 1 1\n5 2\n6\n6 8 9\n1 2 3\n';

// Each method once, with the problems and options around it; the arguments
// are the native command line's for the same choices.
const kSolves = [
  { name: 'gauss.dat', data: kThree, method: 'gauss', print: [id.printMatrix, id.printDeterminant], checkEach: true,
    args: ['--method', 'gauss', '--print-matrix', '--print-determinant', '--check', 'each'] },
  { name: 'lu-inverse.dat', data: kThree.replace(/\n/g, '\r\n').trimEnd(), method: 'lu', problem: id.inversion, invert: true,
    args: ['--problem', 'inverse', '--method', 'lu', '--invert-entries'] },
  { name: 'hilbert.dat', data: 'Hilbert 4, b = sumele liniilor\n4 1\n0\n2.083333 1.283333 0.95 0.7595238\n', method: 'gauss',
    generator: 0, print: [id.printMatrix], args: ['--generate', 'Hilbert', '--method', 'gauss', '--print-matrix'] },
  { name: 'cholesky.dat', data: kSymmetricThree, method: 'cholesky', matrix: id.symmetric, print: [id.printDeterminant],
    args: ['--matrix', 'symmetric', '--method', 'cholesky', '--print-determinant'] },
  { name: 'gauss-seidel.dat', data: kThree, method: 'gauss-seidel', print: [id.printIterations], eps: '1e-5', nlim: '50',
    args: ['--method', 'gauss-seidel', '--eps', '1e-5', '--nlim', '50', '--print-iterations'] },
  { name: 'sor.dat', data: kThree, method: 'sor', eps: '1e-5', nlim: '40', omega: '1.1',
    args: ['--method', 'sor', '--eps', '1e-5', '--nlim', '40', '--omega', '1.1'] },
  { name: 'condition.dat', data: kSymmetricThree, problem: id.condition, matrix: id.symmetric, norm: '1',
    args: ['--problem', 'condition', '--matrix', 'symmetric', '--norm', '1'] },
];

let server;
let browser;
let page;
let scratch;
const downloads = () => path.join(scratch, 'downloads');

// The native program on a copy of the data file: the file afterwards, and
// what it printed on standard error.
function nativeRun(command, name, data, args) {
  const file = path.join(scratch, 'native', name);
  mkdirSync(path.dirname(file), { recursive: true });
  writeFileSync(file, data);
  const run = spawnSync(native, [command, file, ...args], { encoding: 'buffer' });
  return { file: readFileSync(file), stdout: String(run.stdout), stderr: String(run.stderr), status: run.status };
}

const settle = () => settleOn(page);

async function click(which) {
  await page.click(control(which));
  await settle();
}

async function enabled(which) {
  return page.$eval(control(which), (root) => !root.classList.contains('disabled') && !root.disabled);
}

async function checked(which) {
  return page.$eval(control(which), (root) => (root.querySelector('input') || root).checked
    || root.getAttribute('aria-pressed') === 'true');
}

async function setChecked(which, on) {
  if ((await enabled(which)) && (await checked(which)) !== on) await click(which);
}

async function choose(which, index) {
  await page.$eval(control(which), (list, k) => {
    list.selectedIndex = k;
    list.dispatchEvent(new Event('change'));
  }, index);
  await settle();
}

async function type(which, text) {
  await page.$eval(control(which), (edit, value) => {
    edit.value = value;
    edit.dispatchEvent(new Event('input'));
  }, text);
  await settle();
}

const textOf = (which) => page.$eval(control(which), (root) => ('value' in root && root.tagName !== 'BUTTON' ? root.value : root.textContent));

// The message boxes open now, oldest first, each closed with OK.
async function takeMessages() {
  const shown = await page.$$eval('#windows [data-window="message"]', (frames) => frames.map((frame) => ({
    title: frame.querySelector('.title').textContent,
    text: frame.querySelector('.message-text').textContent,
  })));
  for (let k = 0; k < shown.length; k += 1) await page.click('#windows [data-window="message"] [data-name="ok"]');
  return shown;
}

async function noMessages(when) {
  assert.deepEqual(await takeMessages(), [], `no message expected ${when}`);
}

const drop = (name, bytes) => dropOnPage(page, name, bytes);

async function dropDataFile(name, data) {
  await drop(name, data);
  await chosen(page, name);
}

async function fileBytes(name) {
  const bytes = await page.evaluate((fileName) => {
    const content = window.corvanePage.folder.bytes(fileName);
    return content ? Array.from(content) : null;
  }, name);
  return bytes && Buffer.from(bytes);
}

// The dialog set as a case asks, as far as its controls allow now.
async function arrange(c) {
  await click(c.problem || id.system);
  await setChecked(c.matrix || id.general, true);
  await setChecked(c.generator === undefined ? id.dataFile : id.generated, true);
  await setChecked(id.invertEntries, Boolean(c.invert));
  if (c.generator !== undefined) await choose(id.generatorList, c.generator);
  for (const option of [id.printMatrix, id.printDeterminant, id.printIterations]) {
    await setChecked(option, (c.print || []).includes(option));
  }
  await setChecked(c.checkEach ? id.checkEquations : id.checkMaximum, true);
  if (c.method && await enabled(id.methodList)) await choose(id.methodList, kMethods.indexOf(c.method));
  if (c.norm && await enabled(id.normList)) await choose(id.normList, kNorms.indexOf(c.norm));
  for (const field of ['eps', 'nlim', 'omega']) if (c[field]) await type(id[field], c[field]);
}

async function openPage(url) {
  await page.goto(url);
  await page.waitForFunction(() => ['ready', 'failed'].includes(document.documentElement.dataset.state), { timeout: 60000 });
  assert.equal(await page.evaluate(() => document.documentElement.dataset.state), 'ready',
    await page.$eval('#notice', (notice) => notice.textContent));
}

describe('the page in Chromium', () => {
  let url;

  before(async () => {
    scratch = mkdtempSync(path.join(tmpdir(), 'corvane-page-'));
    mkdirSync(downloads());
    server = await serve(folder);
    url = server.url;
    browser = await launch(browserPath, path.join(scratch, 'profile'));
    page = await browser.newPage();
    page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
    page.on('dialog', (dialog) => dialog.accept());
    await page.setViewport({ width: 1500, height: 1000 });
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads(), eventsEnabled: true });
    await openPage(url);
  });

  // What a case that failed left open does not stand in the next one's way.
  beforeEach(async () => {
    await takeMessages();
    for (const close of await page.$$('#windows .window [data-name="closeBox"]')) await close.click().catch(() => {});
  });

  after(async () => {
    await browser?.close();
    server?.stop();
    if (scratch) rmSync(scratch, { recursive: true, force: true });
  });

  for (const c of kSolves) {
    it(`gives the native report: ${c.args.join(' ')}`, async () => {
      await arrange(c);
      await dropDataFile(c.name, c.data);
      await click(id.read);
      await noMessages('after Read');
      await arrange(c);
      await click(id.solve);
      await noMessages('after SOLVE');
      const expected = nativeRun('solve', c.name, c.data, c.args);
      assert.equal(expected.status, 0, expected.stderr);
      assert.equal(String(await fileBytes(c.name)), String(expected.file));
      assert.equal(await page.$eval('#report-text', (pane) => pane.textContent), String(expected.file));
      // The conditioning note beside the dialog gives the command line's estimate.
      const estimate = expected.stderr.match(/cond1\(A\) ~ (\S+):/);
      const note = await page.$('#windows [data-window="note"] .message-text');
      assert.equal(Boolean(note), Boolean(estimate), expected.stderr);
      if (estimate) assert.ok((await note.evaluate((text) => text.textContent)).includes(estimate[1]));
    });
  }

  it('opens a data file through the file choice and the browser\'s file picker', async () => {
    // Chromium's File System Access picker cannot be answered from a test:
    // the page falls back on a file input, as in a browser without that API.
    const file = path.join(scratch, 'picked.dat');
    writeFileSync(file, kThree);
    await page.evaluate(() => { delete window.showOpenFilePicker; });
    await page.click(control(id.select));
    const fromDisk = '#windows [data-window="chooseFile"] [data-name="fromDisk"]';
    await page.waitForSelector(fromDisk);
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click(fromDisk)]);
    await chooser.accept([file]);
    await chosen(page, 'picked.dat');
    assert.equal(String(await fileBytes('picked.dat')), kThree);
    await click(id.read);
    assert.equal(await textOf(id.order), '3');
  });

  it('saves the results file as a download with the bytes of the report', async () => {
    const c = kSolves[0];
    await arrange(c);
    await dropDataFile('saved.dat', c.data);
    await click(id.read);
    await click(id.solve);
    assert.ok(await page.$eval('#report-unsaved', (unsaved) => unsaved.textContent !== ''));
    await page.click('#report-save');
    const target = path.join(downloads(), 'saved.dat');
    for (let k = 0; k < 100 && !readdirSync(downloads(), { withFileTypes: true }).some((entry) => entry.name === 'saved.dat'); k += 1) {
      await new Promise((resolve) => { setTimeout(resolve, 100); });
    }
    assert.equal(String(readFileSync(target)), String(nativeRun('solve', 'saved.dat', c.data, c.args).file));
    assert.deepEqual(await page.evaluate(() => window.corvanePage.folder.unsaved().includes('saved.dat')), false);
  });

  it('keeps the working files over a reload, and asks before leaving unsaved reports', async () => {
    const before = await page.evaluate(() => window.corvanePage.folder.names());
    const unsaved = await page.evaluate(() => window.corvanePage.folder.unsaved().sort());
    assert.ok(unsaved.includes('gauss.dat'));
    const kept = await fileBytes('gauss.dat');
    await page.waitForFunction(() => window.corvanePage.folder.stored);
    const asked = [];
    const onDialog = (dialog) => asked.push(dialog.type());
    page.on('dialog', onDialog);
    await page.reload();
    page.off('dialog', onDialog);
    assert.deepEqual(asked, ['beforeunload']);
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 60000 });
    assert.deepEqual(await page.evaluate(() => window.corvanePage.folder.names()), before);
    assert.deepEqual(await page.evaluate(() => window.corvanePage.folder.unsaved().sort()), unsaved);
    assert.equal(String(await fileBytes('gauss.dat')), String(kept));
    // The reloaded dialog reads a kept file, chosen by its name.
    await page.click(control(id.select));
    await page.waitForSelector('#windows [data-window="chooseFile"] .file-name');
    await page.$eval('#windows [data-window="chooseFile"] .file-name', (name) => { name.value = 'sor.dat'; });
    await page.click('#windows [data-window="chooseFile"] [data-name="open"]');
    await settle();
    assert.equal(await textOf(id.path), 'sor.dat');
    await click(id.read);
    assert.equal(await textOf(id.order), '3');
  });

  it('draws the convergence chart, runs the explorer and the comparison', async () => {
    const c = kSolves.find((solve) => solve.method === 'sor');
    await arrange(c);
    await dropDataFile('charts.dat', c.data);
    await click(id.read);
    await click(id.solve);
    await click(id.chart);
    const chart = '#windows [data-window="chart"] svg';
    await page.waitForSelector(chart);
    assert.equal(await page.$$eval(`${chart} polyline.series[data-name="b1"]`, (lines) => lines.length), 1);
    assert.equal(await page.$$eval(`${chart} polyline.series[data-name="b2"]`, (lines) => lines.length), 1);
    assert.equal(await page.$$eval(`${chart} .end-marker`, (marks) => marks.length), 2);

    await click(id.explorer);
    const explorer = '#windows [data-window="explorer"]';
    await page.waitForFunction((which) => document.querySelector(`${which} [data-name="stop"]`)?.disabled, { timeout: 60000 }, explorer);
    // omega, sweeps and dx as the command line gives them (the outcome is
    // told in the dialog's language), with the runs stopped by the growth
    // test as the SOLVE's are, then past it.
    const rowsShown = () => page.$$eval(`${explorer} tbody tr`, (trs) => trs.map((tr) => [...tr.cells].map((cell) => cell.textContent)));
    const nativeRows = (extra) => {
      const native = nativeRun('omega', 'charts.dat', c.data, ['--eps', c.eps, '--nlim', c.nlim, ...extra]);
      assert.equal(native.status, 0, native.stderr);
      return String(native.stdout).trim().split('\n').map((line) => line.trim().split(/\s+/))
        .filter((cells) => /^[0-9.]+$/.test(cells[0])).map((cells) => [cells[0], cells[1], cells[3]]);
    };
    const pick = (rows) => rows.map((cells) => [cells[0], cells[1], cells[3]]);
    assert.deepEqual(pick(await rowsShown()), nativeRows([]));
    await page.click(`${explorer} .past-growth input`);
    await page.waitForFunction((which) => document.querySelector(`${which} [data-name="stop"]`)?.disabled, { timeout: 60000 }, explorer);
    assert.deepEqual(pick(await rowsShown()), nativeRows(['--past-growth']));
    assert.ok(await page.$(`${explorer} svg .best-marker`));
    await page.click(`${explorer} [data-name="useOmega"]`);
    await settle();
    const best = await page.$eval(`${explorer} tr.selected td`, (cell) => cell.textContent);
    assert.equal(await textOf(id.omega), best);
    await page.click(`${explorer} [data-name="close"]`);

    await click(id.compare);
    const comparison = '#windows [data-window="comparison"]';
    await page.waitForFunction((which) => document.querySelector(`${which} [data-name="stop"]`)?.disabled, { timeout: 60000 }, comparison);
    const methods = await page.$$eval(`${comparison} tbody tr`, (trs) => trs.map((tr) => tr.cells[0].textContent));
    assert.deepEqual([...new Set(methods)], kMethods);
    assert.ok((await page.$$eval(`${comparison} svg rect.bar`, (bars) => bars.length)) > 0);
    await page.click(`${comparison} [data-name="close"]`);
  });

  it('imports a Matrix Market file into a data file and reads it', async () => {
    const matrix = '%%MatrixMarket matrix coordinate real symmetric\n2 2 3\n1 1 4\n2 1 1\n2 2 3\n';
    await setChecked(id.general, true);
    await drop('spd.mtx', matrix);
    await chosen(page, 'spd.dat');
    await noMessages('after the import');
    // A system's right-hand side is made as A*(1,...,1).
    const expected = nativeRun('import', 'spd.mtx', matrix, ['--output', path.join(scratch, 'native', 'spd.dat'), '--rhs', 'ones']);
    assert.equal(expected.status, 0, expected.stderr);
    assert.equal(String(await fileBytes('spd.dat')), String(readFileSync(path.join(scratch, 'native', 'spd.dat'))));
    assert.equal(await textOf(id.order), '2');
  });

  it('edits the data file in the editor and writes it back with its own line ends', async () => {
    await dropDataFile('edited.dat', 'Doua\r\n2 1\r\n2 1\r\n1 3\r\n3 5\r\n');
    await page.click(control(id.open));
    const editor = '#windows [data-window="editor"]';
    await page.waitForSelector(`${editor} textarea`);
    await page.$eval(`${editor} textarea`, (area) => {
      area.value = area.value.replace('3 5', '3 4');
      area.dispatchEvent(new Event('input'));
    });
    await page.click(`${editor} [data-name="save"]`);
    await page.click(`${editor} [data-name="close"]`);
    await settle();
    assert.equal(String(await fileBytes('edited.dat')), 'Doua\r\n2 1\r\n2 1\r\n1 3\r\n3 4\r\n');
  });

  it('shows the working step by step as the command line writes it', async () => {
    const c = kSolves.find((solve) => solve.method === 'gauss');
    await arrange({ method: 'gauss' });
    await dropDataFile('steps.dat', c.data);
    await click(id.read);
    await page.click(control(id.steps));
    const window = '#windows [data-window="steps"]';
    await page.waitForSelector(`${window} .steps-position:not(:empty)`);
    // Each step: where it stands, its sentence, and each row's cells and note.
    const shown = [];
    for (;;) {
      await settle();
      shown.push(await page.$eval(window, (frame) => [
        frame.querySelector('.steps-position').textContent,
        frame.querySelector('.steps-sentence').textContent,
        ...[...frame.querySelectorAll('table.steps-matrix tr')].slice(1).map((row) => [...row.querySelectorAll('td:not(.rule)')]
          .map((cell) => cell.textContent).join(' ').trim()),
      ]));
      if (await page.$eval(`${window} [data-name="next"]`, (next) => next.disabled)) break;
      await page.click(`${window} [data-name="next"]`);
    }
    const written = nativeRun('steps', 'steps.dat', c.data, ['--method', 'gauss']);
    assert.equal(written.status, 0, written.stderr);
    const blocks = written.stdout.trim().split('\n\n').slice(1).map((block) => {
      const [position, sentence, header, ...rows] = block.split('\n');
      const columns = header.trim().split(/\s+/).filter((token) => token !== '|').length;
      return [position, sentence, ...rows.map((row) => {
        const tokens = row.trim().split(/\s+/).slice(1).filter((token) => token !== '|');
        const cells = tokens.slice(0, columns).map((token) => token.replace(/[[\]()*'^<>]/g, ''));
        return [...cells, ...tokens.slice(columns)].join(' ');
      })];
    });
    assert.deepEqual(shown, blocks);
    await page.keyboard.press('Home');
    await settle();
    assert.equal(await page.$eval(`${window} .steps-position`, (position) => position.textContent), shown[0][0]);
    await page.click(`${window} [data-name="close"]`);
  });

  it('switches the captions and the help windows to English and back', async () => {
    const cases = [
      { button: id.english, solve: 'SOLVE !', read: 'Read', select: 'Select', about: 'About Program', save: 'Save to disk', lang: 'en' },
      { button: id.romanian, solve: 'REZOLVA !', read: 'Citeste', select: 'Selecteaza', about: 'Despre program', save: 'Salveaza pe disc', lang: 'ro' },
    ];
    for (const c of cases) {
      await click(c.button);
      assert.equal(await textOf(id.solve), c.solve);
      assert.equal(await textOf(id.read), c.read);
      assert.equal(await textOf(id.select), c.select);
      assert.equal(await page.$eval('#report-save', (save) => save.textContent), c.save);
      assert.equal(await page.evaluate(() => document.documentElement.lang), c.lang);
      await page.click(control(id.about));
      await page.waitForSelector('#windows [data-window="about"]');
      assert.equal(await page.$eval('#windows [data-window="about"] .title', (title) => title.textContent), c.about);
      await page.keyboard.press('Escape');
      await settle();
      assert.equal(await page.$('#windows [data-window="about"]'), null);
    }
  });

  it('opens the help windows, and the generated matrices\' help file in the editor', async () => {
    for (const [button, window] of [[1022, 'dataFileHelp'], [1029, 'iterationHelp'], [id.about, 'about']]) {
      await page.click(control(button));
      const shown = `#windows [data-window="${window}"]`;
      await page.waitForSelector(shown);
      assert.notEqual(await page.$eval(`${shown} .template-body`, (body) => body.textContent.trim()), '');
      await page.keyboard.press('Escape');
      await settle();
      assert.equal(await page.$(shown), null);
    }
    await click(1013);  // a generated matrix
    await page.click(control(1023));
    await page.waitForSelector('#windows [data-window="message"]');
    const [created] = await takeMessages();
    assert.equal(created.title, 'Info');
    const editor = '#windows [data-window="editor"]';
    await page.waitForSelector(`${editor} textarea`);
    const name = created.text.split('\n')[1].replaceAll('"', '');
    assert.equal(await page.$eval(`${editor} textarea`, (area) => area.value), String(await fileBytes(name)).replace(/\r\n/g, '\n'));
    await page.click(`${editor} [data-name="close"]`);
    await settle();
    await click(id.dataFile);
  });

  it('loads again with the network gone, from what the service worker kept', async () => {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 30000 });
    await page.waitForFunction(() => window.corvanePage.folder.stored);
    await page.setOfflineMode(true);
    try {
      await page.reload();
      await page.waitForFunction(() => ['ready', 'failed'].includes(document.documentElement.dataset.state), { timeout: 60000 });
      assert.equal(await page.evaluate(() => document.documentElement.dataset.state), 'ready');
      assert.ok((await page.evaluate(() => window.corvanePage.folder.names())).includes('gauss.dat'));
    } finally {
      await page.setOfflineMode(false);
    }
  });

  it('saves the data-file help as a text file, downloaded from the page', async () => {
    const help = '#windows [data-window="dataFileHelp"]';
    await page.click(control(1022));
    await page.waitForSelector(`${help} [data-id="1036"]`);
    await page.click(`${help} [data-id="1036"]`);  // its Save
    const chooser = '#windows [data-window="chooseFile"]';
    await page.waitForSelector(`${chooser} .file-name`);
    const name = await page.$eval(`${chooser} .file-name`, (field) => field.value);
    assert.equal(name, 'Structura fisierului de intrare.txt');
    await page.click(`${chooser} [data-name="open"]`);
    await page.waitForSelector('#windows [data-window="question"] [data-name="yes"]');
    await page.click('#windows [data-window="question"] [data-name="yes"]');  // create it
    await page.waitForSelector('#windows [data-window="message"]');
    assert.deepEqual(await takeMessages(), [{ title: 'Fisier salvat', text: name }]);
    await page.keyboard.press('Escape');
    await settle();
    const target = path.join(downloads(), name);
    for (let k = 0; k < 100 && !readdirSync(downloads()).includes(name); k += 1) {
      await new Promise((resolve) => { setTimeout(resolve, 100); });
    }
    const saved = readFileSync(target);
    assert.ok(saved.length > 0);
    assert.equal(String(saved), String(await fileBytes(name)));
  });

  it('tells a malformed data file and a malformed Matrix Market file as the desktop does', async () => {
    const bad = 'Rau\n2 1\n1 x\n3 4\n5 6\n';
    await arrange({ method: 'gauss' });
    await dropDataFile('bad.dat', bad);
    await click(id.read);
    const expected = nativeRun('solve', 'bad.dat', bad, ['--method', 'gauss']);
    assert.deepEqual((await takeMessages()).map(({ title, text }) => `${title}: ${text}`), expected.stderr.trim().split('\n'));

    // An import fault is told in the interface language: in English, the
    // command line's words.
    const matrix = '%%MatrixMarket matrix coordinate complex general\n1 1 1\n1 1 1 1\n';
    await click(id.english);
    await drop('complex.mtx', matrix);
    await page.waitForSelector('#windows [data-window="message"]');
    await settle();
    const shown = await takeMessages();
    await click(id.romanian);
    assert.equal(shown.length, 1);
    assert.equal(shown[0].title, 'Error');
    const told = nativeRun('import', 'complex.mtx', matrix, ['--output', path.join(scratch, 'native', 'complex.dat')]);
    const reason = told.stderr.trim().replace(/^corvane: .*complex\.mtx: /, '');
    assert.match(reason, /^line 1: complex entries are not supported/);
    assert.ok(shown[0].text.includes(`complex.mtx: ${reason}`), `${shown[0].text} / ${reason}`);
    assert.equal(await fileBytes('complex.dat'), null);
  });

  it('shows the progress of a long SOLVE, and Cancel ends its report with the interruption line', async () => {
    // Gauss on a matrix of this order lasts some seconds.
    const order = 3000;
    const c = { method: 'gauss' };
    await arrange(c);
    await dropLargeSystem(page, 'long.dat', order);
    await chosen(page, 'long.dat');
    // Some MB: kept and compared in the page.
    await page.evaluate(() => { window.dataAsDropped = window.corvanePage.folder.bytes('long.dat').slice(); });
    await click(id.read);
    await noMessages('after Read');
    assert.equal(await textOf(id.order), String(order));
    await arrange(c);
    await page.click(control(id.solve));
    const progress = '#windows [data-window="progress"]';
    await page.waitForSelector(`${progress} [data-name="cancel"]`, { timeout: 60000 });
    await page.waitForFunction((which) => /\d/.test(document.querySelector(which)?.textContent || ''), {}, `${progress} .progress-text`);
    assert.equal(await page.evaluate(() => document.documentElement.dataset.state), 'running');
    await page.click(`${progress} [data-name="cancel"]`);
    await settle();
    assert.equal(await page.$(progress), null);
    const [dataKept, report] = await page.evaluate(() => {
      const data = window.dataAsDropped;
      const bytes = window.corvanePage.folder.bytes('long.dat');
      return [data.every((value, k) => bytes[k] === value), new TextDecoder().decode(bytes.subarray(data.length))];
    });
    assert.ok(dataKept, 'the data stay as they were');
    assert.match(report, /\n \* Rulare intrerupta\.\r?\n$/);
  });

  it('ends with IESIRE, the working files kept, and starts again', async () => {
    const names = await page.evaluate(() => window.corvanePage.folder.names());
    await page.click(control(id.exit));
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ended');
    assert.ok(await page.$eval('#notice', (notice) => !notice.hidden && notice.querySelector('button') !== null));
    await page.waitForFunction(() => window.corvanePage.folder.stored);
    await page.click('#notice button');
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 60000 });
    assert.deepEqual(await page.evaluate(() => window.corvanePage.folder.names()), names);
  });
});

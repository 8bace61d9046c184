// The page's worker: the dialog's controller (corvane-page.wasm) with the
// working folder /work in memory. Everything the controller shows goes to the
// page as messages; a window the desktop shows modally is a question that
// this worker waits on (Atomics.wait on the buffer shared with the page) until
// the page answers. The answer itself comes as a blob the page made, read here
// with a synchronous request, so that it may carry a whole file.
'use strict';
importScripts('corvane-page.js');

const kAnswerReady = 0;  // Int32 slots of the shared buffer
const kStop = 1;
const kUrlLength = 2;
const kUrlOffset = 16;   // bytes: where the answer's blob URL is written
const kFolder = '/work';

let flags = null;
let urlBytes = null;
let program = null;
const tracked = new Map();  // file name -> { id, size } as the page has it
const changedFrom = new Map();  // file node id -> first byte written since the last sync

function post(message, transfer = []) { postMessage(message, transfer); }

function ask(questionText, bytes) {
  syncFiles();  // the page shows the working folder as it is now
  Atomics.store(flags, kAnswerReady, 0);
  const copy = bytes.length ? bytes.slice() : null;
  post({ t: 'ask', question: JSON.parse(questionText), bytes: copy }, copy ? [copy.buffer] : []);
  Atomics.wait(flags, kAnswerReady, 0);
  const url = new TextDecoder().decode(urlBytes.slice(0, Atomics.load(flags, kUrlLength)));
  const request = new XMLHttpRequest();
  request.open('GET', url, false);
  request.responseType = 'arraybuffer';
  request.send();
  post({ t: 'answered', url });
  const whole = new Uint8Array(request.response);
  const textLength = new DataView(whole.buffer).getUint32(0, true);
  const answer = JSON.parse(new TextDecoder().decode(whole.subarray(4, 4 + textLength)));
  const answerBytes = whole.slice(4 + textLength);
  if (answer.putFile) {  // a file from the user's disk, chosen into the working folder
    putFile(answer.putFile, answerBytes);
    return { json: JSON.stringify(answer), bytes: new Uint8Array(0) };
  }
  return { json: JSON.stringify(answer), bytes: answerBytes };
}

function nodeOf(name) {
  try {
    return program.FS.lookupPath(`${kFolder}/${name}`).node;
  } catch (missing) {
    return null;
  }
}

// A file the page already has: written without being sent back.
function putFile(name, bytes) {
  program.FS.writeFile(`${kFolder}/${name}`, bytes);
  const node = nodeOf(name);
  changedFrom.delete(node.id);
  tracked.set(name, { id: node.id, size: bytes.length });
}

// Every write and every cut of a file in memory is noted by its first byte,
// so that a growing report is sent by its new bytes alone.
function watchWrites() {
  const probe = `${kFolder}/.probe`;
  program.FS.writeFile(probe, '');
  const node = program.FS.lookupPath(probe).node;
  const streamOps = node.stream_ops;
  const nodeOps = node.node_ops;
  program.FS.unlink(probe);
  const note = (file, from) => {
    const before = changedFrom.get(file.id);
    changedFrom.set(file.id, before === undefined ? from : Math.min(before, from));
  };
  const write = streamOps.write;
  streamOps.write = function (stream, buffer, offset, length, position, canOwn) {
    note(stream.node, position);
    return write.call(this, stream, buffer, offset, length, position, canOwn);
  };
  const setattr = nodeOps.setattr;
  nodeOps.setattr = function (file, attributes) {
    if (attributes.size !== undefined) note(file, attributes.size);
    return setattr.call(this, file, attributes);
  };
}

// Sends the page what changed in the working folder since the last time.
function syncFiles() {
  const { FS } = program;
  const names = FS.readdir(kFolder).filter((name) => name !== '.' && name !== '..');
  for (const name of names) {
    const node = nodeOf(name);
    if (!node || !FS.isFile(node.mode)) continue;
    const known = tracked.get(name);
    let from;
    if (!known || known.id !== node.id) from = 0;
    else if (changedFrom.has(node.id)) from = Math.min(changedFrom.get(node.id), known.size);
    else continue;
    changedFrom.delete(node.id);
    const size = node.usedBytes;
    const bytes = node.contents ? Uint8Array.from(node.contents.subarray(from, size)) : new Uint8Array(0);
    tracked.set(name, { id: node.id, size });
    post({ t: 'file', name, from, size, bytes }, [bytes.buffer]);
  }
  for (const name of [...tracked.keys()]) {
    if (!names.includes(name)) {
      tracked.delete(name);
      post({ t: 'removed', name });
    }
  }
}

// The program loads from the worker's start on, while the page reads its
// files; the page's start message brings them and the shared buffer.
const loading = createCorvanePage({
  print: (text) => console.log(text),
  printErr: (text) => console.warn(text),
  pagePost: (text) => post(JSON.parse(text)),
  pageAsk: ask,
  pageStopRequested: () => Atomics.load(flags, kStop) !== 0,
  pageClearStop: () => Atomics.store(flags, kStop, 0),
  pageSyncFiles: () => syncFiles(),
});

function start(message) {
  flags = new Int32Array(message.shared, 0, 4);
  urlBytes = new Uint8Array(message.shared, kUrlOffset);
  loading.then((loaded) => {
    program = loaded;
    program.FS.mkdir(kFolder);
    program.FS.chdir(kFolder);
    watchWrites();
    for (const file of message.files) putFile(file.name, file.bytes);
    program._corvane_page_start();
    syncFiles();
  }, (error) => post({ t: 'failed', text: String(error) }));
}

onmessage = ({ data }) => {
  switch (data.t) {
    case 'start': start(data); break;
    case 'event':
      try {
        program.ccall('corvane_page_event', null, ['string'], [JSON.stringify(data.event)]);
      } finally {
        post({ t: 'handled' });
      }
      break;
    case 'removeFile':
      if (nodeOf(data.name)) program.FS.unlink(`${kFolder}/${data.name}`);
      tracked.delete(data.name);
      break;
    default: break;
  }
};

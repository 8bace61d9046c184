// The working folder as the page keeps it: every file of the worker's /work
// with its bytes, kept in the browser's IndexedDB so that a reload finds it
// again, whether it changed since it came from the user's disk or was last
// saved there, and the file handle to write it back where the browser gives
// one (the File System Access API). Saving writes through that handle, or
// else offers the file as a download.

const kDatabase = 'corvane';
const kStore = 'files';
const kStoreDelay = 200;  // ms: a file that goes on changing is stored once it rests

function request(operation) {
  return new Promise((resolve, reject) => {
    operation.onsuccess = () => resolve(operation.result);
    operation.onerror = () => reject(operation.error);
  });
}

async function openDatabase() {
  const opening = indexedDB.open(kDatabase, 1);
  opening.onupgradeneeded = () => opening.result.createObjectStore(kStore, { keyPath: 'name' });
  return request(opening);
}

// A file's bytes in a buffer that grows by doubling, so that a report that
// grows by small pieces is not copied whole each time; a file starts with
// room for a report after it (up to 1 MB), so that a SOLVE on a large data
// file does not copy it on the page's thread.
class GrowingBytes {
  constructor(bytes = new Uint8Array(0)) {
    this.buffer = new Uint8Array(Math.max(1024, bytes.length + Math.min(bytes.length, 1 << 20)));
    this.buffer.set(bytes);
    this.size = bytes.length;
  }

  replaceFrom(from, bytes) {
    const size = from + bytes.length;
    if (size > this.buffer.length) {
      const larger = new Uint8Array(Math.max(size, this.buffer.length * 2));
      larger.set(this.buffer.subarray(0, from));
      this.buffer = larger;
    }
    this.buffer.set(bytes, from);
    this.size = size;
  }

  get bytes() { return this.buffer.subarray(0, this.size); }
}

export class WorkingFolder {
  constructor() {
    this.files = new Map();   // name -> { content: GrowingBytes, unsaved, handle }
    this.listeners = [];      // (name, from) after a change; from -1 when removed
    this.timers = new Map();
    this.pendingStores = new Set();
    this.database = null;
    this.held = false;
  }

  // While a run writes its report, the files are stored only after it: a
  // copy of a few MB for the browser's storage is no work for the page's
  // thread while the user watches the run.
  holdStores(on) {
    this.held = on;
    if (!on) for (const name of this.pendingStores) this.scheduleStore(name);
  }

  async open() {
    try {
      this.database = await openDatabase();
      const stored = await request(this.database.transaction(kStore).objectStore(kStore).getAll());
      for (const file of stored) {
        const bytes = new Uint8Array(await file.bytes.arrayBuffer());
        this.files.set(file.name, { content: new GrowingBytes(bytes), unsaved: file.unsaved, handle: file.handle || null });
      }
    } catch (unavailable) {
      this.database = null;  // a browser without storage: the folder lasts as long as the page
    }
  }

  names() { return [...this.files.keys()].sort(); }
  has(name) { return this.files.has(name); }
  bytes(name) { return this.files.has(name) ? this.files.get(name).content.bytes : null; }
  unsaved() { return [...this.files.entries()].filter(([, file]) => file.unsaved).map(([name]) => name); }
  onChange(listener) { this.listeners.push(listener); }

  // All files, for the worker at its start.
  list() { return this.names().map((name) => ({ name, bytes: this.bytes(name).slice() })); }

  // A change the worker made (a report written, the editor's save, ...).
  apply(name, from, size, bytes) {
    let file = this.files.get(name);
    if (!file) {
      file = { content: new GrowingBytes(), unsaved: false, handle: null };
      this.files.set(name, file);
    }
    file.content.replaceFrom(from, bytes);
    if (file.content.size !== size) file.content.size = size;
    file.unsaved = true;
    this.changed(name, from);
  }

  // A file from the user's disk: the same bytes as there, so nothing unsaved.
  put(name, bytes, handle = null) {
    this.files.set(name, { content: new GrowingBytes(bytes), unsaved: false, handle });
    this.changed(name, 0);
  }

  remove(name) {
    if (!this.files.delete(name)) return;
    this.listeners.forEach((listener) => listener(name, -1));
    if (this.database) {
      this.database.transaction(kStore, 'readwrite').objectStore(kStore).delete(name);
    }
  }

  changed(name, from) {
    this.listeners.forEach((listener) => listener(name, from));
    this.scheduleStore(name);
  }

  scheduleStore(name) {
    if (!this.database) return;
    clearTimeout(this.timers.get(name));
    this.timers.delete(name);
    this.pendingStores.add(name);
    if (!this.held) this.timers.set(name, setTimeout(() => this.store(name), kStoreDelay));
  }

  async store(name) {
    this.timers.delete(name);
    const file = this.files.get(name);
    if (!file || !this.database) {
      this.pendingStores.delete(name);
      return;
    }
    // As a Blob: the browser keeps its bytes aside, where an ArrayBuffer of
    // a few MB would be serialised on this thread.
    const record = { name, bytes: new Blob([file.content.bytes]), unsaved: file.unsaved, handle: file.handle };
    const transaction = this.database.transaction(kStore, 'readwrite');
    try {
      transaction.objectStore(kStore).put(record);
    } catch (notStorable) {  // a handle some browser cannot store
      record.handle = null;
      transaction.objectStore(kStore).put(record);
    }
    await new Promise((resolve) => { transaction.oncomplete = resolve; transaction.onerror = resolve; });
    if (!this.timers.has(name)) this.pendingStores.delete(name);
  }

  // Whether every change has reached the browser's storage.
  get stored() { return this.pendingStores.size === 0; }

  // Writes the file to the user's disk: through its handle when the browser
  // gave one, else as a download. Returns how it was saved, or null when the
  // user refused the browser's permission.
  async save(name) {
    const file = this.files.get(name);
    if (!file) return null;
    const bytes = file.content.bytes.slice();
    let how = 'download';
    if (file.handle && file.handle.createWritable) {
      try {
        if ((await file.handle.requestPermission({ mode: 'readwrite' })) !== 'granted') return null;
        const writable = await file.handle.createWritable();
        await writable.write(bytes);
        await writable.close();
        how = 'handle';
      } catch (failed) {
        how = 'download';
      }
    }
    if (how === 'download') download(name, bytes);
    file.unsaved = false;
    this.scheduleStore(name);
    this.listeners.forEach((listener) => listener(name, null));
    return how;
  }
}

export function download(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// Reads files the user gave (a file picker or a drop) as { name, bytes, handle }.
export async function readGivenFile(file, handle = null) {
  return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()), handle };
}

// The command line under node: `node corvane.mjs solve FILE --method lu ...`
// takes the native program's arguments, reads and writes the real files and
// ends with its exit status. The program (corvane-node.js, WebAssembly) runs
// in a worker thread, so that this thread can take Ctrl-C while it computes:
// the first asks the run to stop at its next step (status 130, the report
// ends with the interruption line), a second ends everything at once.
import { Worker, isMainThread, parentPort, workerData } from 'node:worker_threads';
import { createRequire } from 'node:module';
import { fstatSync, readFileSync } from 'node:fs';
import { isatty } from 'node:tty';

const kInterrupted = 130;

if (isMainThread) {
  const interrupt = new Int32Array(new SharedArrayBuffer(4));
  const worker = new Worker(new URL(import.meta.url), {
    workerData: { args: process.argv.slice(2), interrupt },
  });
  let interrupts = 0;
  process.on('SIGINT', () => {
    if (interrupts++ === 0) Atomics.store(interrupt, 0, 1);
    else process.exit(kInterrupted);
  });
  worker.on('error', (error) => {
    process.stderr.write(`corvane: ${error && error.stack ? error.stack : error}\n`);
    process.exit(1);
  });
  // The worker ends with the program's exit status.
  worker.on('exit', (status) => process.exit(status));
} else {
  const createCorvane = createRequire(import.meta.url)('./corvane-node.js');
  createCorvane({
    arguments: workerData.args,
    // Read here: the module would fetch() its file path, which node refuses.
    wasmBinary: readFileSync(new URL('./corvane-node.wasm', import.meta.url)),
    interruptRequested: () => Atomics.load(workerData.interrupt, 0),
    preRun: [(module) => {
      Object.assign(module.ENV, process.env);
      const { FS } = module;
      // Pipes and devices take no file position (writing at one fails).
      const open = FS.open;
      FS.open = (...args) => {
        const stream = open(...args);
        if (!fstatSync(stream.nfd).isFile()) stream.seekable = false;
        return stream;
      };
      // At its end the program closes its files; standard input, output and
      // error are the process's own and stay open for the main thread.
      const close = FS.close;
      FS.close = (stream) => (stream.fd <= 2 ? undefined : close(stream));
    }],
    onRuntimeInitialized() {
      // Standard input, output and error as they really are: a terminal or
      // not, and (for fstat) the file each one is.
      ['/dev/stdin', '/dev/stdout', '/dev/stderr'].forEach((path, fd) => {
        const stream = this.FS.streams[fd];
        stream.tty = isatty(fd);
        stream.path = path;
      });
    },
    quit: (status) => process.exit(status),
  }).catch((error) => {
    process.stderr.write(`corvane: ${error && error.stack ? error.stack : error}\n`);
    process.exit(1);
  });
}

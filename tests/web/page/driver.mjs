// Driving the page in headless Chromium, for its test, its benchmark and its
// screenshot: the page's folder served by web/serve.py, the system's browser
// through puppeteer-core, and a user's files dropped on the page.
import { spawn } from 'node:child_process';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');
const serveScript = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../../../web/serve.py');

// Serves `folder` on a free port of 127.0.0.1: its address, and how to stop.
export async function serve(folder) {
  const server = spawn('python3', [serveScript, folder, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  const url = await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.stdout.once('data', (line) => resolve(String(line).match(/http:\/\/\S+\//)[0]));
  });
  return { url, stop: () => server.kill() };
}

export function launch(executablePath, userDataDir) {
  return puppeteer.launch({ executablePath, headless: true, userDataDir, args: ['--no-sandbox', '--no-first-run', '--disable-gpu'] });
}

export const control = (which) => `#main-dialog [data-id="${which}"]`;

// Until the worker has taken every action sent and no run is on.
export async function settle(page, timeout = 120000) {
  await page.waitForFunction(() => {
    const { pending = '0', state } = document.documentElement.dataset;
    return pending === '0' && state === 'ready';
  }, { timeout });
}

// A file from the user's disk dropped on the page: the dialog takes it as its
// data file (Select), or imports it (a .mtx).
export async function drop(page, name, content) {
  await page.evaluate((fileName, text) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([text], fileName));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, name, content);
}

// A data file with a diagonally dominant system of this order and one
// right-hand side, made in the page (some MB of text) and dropped on it.
export async function dropLargeSystem(page, name, order) {
  await page.evaluate((fileName, n) => {
    const parts = [`Sistem mare\n${n} 1\n`];
    for (let i = 0; i < n; i += 1) {
      const row = new Array(n).fill(0);
      row[i] = 4;
      row[(i * 7 + 3) % n] += 1;
      parts.push(`${row.join(' ')}\n`);
    }
    parts.push(`${new Array(n).fill(1).join(' ')}\n`);
    const transfer = new DataTransfer();
    transfer.items.add(new File(parts, fileName));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, name, order);
}

// Until the dialog shows this file as its data file.
export async function chosen(page, name) {
  await page.waitForFunction((which, fileName) => document.querySelector(which)?.value === fileName, {}, control(1025), name);
  await settle(page);
}

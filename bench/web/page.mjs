// The page's own figures, in headless Chromium: the first load from
// localhost (a new profile: nothing cached) until the dialog is ready, the
// bytes it downloaded, and the longest main-thread task (the browser's Long
// Tasks API) while a Gauss SOLVE of order 2000 runs in the worker.
// Usage: node bench/web/page.mjs BUILD_WEB_FOLDER [CHROMIUM]
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { stat } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');
const [folder, browserPath = '/usr/bin/chromium'] = process.argv.slice(2);
const serveScript = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../../web/serve.py');
const kOrder = 2000;

const server = spawn('python3', [serveScript, folder, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
const url = await new Promise((resolve) => {
  server.stdout.once('data', (line) => resolve(String(line).match(/http:\/\/\S+\//)[0]));
});
const profile = mkdtempSync(path.join(tmpdir(), 'corvane-bench-page-'));
const browser = await puppeteer.launch({ executablePath: browserPath, headless: true, userDataDir: profile, args: ['--no-sandbox'] });
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1500, height: 1000 });
  await page.evaluateOnNewDocument(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.longTasks.push({ start: entry.startTime, duration: entry.duration });
    }).observe({ type: 'longtask', buffered: true });
  });
  const started = Date.now();
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 60000 });
  const loaded = Date.now() - started;
  // What the first load fetches is what the service worker keeps: the page's
  // files, sent as they are.
  const files = await page.evaluate(async () => {
    const names = new Set();
    for (const name of await caches.keys()) for (const request of await (await caches.open(name)).keys()) names.add(request.url);
    return [...names];
  });
  const sizes = await Promise.all(files.map((file) => stat(path.join(folder, new URL(file).pathname))));
  const downloaded = sizes.filter((entry) => entry.isFile()).reduce((sum, entry) => sum + entry.size, 0);
  const marks = await page.evaluate(() => performance.getEntriesByType('mark').map((mark) => `${mark.name} ${mark.startTime.toFixed(0)} ms`));
  console.log(`first load until the dialog is ready: ${loaded} ms (${marks.join(', ')})`);
  console.log(`downloaded: ${(downloaded / 1024).toFixed(0)} KiB in ${files.length} files`);

  // A diagonally dominant system of order kOrder, dropped on the page, Read.
  await page.evaluate((n) => {
    const parts = [`Bench\n${n} 1\n`];
    for (let i = 0; i < n; i += 1) {
      const row = new Array(n).fill(0);
      row[i] = 4;
      row[(i * 7 + 3) % n] += 1;
      parts.push(`${row.join(' ')}\n`);
    }
    parts.push(`${new Array(n).fill(1).join(' ')}\n`);
    const transfer = new DataTransfer();
    transfer.items.add(new File(parts, 'bench.dat'));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, kOrder);
  const idle = () => page.waitForFunction(() => {
    const { pending = '0', state } = document.documentElement.dataset;
    return pending === '0' && state === 'ready';
  }, { timeout: 600000 });
  await page.waitForFunction(() => document.querySelector('#main-dialog [data-id="1025"]').value === 'bench.dat');
  await idle();
  await page.$eval('#main-dialog [data-id="1019"]', (list) => {
    list.selectedIndex = 0;
    list.dispatchEvent(new Event('change'));
  });
  await page.click('#main-dialog [data-id="1024"]');
  await idle();
  const from = await page.evaluate(() => performance.now());
  await page.click('#main-dialog [data-id="30002"]');
  await idle();
  const until = await page.evaluate(() => performance.now());
  const tasks = await page.evaluate((a, b) => window.longTasks.filter((task) => task.start >= a && task.start <= b), from, until);
  const longest = Math.max(0, ...tasks.map((task) => task.duration));
  console.log(`Gauss SOLVE of order ${kOrder}: ${(until - from).toFixed(0)} ms; main-thread tasks over 50 ms: ${tasks.length}, longest ${longest.toFixed(0)} ms`);
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, { recursive: true, force: true });
}

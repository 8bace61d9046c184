// The page's own figures, in headless Chromium: the first load from
// localhost (a new profile: nothing cached) until the dialog is ready, the
// bytes it downloaded, and the longest main-thread task (the browser's Long
// Tasks API) while a Gauss SOLVE of order 2000 runs in the worker.
// Usage: node bench/web/page.mjs BUILD_WEB_FOLDER [CHROMIUM]
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { stat } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chosen, control, dropLargeSystem, launch, serve, settle } from '../../tests/web/page/driver.mjs';

const [folder, browserPath = '/usr/bin/chromium'] = process.argv.slice(2);
const kOrder = 2000;

const server = await serve(folder);
const profile = mkdtempSync(path.join(tmpdir(), 'corvane-bench-page-'));
const browser = await launch(browserPath, profile);
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
  await page.goto(server.url);
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', { timeout: 60000 });
  const loaded = Date.now() - started;
  // What the first load fetches is what the service worker keeps: the page's
  // files (offline-files.js lists them), sent as they are.
  const listed = readFileSync(path.join(folder, 'offline-files.js'), 'utf8').match(/\[(.*)\]/)[1];
  const files = [...new Set([...listed.matchAll(/'([^']+)'/g)].map(([, name]) => (name === './' ? 'index.html' : name)))];
  files.push('offline-files.js', 'service-worker.js');
  const sizes = await Promise.all(files.map((file) => stat(path.join(folder, file))));
  const downloaded = sizes.reduce((sum, entry) => sum + entry.size, 0);
  const marks = await page.evaluate(() => performance.getEntriesByType('mark').map((mark) => `${mark.name} ${mark.startTime.toFixed(0)} ms`));
  console.log(`first load until the dialog is ready: ${loaded} ms (${marks.join(', ')})`);
  console.log(`downloaded: ${(downloaded / 1024).toFixed(0)} KiB in ${files.length} files`);

  // A diagonally dominant system of order kOrder, dropped on the page, Read.
  await dropLargeSystem(page, 'bench.dat', kOrder);
  await chosen(page, 'bench.dat');
  await page.$eval(control(1019), (list) => {
    list.selectedIndex = 0;
    list.dispatchEvent(new Event('change'));
  });
  await page.click(control(1024));
  await settle(page, 600000);
  const from = await page.evaluate(() => performance.now());
  await page.click(control(30002));
  await settle(page, 600000);
  const until = await page.evaluate(() => performance.now());
  const tasks = await page.evaluate((a, b) => window.longTasks.filter((task) => task.start >= a && task.start <= b), from, until);
  const longest = Math.max(0, ...tasks.map((task) => task.duration));
  console.log(`Gauss SOLVE of order ${kOrder}: ${(until - from).toFixed(0)} ms; main-thread tasks over 50 ms: ${tasks.length}, longest ${longest.toFixed(0)} ms`);
} finally {
  await browser.close();
  server.stop();
  rmSync(profile, { recursive: true, force: true });
}

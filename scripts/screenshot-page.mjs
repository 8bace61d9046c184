// Takes docs/page.png: the page in headless Chromium after a Gauss-Seidel
// SOLVE of examples/system3.txt, with its report and convergence chart.
// Usage (after scripts/web --build): node scripts/screenshot-page.mjs [CHROMIUM]
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');
const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..');
const browserPath = process.argv[2] || '/usr/bin/chromium';
const example = 'system3.txt';

const server = spawn('python3', [path.join(root, 'web/serve.py'), path.join(root, 'build-web'), '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
const url = await new Promise((resolve) => {
  server.stdout.once('data', (line) => resolve(String(line).match(/http:\/\/\S+\//)[0]));
});
const profile = mkdtempSync(path.join(tmpdir(), 'corvane-screenshot-'));
const browser = await puppeteer.launch({ executablePath: browserPath, headless: true, userDataDir: profile, args: ['--no-sandbox'] });
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1720, height: 1020 });
  await page.goto(url);
  const idle = () => page.waitForFunction(() => {
    const { pending = '0', state } = document.documentElement.dataset;
    return pending === '0' && state === 'ready';
  }, { timeout: 60000 });
  await idle();
  const control = (id) => `#main-dialog [data-id="${id}"]`;
  await page.evaluate((name, text) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([text], name));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, example, readFileSync(path.join(root, 'examples', example), 'utf8'));
  await page.waitForFunction((which, name) => document.querySelector(which).value === name, {}, control(1025), example);
  await idle();
  await page.$eval(control(1019), (list) => {
    list.selectedIndex = 3;  // Gauss-Seidel
    list.dispatchEvent(new Event('change'));
  });
  await idle();
  for (const [id, text] of [[1032, '1e-6'], [1033, '60']]) {
    await page.$eval(control(id), (edit, value) => {
      edit.value = value;
      edit.dispatchEvent(new Event('input'));
    }, text);
    await idle();
  }
  for (const id of [1024, 30002, 1060]) {
    await page.click(control(id));
    await idle();
  }
  await page.screenshot({ path: path.join(root, 'docs/page.png') });
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, { recursive: true, force: true });
}

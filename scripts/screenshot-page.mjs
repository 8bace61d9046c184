// Takes docs/page.png: the page in headless Chromium after a Gauss-Seidel
// SOLVE of examples/system3.txt, with its report and convergence chart.
// Usage (after scripts/web --build): node scripts/screenshot-page.mjs [CHROMIUM]
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chosen, control, drop, launch, serve, settle } from '../tests/web/page/driver.mjs';

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..');
const browserPath = process.argv[2] || '/usr/bin/chromium';
const example = 'system3.txt';

const server = await serve(path.join(root, 'build-web'));
const profile = mkdtempSync(path.join(tmpdir(), 'corvane-screenshot-'));
const browser = await launch(browserPath, profile);
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1720, height: 1020 });
  await page.goto(server.url);
  await settle(page);
  await drop(page, example, readFileSync(path.join(root, 'examples', example), 'utf8'));
  await chosen(page, example);
  await page.$eval(control(1019), (list) => {
    list.selectedIndex = 3;  // Gauss-Seidel
    list.dispatchEvent(new Event('change'));
  });
  await settle(page);
  for (const [id, text] of [[1032, '1e-6'], [1033, '60']]) {
    await page.$eval(control(id), (edit, value) => {
      edit.value = value;
      edit.dispatchEvent(new Event('input'));
    }, text);
    await settle(page);
  }
  for (const id of [1024, 30002, 1060]) {
    await page.click(control(id));
    await settle(page);
  }
  await page.screenshot({ path: path.join(root, 'docs/page.png') });
} finally {
  await browser.close();
  server.stop();
  rmSync(profile, { recursive: true, force: true });
}

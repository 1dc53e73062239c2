// The page of `lsys view` in Debian's Chromium (headless, software rendering), driven by
// puppeteer-core, against the real server on an ephemeral loopback port: the page is ready
// with the plant's segment count, the canvas shows it, a save changes the count, and a broken
// file shows its diagnostic as an error while the plant and its count stay. Small plants: the
// software renderer is slow.
// Usage: node view_browser_test.mjs LSYS CHROMIUM NODE_MODULES_DIR SCREENSHOT.png
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { ViewServer, save } from './view_support.mjs';

const [lsys, chromium, nodeModules, screenshot] = process.argv.slice(2);
if (!fs.existsSync(chromium)) {
  console.log('skipped: no Chromium (Debian package chromium; scripts/ensure-packages installs it)');
  process.exit(77);
}
const puppeteer = createRequire(path.resolve(nodeModules, 'x.js'))('puppeteer-core');

// The book's bush (Fig. 1.25) at 7 steps: 3,891 segments and 1,284 leaves.
const bush = fs.readFileSync(new URL('../../../examples/bush.ls', import.meta.url), 'utf8');
// Fig. 1.24a at 4 steps: 5^4 segments.
const weed = 'axiom=!(1.2)F\ngamma=25.7\nsteps=4\nF->F[+F]F[-F]F\n';
const broken = 'axiom=F\nsteps=2\nF(x)->F(x*)\n';

async function bodyData(page) {
  return page.evaluate(() => ({ ...document.body.dataset }));
}

function waitForBody(page, state, segments) {
  return page.waitForFunction(
    (s, n) => document.body.dataset.state === s && (n === null || document.body.dataset.segments === n),
    { timeout: 30000 }, state, segments === null ? null : String(segments));
}

// Pixels of the canvas that differ clearly from the page's background, and those that are
// green (leaves) rather than grey (the grid) or brown (stems).
function canvasPixels(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector('#viewport canvas');
    const copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0);
    const { data } = context.getImageData(0, 0, copy.width, copy.height);
    let lit = 0, green = 0;
    for (let i = 0; i < data.length; i += 4) {
      const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
      if (Math.abs(r - 0xf4) + Math.abs(g - 0xf1) + Math.abs(b - 0xea) > 60) ++lit;
      if (g > r + 20 && g > b + 20) ++green;
    }
    return { lit, green, total: data.length / 4 };
  });
}

test('the page shows the plant, follows saves and keeps it through a broken file', async () => {
  const server = await ViewServer.start(lsys, bush);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lsys-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--user-data-dir=${profile}`, '--window-size=960,720'],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 960, height: 720 });
    const problems = [];
    page.on('pageerror', (error) => problems.push(String(error)));
    await page.goto(server.url);
    await waitForBody(page, 'ready', 3891);
    const pixels = await canvasPixels(page);
    assert.ok(pixels.lit > pixels.total * 0.02, `lit pixels: ${JSON.stringify(pixels)}`);
    assert.ok(pixels.green > 500, `leaf pixels: ${JSON.stringify(pixels)}`);
    assert.match(await page.$eval('#counts', (e) => e.textContent), /^3,891 segments · 1,284 leaves/);
    if (screenshot) await page.screenshot({ path: screenshot });

    save(server.file, weed);
    await waitForBody(page, 'ready', 625);

    save(server.file, broken);
    await waitForBody(page, 'error', 625);
    const diagnostics = await page.$eval('#diagnostics', (e) => (e.hidden ? '' : e.textContent));
    assert.match(diagnostics, /^plant\.ls:3:11: error: /);
    assert.ok((await canvasPixels(page)).lit > 0, 'the last plant stays on screen');
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
    await server.stop();
  }
});

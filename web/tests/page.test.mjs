// The web edition in headless Chromium against the desktop's command line:
// the same bulletins and data files must give the same drawing log and the
// same saved files.
//   node --test web/tests/page.test.mjs     (with NIMBARA_SITE and NIMBARA_CLI set)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { openBrowser, openPage } from './browser.mjs';

const project = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.NIMBARA_SITE || join(project, 'build/web/site');
const cli = process.env.NIMBARA_CLI || join(project, 'build/dev/nimbara');
// Screenshots are kept for a person to look at.
const screenshots = process.env.NIMBARA_SCREENSHOTS || join(project, 'build/web/screenshots');
const samples = join(project, 'samples');
const bulletins = ['winter_stations.txt', 'winter_systems.txt'].map((name) => join(samples, 'bulletins', name));
const dataFile = join(samples, '20240115_06.txt');
const laptop = { width: 1366, height: 768 };

const work = mkdtempSync(join(tmpdir(), 'nimbara-web-test-'));
const downloads = join(work, 'downloads');
const desktop = (name) => join(work, name);
let session;

function nimbara(...args) {
  execFileSync(cli, args, { stdio: ['ignore', 'ignore', 'inherit'], env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
}

before(async () => {
  mkdirSync(downloads);
  mkdirSync(screenshots, { recursive: true });
  nimbara('import', ...bulletins, '-o', desktop('pasted.txt'));
  nimbara('import', '--full', ...bulletins, '-o', desktop('full.txt'));
  nimbara('render', desktop('pasted.txt'), '--observation', '--ops', desktop('pasted.ops'), '-o', desktop('pasted.png'));
  nimbara('render', dataFile, '--ops', desktop('sample.ops'), '-o', desktop('sample.png'));
  session = await openBrowser(site);
});

after(async () => {
  await session?.close();
  rmSync(work, { recursive: true, force: true });
});

// Types a whole text at once, as a paste does.
async function enterText(page, selector, text) {
  await page.focus(selector);
  await page.keyboard.sendCharacter(text);
  await page.$eval(selector, (area) => area.blur());
}

// The bulletin files are CP932, as glibc converts it.
async function pasteSampleBulletins(page) {
  const [stations, systems] = bulletins.map((file) => execFileSync('iconv', ['-f', 'CP932', '-t', 'UTF-8', file], { encoding: 'utf8' }));
  await enterText(page, '#stations', stations);
  await enterText(page, '#systems', systems);
}

// The share of the inked pixels of picture `a` (far from white) that have no
// pixel of nearly the same colour at or next to them in picture `b`. Qt and
// the browser antialias edges and shape glyphs a little differently; a
// misplaced, mirrored or unfilled shape leaves hundreds of pixels uncovered.
async function uncoveredInk(page, a, b) {
  return page.evaluate(async (aBase64, bBase64) => {
    const pixels = async (base64) => {
      const bitmap = await createImageBitmap(await (await fetch('data:image/png;base64,' + base64)).blob());
      const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return context.getImageData(0, 0, bitmap.width, bitmap.height);
    };
    const [inked, reference] = [await pixels(aBase64), await pixels(bBase64)];
    const { width, height } = inked;
    const white = [255, 255, 255];
    const farApart = 300;  // sum of the three channel differences
    const apart = (p, q, pAt, qAt) =>
      Math.abs(p[pAt] - q[qAt]) + Math.abs(p[pAt + 1] - q[qAt + 1]) + Math.abs(p[pAt + 2] - q[qAt + 2]);
    const coveredAt = (x, y, at) => {
      for (let v = Math.max(0, y - 1); v <= Math.min(height - 1, y + 1); ++v)
        for (let u = Math.max(0, x - 1); u <= Math.min(width - 1, x + 1); ++u)
          if (apart(inked.data, reference.data, at, 4 * (v * width + u)) < farApart) return true;
      return false;
    };
    let ink = 0;
    let uncovered = 0;
    for (let y = 0; y < height; ++y) {
      for (let x = 0; x < width; ++x) {
        const at = 4 * (y * width + x);
        if (apart(inked.data, white, at, 0) < farApart) continue;
        ++ink;
        if (!coveredAt(x, y, at)) ++uncovered;
      }
    }
    return uncovered / ink;
  }, a.toString('base64'), b.toString('base64'));
}

function waitForDownload(name) {
  const path = join(downloads, name);
  return new Promise((resolve, reject) => {
    const started = Date.now();
    const poll = () => {
      if (existsSync(path)) return resolve(readFileSync(path));
      if (Date.now() - started > 10000) return reject(new Error(`${name} was not downloaded`));
      setTimeout(poll, 50);
    };
    poll();
  });
}

test('pasted bulletins draw the map the desktop draws from them, and save its files', async () => {
  const { page, problems } = await openPage(session, laptop, downloads);
  await pasteSampleBulletins(page);
  await page.click('#display');
  assert.equal(await page.evaluate(() => window.nimbara.drawingLog()), readFileSync(desktop('pasted.ops'), 'utf8'));
  await page.screenshot({ path: join(screenshots, 'laptop.png') });

  await page.$eval('#save-name', (input) => { input.value = 'winter'; });
  await page.click('#save-observations');
  assert.deepEqual(await waitForDownload('winter.txt'), readFileSync(desktop('pasted.txt')));
  rmSync(join(downloads, 'winter.txt'));
  await page.click('#save-data');
  assert.deepEqual(await waitForDownload('winter.txt'), readFileSync(desktop('full.txt')));
  assert.deepEqual(await waitForDownload('winter.cnt'), readFileSync(desktop('full.cnt')));

  await page.click('#save-png');
  const png = await waitForDownload('winter.png');
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [800, 800]);
  const desktopPng = readFileSync(desktop('pasted.png'));
  const mostlyCovered = 0.004;
  assert.ok(await uncoveredInk(page, png, desktopPng) < mostlyCovered, 'the page paints what the desktop paints');
  assert.ok(await uncoveredInk(page, desktopPng, png) < mostlyCovered, 'the desktop paints what the page paints');
  assert.deepEqual(problems, []);
  await page.close();
});

test('an opened data file with its picture draws the map the desktop draws from it', async () => {
  const { page, problems } = await openPage(session, laptop);
  const input = await page.$('#open-data');
  await input.uploadFile(dataFile, dataFile.replace(/txt$/, 'bmp'));
  await page.waitForFunction(() => document.getElementById('title').textContent !== '');
  assert.equal(await page.evaluate(() => window.nimbara.drawingLog()), readFileSync(desktop('sample.ops'), 'utf8'));
  const pictureShown = await page.$eval('#picture', (canvas) =>
    canvas.getContext('2d').getImageData(400, 400, 1, 1).data[3] === 255);
  assert.ok(pictureShown, 'the companion picture lies under the map');
  await page.screenshot({ path: join(screenshots, 'picture.png') });
  assert.deepEqual(problems, []);
  await page.close();
});

// The isobar practice of the web page in headless Chromium: lines drawn with
// a finger on a tablet, checked against the answer.
//   node --test web/tests/practice.test.mjs     (with NIMBARA_SITE set)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { openBrowser, openPage } from './browser.mjs';

const project = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.NIMBARA_SITE || join(project, 'build/web/site');
const screenshots = process.env.NIMBARA_SCREENSHOTS || join(project, 'build/web/screenshots');
const bulletins = ['winter_stations.txt', 'winter_systems.txt'].map((name) => join(project, 'samples/bulletins', name));
const tabletUpright = { width: 820, height: 1180, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };
const strokeSteps = 12;

let session;
before(async () => {
  mkdirSync(screenshots, { recursive: true });
  session = await openBrowser(site);
});
after(async () => session?.close());

async function enterText(page, selector, text) {
  await page.focus(selector);
  await page.keyboard.sendCharacter(text);
  await page.$eval(selector, (area) => area.blur());
}

// A finger drawn across the map from one share of its width and height to another.
async function swipe(page, from, to) {
  await page.$eval('#drawing', (canvas) => canvas.scrollIntoView({ block: 'center' }));
  const box = await page.$eval('#drawing', (canvas) => {
    const { left, top, width, height } = canvas.getBoundingClientRect();
    return { left, top, width, height };
  });
  const at = ([u, v]) => [box.left + u * box.width, box.top + v * box.height];
  await page.touchscreen.touchStart(...at(from));
  for (let step = 1; step <= strokeSteps; ++step) {
    const share = step / strokeSteps;
    await page.touchscreen.touchMove(...at([from[0] + (to[0] - from[0]) * share, from[1] + (to[1] - from[1]) * share]));
  }
  await page.touchscreen.touchEnd();
}

test('a pupil draws two isobars with a finger and checks them', async () => {
  const { page, problems } = await openPage(session, tabletUpright);
  const [stations, systems] = bulletins.map((file) => execFileSync('iconv', ['-f', 'CP932', '-t', 'UTF-8', file], { encoding: 'utf8' }));
  await enterText(page, '#stations', stations);
  await enterText(page, '#systems', systems);
  await page.click('#display');
  // The display scrolls the map into view smoothly; a click by place could miss.
  await page.$eval('#practice-start', (button) => button.click());
  assert.ok(await page.$eval('#practice', (panel) => !panel.hidden));
  await page.$eval('#practice-value', (box) => { box.value = '1016'; box.dispatchEvent(new Event('change')); });
  await swipe(page, [0.2, 0.3], [0.6, 0.45]);
  await swipe(page, [0.2, 0.6], [0.6, 0.7]);
  assert.equal(await page.evaluate(() => window.nimbara.practice.lineCount()), 2);
  await page.$eval('#practice-check', (button) => button.click());
  const result = await page.evaluate(() => window.nimbara.practice.result());
  assert.match(result, /^点数 \d+点/);
  assert.match(result, /1本目 1016hPa/);
  assert.match(result, /2本目 1016hPa/);
  const log = await page.evaluate(() => window.nimbara.drawingLog());
  assert.equal(log.split('\n').filter((line) => line.startsWith('polyline 2 #0000A0')).length, 2);
  assert.ok(log.includes('polyline 1 #E60078'), 'the answer is drawn over the lines');
  await page.screenshot({ path: join(screenshots, 'practice-tablet.png') });
  assert.deepEqual(problems, []);
  await page.close();
});

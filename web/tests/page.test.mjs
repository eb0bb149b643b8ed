// The web edition in headless Chromium against the desktop's command line:
// the same bulletins and data files must give the same drawing log and the
// same saved files.
//   node --test web/tests/page.test.mjs     (with NIMBARA_SITE and NIMBARA_CLI set)
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
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
const summerBulletins = ['summer_stations.txt', 'summer_systems.txt'].map((name) => join(samples, 'bulletins', name));
const dataFile = join(samples, '20240115_06.txt');
// A 1366 × 768 laptop screen leaves about this much to the page.
const laptop = { width: 1366, height: 650 };
const tabletUpright = { width: 820, height: 1180, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };
const tabletSideways = { width: 1024, height: 768, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };

const work = mkdtempSync(join(tmpdir(), 'nimbara-web-test-'));
const desktop = (name) => join(work, name);
const unreadableText = 'こんにちは。今日は晴れです。';
let session;

function nimbara(...args) {
  execFileSync(cli, args, { stdio: ['ignore', 'ignore', 'inherit'], env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
}

// The desktop's paste report of a bulletin file, as `import` prints it after
// the file's name.
function pasteReport(file) {
  const run = spawnSync(cli, ['import', file, '-o', desktop('report.txt')], { encoding: 'utf8' });
  return run.stderr.split('\n').slice(1).filter(Boolean).join('\n');
}

// A broadcast taken down in the page, a station a line as a pupil types it,
// and the same reports in the broadcast's listing, which the desktop imports.
const broadcastDate = '各地の天気　２０２４年０１月１５日０６時';
const dictation = [
  ['ほくほくとう 4 kumo 22 17', '石垣島　北北東　風力 4　くもり　22　17度'],
  ['', '那覇　入電がありません'],
  ['n 4 hare 21 m3', '南大東島　北　風力 4　晴れ　21　-3度'],
  ['ほくせい 4 niwaame 20 12', '名瀬　北西　風力 4　にわか雨　20　12度'],
  ['NW 4 くもり 1020 6', '鹿児島　北西　風力 4　くもり　20　6度'],
  ['-', '福江　入電がありません'],
  ['せいほくせい 6 yuki 998 －1', '厳原　西北西　風力 6　雪　998　-1度'],
];

// The switches of 表示の設定 the page clicks on a map shown, and the desktop's
// options for the same map.
const switchCases = [
  { name: 'thinned-enlarged', bits: [5, 6], options: ['--thinned', '--enlarged'] },
  { name: 'no-map-no-wind', bits: [0, 3], options: ['--layers', 'isobars,weather,fronts'] },
];

before(async () => {
  mkdirSync(screenshots, { recursive: true });
  nimbara('import', ...bulletins, '-o', desktop('pasted.txt'));
  nimbara('import', '--full', ...bulletins, '-o', desktop('full.txt'));
  nimbara('import', '--full', '--load', dataFile, '-o', desktop('resaved.txt'));
  nimbara('import', ...summerBulletins, '-o', desktop('summer.txt'));
  nimbara('render', desktop('summer.txt'), '--observation', '--ops', desktop('summer.ops'), '-o', desktop('summer.png'));
  const pasted = ['render', desktop('pasted.txt'), '--observation'];
  nimbara(...pasted, '--ops', desktop('pasted.ops'), '-o', desktop('pasted.png'));
  for (const { name, options } of switchCases) nimbara(...pasted, ...options, '--ops', desktop(name + '.ops'), '-o', desktop(name + '.png'));
  nimbara('render', dataFile, '--ops', desktop('sample.ops'), '-o', desktop('sample.png'));
  writeFileSync(desktop('listing.txt'), [broadcastDate, ...dictation.map(([, listed]) => listed)].join('\n'));
  writeFileSync(desktop('both.txt'), Buffer.concat(bulletins.map((file) => readFileSync(file))));
  writeFileSync(desktop('unreadable.txt'), execFileSync('iconv', ['-f', 'UTF-8', '-t', 'CP932'], { input: unreadableText + '\n' }));
  nimbara('import', desktop('listing.txt'), '-o', desktop('dictated.txt'));
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
const bulletinTexts = () => bulletins.map((file) => execFileSync('iconv', ['-f', 'CP932', '-t', 'UTF-8', file], { encoding: 'utf8' }));

async function pasteSampleBulletins(page) {
  const [stations, systems] = bulletinTexts();
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

// A page whose downloads are named "saved".
async function openDownloadingPage(viewport) {
  const opened = await openPage(session, viewport);
  await opened.page.$eval('#save-name', (input) => { input.value = 'saved'; });
  return opened;
}

// The files of a downloaded archive, read by the system's unzip.
function unzipped(archive) {
  const path = join(work, 'archive.zip');
  writeFileSync(path, archive);
  const names = execFileSync('unzip', ['-Z1', path], { encoding: 'utf8' }).split('\n').filter(Boolean);
  const maxBuffer = 16 << 20;  // a satellite picture's bitmap is about 2 MB
  return Object.fromEntries(names.map((name) => [name, execFileSync('unzip', ['-p', path, name], { maxBuffer })]));
}

// A text area keeps its line breaks as LF.
const lineFeeds = (text) => text.replace(/\r\n/g, '\n');
const bulletinAreas = (page) => page.$$eval('#stations, #systems', (areas) => areas.map((area) => area.value));
const messages = (page) => page.$$eval('#messages .message', (boxes) => boxes.map((box) => box.innerText.replace(/\n?×$/, '')));

const drawingLog = (page) => page.evaluate(() => window.nimbara.drawingLog());

async function openFiles(page, selector, ...files) {
  const opened = await page.evaluate(() => window.nimbara.filesOpened);
  await (await page.$(selector)).uploadFile(...files);
  await page.waitForFunction((before) => window.nimbara.filesOpened > before, { polling: 20 }, opened);
}

test('pasted bulletins draw the map the desktop draws from them, on a laptop and on a sharper tablet screen', async () => {
  const desktopPng = readFileSync(desktop('pasted.png'));
  const mostlyCovered = 0.004;
  for (const [viewport, screenshot] of [[laptop, 'laptop.png'], [tabletUpright, 'tablet.png']]) {
    const { page, problems, download } = await openDownloadingPage(viewport);
    await pasteSampleBulletins(page);
    await page.click('#display');
    assert.equal(await drawingLog(page), readFileSync(desktop('pasted.ops'), 'utf8'));
    await page.screenshot({ path: join(screenshots, screenshot), fullPage: true });
    await page.click('#save-png');
    const png = await download('saved.png');
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [800, 800]);
    assert.ok(await uncoveredInk(page, png, desktopPng) < mostlyCovered, 'the page paints what the desktop paints');
    assert.ok(await uncoveredInk(page, desktopPng, png) < mostlyCovered, 'the desktop paints what the page paints');
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test('pasted bulletins save the files the desktop saves from them, one download a click', async () => {
  const { page, problems, download } = await openDownloadingPage(laptop);
  await pasteSampleBulletins(page);
  await page.click('#display');
  await page.click('#save-observations');
  assert.deepEqual(await download('saved.txt'), readFileSync(desktop('pasted.txt')));
  // A name typed with the data file's extension is the same name.
  await page.$eval('#save-name', (input) => { input.value = 'saved.txt'; });
  await page.click('#save-data');
  assert.deepEqual(unzipped(await download('saved.zip')),
    { 'saved.txt': readFileSync(desktop('full.txt')), 'saved.cnt': readFileSync(desktop('full.cnt')) });
  assert.deepEqual(download.begun(), ['saved.txt', 'saved.zip']);
  assert.match((await messages(page))[0], /「saved\.zip」.*\n中身：saved\.txt、saved\.cnt/s);
  // The name now follows the file saved; a map's name keeps a data file's extension.
  assert.equal(await page.$eval('#save-name', (input) => input.value), 'saved');
  await page.$eval('#save-name', (input) => { input.value = 'saved.txt'; });
  await page.click('#save-png');
  assert.ok((await download('saved.txt.png')).length > 0, "named by the desktop's rule for maps");
  assert.deepEqual(problems, []);
  await page.close();
});

test('the switches of 表示の設定 draw at once what the desktop draws with the same layers', async () => {
  for (const { name, bits } of switchCases) {
    const { page, problems } = await openPage(session, laptop);
    await pasteSampleBulletins(page);
    await page.click('#display');
    for (const bit of bits) await page.click(`#switches [data-bit="${bit}"]`);
    assert.equal(await drawingLog(page), readFileSync(desktop(name + '.ops'), 'utf8'), name);
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test("opened data files of both kinds draw the desktop's map, and a full one saves back unchanged", async () => {
  const { page, problems, download } = await openDownloadingPage(laptop);
  const picture = dataFile.replace(/txt$/, 'bmp');
  await openFiles(page, '#open-data', dataFile, picture);
  assert.equal(await drawingLog(page), readFileSync(desktop('sample.ops'), 'utf8'));
  await page.screenshot({ path: join(screenshots, 'picture.png') });
  assert.equal(await page.$eval('#save-name', (input) => input.value), '20240115_06', 'the name follows the file');
  await page.$eval('#save-name', (input) => { input.value = 'saved'; });
  await page.click('#save-data');
  const archive = await download('saved.zip');
  const saved = unzipped(archive);
  assert.deepEqual(Object.keys(saved).sort(), ['saved.bmp', 'saved.cnt', 'saved.txt']);
  assert.deepEqual(saved['saved.txt'], readFileSync(desktop('resaved.txt')));
  assert.deepEqual(saved['saved.cnt'], readFileSync(desktop('resaved.cnt')));
  // The picture goes back as the 24-bit bitmap it came as (the desktop also
  // keeps the file's dots per metre, which the browser does not report).
  const pixelData = (bmp) => bmp.subarray(bmp.readUInt32LE(10));
  assert.deepEqual(pixelData(saved['saved.bmp']), pixelData(readFileSync(picture)));

  // The archive opens as the files in it would.
  writeFileSync(desktop('saved.zip'), archive);
  await openFiles(page, '#open-data', desktop('summer.txt'));
  await openFiles(page, '#open-data', desktop('saved.zip'));
  assert.equal(await drawingLog(page), readFileSync(desktop('sample.ops'), 'utf8'));

  // An observation file has no picture beside it: the old one goes.
  await openFiles(page, '#open-data', desktop('summer.txt'));
  assert.equal(await drawingLog(page), readFileSync(desktop('summer.ops'), 'utf8'));
  assert.equal(await page.$eval('#picture', (canvas) => canvas.getContext('2d').getImageData(400, 400, 1, 1).data[3]), 0);
  assert.deepEqual(problems, []);
  await page.close();
});

test('stations dictated line by line save what the desktop saves from a listing of the same reports', async () => {
  const { page, problems, download } = await openDownloadingPage(laptop);
  await page.click('#tab-dictation');
  await page.click('#dictation-date', { clickCount: 3 });
  await page.keyboard.sendCharacter(broadcastDate);
  await page.focus('#station-line');
  for (const [typed] of dictation.slice(0, 2)) {
    await page.keyboard.type(typed);
    await page.keyboard.press('Enter');
  }
  await page.keyboard.type('n 4 はれろ 21 m3');
  await page.keyboard.press('Enter');
  const shown = () => page.evaluate(() => {
    const [chooser, line, status] = ['station-chooser', 'station-line', 'line-status'].map((id) => document.getElementById(id));
    return [chooser.selectedOptions[0].text, line.value, status.className];
  });
  assert.deepEqual(await shown(), ['南大東島（3/53）', 'n 4 はれろ 21 m3', 'reason']);

  // The rest pasted at once from a Windows clipboard, over the line not read.
  await page.$eval('#station-line', (line, text) => {
    line.select();
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', text);
    line.dispatchEvent(new ClipboardEvent('paste', { clipboardData, bubbles: true, cancelable: true }));
  }, dictation.slice(2).map(([typed]) => typed + '\r\n').join(''));
  assert.deepEqual(await shown(), ['足摺岬（8/53）', '', 'hint']);
  // A reload by mistake keeps the dictated stations.
  page.on('dialog', (dialog) => dialog.accept());
  await page.reload();
  await page.evaluate(() => window.nimbara.ready);
  assert.equal(await page.$eval('#tab-dictation', (tab) => tab.getAttribute('aria-selected')), 'true');
  await page.click('#save-observations');
  assert.deepEqual(await download('saved.txt'), readFileSync(desktop('dictated.txt')));
  assert.deepEqual(problems, []);
  await page.close();
});

test("the core's messages appear in the page and its questions in the browser's box", async () => {
  const { page, problems } = await openPage(session, laptop);
  await page.click('#display');
  assert.match(await page.$eval('#messages', (list) => list.textContent), /注　意気圧が入力されていません/);

  // The head of the station bulletin: too few pressures for a good grid.
  await enterText(page, '#stations', bulletinTexts()[0].split('\n').slice(0, 8).join('\n'));
  const questions = [];
  page.on('dialog', (dialog) => {
    questions.push(dialog.message());
    dialog.dismiss();
  });
  await page.click('#display');
  assert.deepEqual(questions, ['データの数が少ないですが\n等圧線を描きますか']);
  assert.deepEqual(problems, []);
  await page.close();
});

// The pixel at (x, y) of a bottom-up 24-bit bitmap, as RGBA.
function bitmapPixel(bytes, x, y) {
  const width = bytes.readInt32LE(18);
  const height = bytes.readInt32LE(22);
  const rowBytes = Math.ceil((width * 3) / 4) * 4;
  const at = bytes.readUInt32LE(10) + (height - 1 - y) * rowBytes + x * 3;
  return [bytes[at + 2], bytes[at + 1], bytes[at], 255];
}

test('a satellite picture opened over the map lies under it at its own pixels', async () => {
  const { page, problems } = await openPage(session, laptop);
  const picture = dataFile.replace(/txt$/, 'bmp');
  await openFiles(page, '#open-picture', picture);
  const spots = [[0, 0], [123, 456], [799, 799]];
  const shown = async () => page.$eval('#picture', (canvas, points) =>
    points.map(([x, y]) => Array.from(canvas.getContext('2d').getImageData(x, y, 1, 1).data)), spots);
  const bytes = readFileSync(picture);
  const pixels = spots.map(([x, y]) => bitmapPixel(bytes, x, y));
  assert.deepEqual(await shown(), pixels);
  // A reload keeps the picture too.
  await page.reload();
  await page.evaluate(() => window.nimbara.ready);
  await page.waitForFunction(() => document.getElementById('picture').getContext('2d').getImageData(0, 0, 1, 1).data[3] > 0);
  assert.deepEqual(await shown(), pixels);
  await page.click('#clear-picture');
  assert.deepEqual(await shown(), spots.map(() => [0, 0, 0, 0]));
  assert.deepEqual(problems, []);
  await page.close();
});

test('the page fits a laptop screen with either tab and every control is large enough to touch', async () => {
  for (const viewport of [laptop, tabletUpright]) {
    const { page } = await openPage(session, viewport);
    for (const tab of ['#tab-paste', '#tab-dictation']) {
      await page.click(tab);
      const [pageHeight, smallest] = await page.evaluate(() => [
        document.documentElement.scrollHeight,
        Math.min(...Array.from(document.querySelectorAll('button, .button, #switches label, textarea, input[type="text"], select'))
          .filter((control) => control.getClientRects().length > 0)
          .map((control) => control.getBoundingClientRect().height)),
      ]);
      if (viewport === laptop) assert.ok(pageHeight <= viewport.height, `the page is ${pageHeight} pixels high (${tab})`);
      assert.ok(smallest >= 44, `a control is ${smallest} pixels high (${tab})`);
    }
    await page.close();
  }
});

test("every paste shows the desktop's report, and a refused file keeps the pasted texts", async () => {
  const { page, problems } = await openPage(session, laptop);
  const [stations, systems] = bulletinTexts();
  await enterText(page, '#stations', stations);
  await enterText(page, '#systems', unreadableText);
  await page.$eval('#systems', (area) => { area.value = ''; });
  await enterText(page, '#systems', stations + systems);
  const report = (lines) => 'データの貼り付け\n' + lines;
  assert.deepEqual((await messages(page)).reverse(),
    [bulletins[0], desktop('unreadable.txt'), desktop('both.txt')].map((file) => report(pasteReport(file))));

  const memo = join(work, 'memo.txt');
  writeFileSync(memo, 'あしたの持ち物\n');
  await openFiles(page, '#open-data', memo);
  const [refusal] = await messages(page);
  assert.match(refusal, /\nmemo\.txt\n/);
  assert.deepEqual(await bulletinAreas(page), [stations, stations + systems].map(lineFeeds));
  assert.deepEqual(problems, []);
  await page.close();
});

test('messages show in the window, and a page without its module says so', async () => {
  for (const viewport of [laptop, tabletSideways]) {
    const { page } = await openPage(session, viewport);
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.click('#display');
    const box = await page.$eval('#messages .message', (message) => message.getBoundingClientRect().toJSON());
    assert.ok(box.top >= 0 && box.bottom <= viewport.height && box.right <= viewport.width, JSON.stringify(box));
    await page.close();
  }
  const page = await session.browser.newPage();
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => (request.url().endsWith('.wasm') ? request.respond({ status: 404 }) : request.continue()));
  await page.goto(session.url + 'index.html');
  await page.waitForSelector('#load-failure:not([hidden])', { timeout: 10000 });
  await page.close();
  const fromDisk = await session.browser.newPage();
  await fromDisk.goto('file://' + join(site, 'index.html'));
  await fromDisk.waitForSelector('#load-failure:not([hidden])', { timeout: 10000 });
  await fromDisk.close();
});

test('a reload keeps the pasted work after asking, and F5 shows the map', async () => {
  const { page, problems } = await openPage(session, laptop);
  await pasteSampleBulletins(page);
  const questions = [];
  page.on('dialog', (dialog) => {
    questions.push(dialog.type());
    dialog.accept();
  });
  await page.reload();
  await page.evaluate(() => window.nimbara.ready);
  assert.deepEqual(questions, ['beforeunload']);
  await page.keyboard.press('F5');
  assert.equal(await drawingLog(page), readFileSync(desktop('pasted.ops'), 'utf8'));
  assert.deepEqual(await bulletinAreas(page), bulletinTexts().map(lineFeeds));
  // The samples replace the data only when asked.
  page.removeAllListeners('dialog');
  page.on('dialog', (dialog) => {
    questions.push(dialog.message());
    dialog.dismiss();
  });
  await page.click('#sample');
  assert.match(questions.at(-1), /見本の電文で置きかえます/);
  assert.deepEqual(problems, []);
  await page.close();
});

test('after the first visit the page works offline and can be installed', async () => {
  const { page, problems } = await openPage(session, laptop);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
  });
  const client = await page.createCDPSession();
  await client.send('Page.enable');
  assert.deepEqual((await client.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  await page.setOfflineMode(true);
  await page.reload();
  await page.evaluate(() => window.nimbara.ready);
  await page.click('#sample');
  await page.waitForFunction(() => document.getElementById('systems').value !== '');
  await page.click('#display');
  assert.equal(await drawingLog(page), readFileSync(desktop('pasted.ops'), 'utf8'));
  assert.deepEqual(problems, []);
  await page.close();
});

test("the browser's zoom enlarges the map and paints it again with more pixels", async () => {
  const { page, problems } = await openPage(session, laptop);
  await pasteSampleBulletins(page);
  await page.click('#display');
  const shown = () => page.$eval('#drawing', (canvas) => {
    const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    let inked = 0;
    for (let i = 3; i < data.length; i += 4) if (data[i] > 0) ++inked;
    return { inked, side: canvas.getBoundingClientRect().width * window.devicePixelRatio, pixels: canvas.width };
  });
  const unzoomed = await shown();
  for (const zoom of [1.5, 2]) {
    await page.setViewport({ width: Math.round(laptop.width / zoom), height: Math.round(laptop.height / zoom), deviceScaleFactor: zoom });
    await page.waitForFunction((pixels) => document.getElementById('drawing').width > pixels, {}, unzoomed.pixels);
    const zoomed = await shown();
    assert.ok(zoomed.side > unzoomed.side, `at ${zoom * 100} % the map is ${zoomed.side} device pixels wide`);
    assert.ok(zoomed.inked > 2 * unzoomed.inked, `${zoomed.inked} pixels inked at ${zoom * 100} %`);
  }
  assert.equal(await drawingLog(page), readFileSync(desktop('pasted.ops'), 'utf8'));
  assert.deepEqual(problems, []);
  await page.close();
});

test('the map view fills the window sharply, and beside the controls the map stays in view', async () => {
  for (const [viewport, name] of [[{ width: 1366, height: 768 }, 'laptop-1366x768'], [tabletSideways, 'tablet-1024x768']]) {
    const { page, problems } = await openPage(session, viewport);
    await pasteSampleBulletins(page);
    await page.click('#display');
    await page.screenshot({ path: join(screenshots, name + '.png') });
    await page.evaluate(() => window.scrollTo(0, document.documentElement.scrollHeight));
    const mapTop = await page.$eval('#surface', (surface) => surface.getBoundingClientRect().top);
    assert.ok(mapTop >= 0 && mapTop < viewport.height / 4, `the map is at ${mapTop}`);
    await page.click('#enlarge-map');
    const [side, backing] = await page.$eval('#drawing', (canvas) => [canvas.getBoundingClientRect().width, canvas.width]);
    assert.ok(side >= viewport.height - 100, `the map is ${side} pixels wide`);
    assert.ok(backing >= side * (viewport.deviceScaleFactor || 1), `${backing} device pixels for ${side}`);
    await page.screenshot({ path: join(screenshots, name + '-map-view.png') });
    await page.keyboard.press('Escape');
    assert.deepEqual(problems, []);
    await page.close();
  }
});

// Starting the web edition's static files in headless Chromium for the tests
// and the benchmark: a static server on a free port, the browser, a page.
import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

// The same server as `./run web`, on a port the system picks.
function serve(siteDir) {
  return new Promise((resolve, reject) => {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', siteDir],
      { stdio: ['ignore', 'pipe', 'ignore'] });
    server.on('error', reject);
    server.stdout.on('data', (chunk) => {
      const port = /port (\d+)/.exec(chunk.toString());
      if (port) resolve({ url: `http://127.0.0.1:${port[1]}/`, stop: () => server.kill() });
    });
  });
}

// A fresh profile each time, whose downloads land in its own folder with the
// browser's default download policy (one download per click without asking);
// the flags keep Chromium off the network.
export async function openBrowser(siteDir) {
  const profile = mkdtempSync(join(tmpdir(), 'nimbara-chromium-'));
  const downloads = join(profile, 'downloads');
  mkdirSync(join(profile, 'Default'), { recursive: true });
  writeFileSync(join(profile, 'Default', 'Preferences'),
    JSON.stringify({ download: { default_directory: downloads, prompt_for_download: false } }));
  const server = await serve(siteDir);
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  return {
    url: server.url,
    browser,
    downloads,
    async close() {
      await browser.close();
      server.stop();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Files the page downloads, each handed over once the browser reports it
// complete (Chromium reserves the name with an empty file first) and removed.
// The events are asked for without changing the download policy.
async function receiveDownloads(page, folder) {
  const client = await page.createCDPSession();
  const names = new Map();
  const completed = [];
  const waiting = [];
  const handOver = () => {
    for (const wait of [...waiting]) {
      const at = completed.indexOf(wait.name);
      if (at < 0) continue;
      completed.splice(at, 1);
      waiting.splice(waiting.indexOf(wait), 1);
      const path = join(folder, wait.name);
      const bytes = readFileSync(path);
      rmSync(path);
      wait.resolve(bytes);
    }
  };
  client.on('Browser.downloadWillBegin', ({ guid, suggestedFilename }) => names.set(guid, suggestedFilename));
  client.on('Browser.downloadProgress', ({ guid, state }) => {
    if (state !== 'completed') return;
    completed.push(names.get(guid));
    handOver();
  });
  await client.send('Browser.setDownloadBehavior', { behavior: 'default', eventsEnabled: true });
  const patience = 10000;
  const download = (name) => new Promise((resolve, reject) => {
    const wait = { name, resolve };
    waiting.push(wait);
    handOver();
    setTimeout(() => {
      if (waiting.includes(wait)) reject(new Error(`${name} was not downloaded`));
    }, patience);
  });
  // Every download that began: a click must start one alone.
  download.begun = () => [...names.values()];
  return download;
}

// A page of the given size with the web edition loaded and ready;
// `download(name)` takes (and removes) a file the page downloaded.
export async function openPage(session, viewport) {
  const page = await session.browser.newPage();
  await page.setViewport(viewport);
  const download = await receiveDownloads(page, session.downloads);
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(message.text()); });
  await page.goto(session.url + 'index.html');
  await page.evaluate(() => window.nimbara.ready);
  return { page, problems, download };
}

// Starting the web edition's static files in headless Chromium for the tests
// and the benchmark: a static server on a free port, the browser, a page.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
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

// A fresh profile each time; the flags keep Chromium off the network.
export async function openBrowser(siteDir) {
  const profile = mkdtempSync(join(tmpdir(), 'nimbara-chromium-'));
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
    async close() {
      await browser.close();
      server.stop();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A page of the given size with the web edition loaded and ready.
export async function openPage(session, viewport, downloadPath) {
  const page = await session.browser.newPage();
  await page.setViewport(viewport);
  if (downloadPath) {
    const client = await page.createCDPSession();
    await client.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath });
  }
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(message.text()); });
  await page.goto(session.url + 'index.html');
  await page.evaluate(() => window.nimbara.ready);
  return { page, problems };
}

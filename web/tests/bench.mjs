// Runs the web edition's benchmark page (bench.html) in headless Chromium
// with a fresh profile and prints its figures, once at the machine's speed
// and once with the CPU slowed four times (as on a cheap school laptop);
// bench/README.md records them.
//   node web/tests/bench.mjs [SITE]      (default build/web/site)
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openBrowser } from './browser.mjs';

const project = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const slowdowns = [1, 4];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

for (const slowdown of slowdowns) {
  const session = await openBrowser(process.argv[2] || join(project, 'build/web/site'));
  try {
    const page = await session.browser.newPage();
    await page.setViewport({ width: 1400, height: 1000 });
    await page.emulateCPUThrottling(slowdown);
    await page.goto(session.url + 'bench.html');
    await page.waitForFunction(() => window.benchResult, { timeout: 300000 });
    const { figures, sizes, userAgent } = await page.evaluate(() => window.benchResult);
    console.log(`${userAgent}, CPU slowed ${slowdown}×`);
    for (const [name, values] of Object.entries(figures)) {
      console.log(`${name}: first ${values[0].toFixed(1)}, median ${median(values).toFixed(1)}, max ${Math.max(...values).toFixed(1)}`);
    }
    if (slowdown === 1) for (const [name, [plain, gzip]] of Object.entries(sizes)) console.log(`${name}: ${plain}, gzip ${gzip}`);
  } finally {
    await session.close();
  }
}

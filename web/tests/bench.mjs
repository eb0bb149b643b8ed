// Runs the web edition's benchmark page (bench.html) in headless Chromium
// with a fresh profile and prints its figures; bench/README.md records them.
//   node web/tests/bench.mjs [SITE]      (default build/web/site)
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openBrowser } from './browser.mjs';

const project = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const session = await openBrowser(process.argv[2] || join(project, 'build/web/site'));
try {
  const page = await session.browser.newPage();
  await page.setViewport({ width: 1400, height: 1000 });
  await page.goto(session.url + 'bench.html');
  await page.waitForFunction(() => window.benchResult, { timeout: 120000 });
  const { figures, sizes, userAgent } = await page.evaluate(() => window.benchResult);
  const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
  console.log(userAgent);
  for (const [name, values] of Object.entries(figures)) {
    console.log(`${name}: first ${values[0].toFixed(1)}, median ${median(values).toFixed(1)}, max ${Math.max(...values).toFixed(1)}`);
  }
  for (const [name, [plain, gzip]] of Object.entries(sizes)) console.log(`${name}: ${plain}, gzip ${gzip}`);
} finally {
  await session.close();
}

// The page's size and speed, in headless Chromium (run by scripts/bench-web):
//   - every file the served page loads, raw and gzipped;
//   - navigation to the start-up line shown, against a floor page with the same controls and
//     texts and no script (made from the page itself after start-up), median of 20 loads each;
//   - one conversion from the key release to its line in the pane, median of 200;
//   - the same with 100 and with 100,000 lines already in the pane;
//   - on an emulated phone (390 x 844, the CPU slowed 4 times, "Slow 4G": 150 ms round trip,
//     1.6 Mbit/s down, 750 kbit/s up) from a host that sends gzip: navigation to the start-up
//     line on a first visit and on a repeat visit, against the floor page's first paint on a
//     first visit, median of 7 each.
import { readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Serve } from '../web/serve.mjs';

const site = process.argv[2] ?? 'build-web/site';
const { chromium } = await import(new URL('../web/node_modules/playwright-core/index.mjs', import.meta.url).href);
const median = (/** @type {number[]} */ v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

console.log('| file | bytes | gzipped |\n|---|---:|---:|');
let raw = 0;
let packed = 0;
for (const name of ['index.html', 'style.css', ...readdirSync(join(site, 'app')).map((m) => `app/${m}`), 'orvanel.wasm']) {
  const bytes = readFileSync(join(site, name));
  const gz = gzipSync(bytes, { level: 9 }).length;
  raw += bytes.length;
  packed += gz;
  console.log(`| ${name} | ${bytes.length} | ${gz} |`);
}
console.log(`| everything the page loads | ${raw} | ${packed} |\n`);

const { server, address } = await Serve(site, 0);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--disable-background-networking'] });
const page = await browser.newPage();
await page.goto(address);
await page.waitForSelector('body[data-ready]');
const floor = await page.evaluate(() => {
  const copy = /** @type {HTMLElement} */ (document.documentElement.cloneNode(true));
  copy.querySelectorAll('script, link[rel="manifest"]').forEach((s) => s.remove());
  return `<!doctype html>\n${copy.outerHTML}`;
});
writeFileSync(join(site, 'floor.html'), floor);

/** @param {string} url @param {string} until */
async function loads(url, until) {
  const times = [];
  for (let i = 0; i < 20; ++i) {
    const fresh = await browser.newPage();
    await fresh.goto(url);
    times.push(await fresh.evaluate(async (/** @type {string} */ mark) => {
      for (let waited = 0; !performance.getEntriesByName(mark).length && waited < 5000; waited += 5) {
        await new Promise((r) => setTimeout(r, 5));
      }
      return performance.getEntriesByName(mark)[0].startTime;
    }, until));
    await fresh.close();
  }
  return median(times);
}
const floorTime = await loads(`${address}floor.html`, 'first-contentful-paint');
const pageTime = await loads(address, 'orvanel-ready');
console.log(`Navigation to the start-up line: floor ${floorTime.toFixed(1)} ms, Orvanel ${pageTime.toFixed(1)} ms,` +
  ` ratio ${(pageTime / floorTime).toFixed(2)} (median of 20)`);

/** @param {number} lines */
const conversion = (lines) => page.evaluate((/** @type {number} */ count) => {
  const pane = /** @type {HTMLElement} */ (document.getElementById('txbOutput'));
  pane.replaceChildren();
  for (let i = 0; i < count; ++i) {
    document.getElementById('txbRadians')?.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter' }));
    document.getElementById('txbRadians')?.dispatchEvent(new KeyboardEvent('keyup', { key: 'Enter' }));
  }
  const field = /** @type {HTMLInputElement} */ (document.getElementById('txbRadians'));
  const times = [];
  for (let i = 0; i < 200; ++i) {
    field.value = String(1 + i / 1000);
    field.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter' }));
    const start = performance.now();
    field.dispatchEvent(new KeyboardEvent('keyup', { key: 'Enter' }));
    void pane.offsetHeight; // and laid out
    times.push(performance.now() - start);
  }
  return times.sort((a, b) => a - b)[100];
}, lines);
const small = await conversion(100);
const large = await conversion(100_000);
console.log(`A conversion, key release to the line in the pane (median of 200): ${small.toFixed(3)} ms` +
  ` with 100 lines in the pane, ${large.toFixed(3)} ms with 100,000; ratio ${(large / small).toFixed(2)}`);

const phoneHost = await Serve(site, 0, { gzip: true });
/**
 * Milliseconds from navigation to `mark` on an emulated phone; a second visit in the same
 * browser profile with `repeat`.
 * @param {string} url @param {string} mark @param {boolean} repeat
 */
async function onPhone(url, mark, repeat) {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true });
  /** @param {any} tab */
  const slow = async (tab) => {
    const cdp = await context.newCDPSession(tab);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 150,
      downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 });
  };
  if (repeat) {
    const first = await context.newPage();
    await slow(first);
    await first.goto(url);
    await first.waitForSelector('body[data-ready]');
    await first.evaluate(() => navigator.serviceWorker.ready);
    await first.close();
  }
  const tab = await context.newPage();
  await slow(tab);
  await tab.goto(url);
  const time = await tab.evaluate(async (/** @type {string} */ name) => {
    for (let waited = 0; !performance.getEntriesByName(name).length && waited < 20000; waited += 10) {
      await new Promise((r) => setTimeout(r, 10));
    }
    return performance.getEntriesByName(name)[0].startTime;
  }, mark);
  await context.close();
  return time;
}
/** @param {string} url @param {string} mark @param {boolean} repeat */
const phoneMedian = async (url, mark, repeat) => {
  const times = [];
  for (let i = 0; i < 7; ++i) times.push(await onPhone(url, mark, repeat));
  return median(times);
};
const phoneFloor = await phoneMedian(`${phoneHost.address}floor.html`, 'first-contentful-paint', false);
const phoneFirst = await phoneMedian(phoneHost.address, 'orvanel-ready', false);
const phoneRepeat = await phoneMedian(phoneHost.address, 'orvanel-ready', true);
console.log(`On an emulated phone (390 x 844, CPU 4 x slower, Slow 4G), median of 7: floor ${phoneFloor.toFixed(0)} ms;` +
  ` Orvanel first visit ${phoneFirst.toFixed(0)} ms (${(phoneFirst / phoneFloor).toFixed(2)} x the floor),` +
  ` repeat visit ${phoneRepeat.toFixed(0)} ms`);
phoneHost.server.close();
await browser.close();
server.close();

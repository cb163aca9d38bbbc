// The page's file converter against orvanel-cli, in headless Chromium (run by
// scripts/bench-convert):
//   - the command line's CSV benchmark (1,000,000 rows of five columns, dms2deg --csv --header
//     --column lat --column lon): orvanel-cli's wall time against the page's, from the Convert
//     click to the result offered, best of 3 each;
//   - a 100 MB file of the same rows: the page's memory while it converts, sampled every 100 ms,
//     its peak above the page's own just before: as the browser measures it
//     (performance.measureUserAgentSpecificMemory: the page and its worker, their JavaScript
//     heaps and the engine's memory), and as the system sees it (proportional set size of the
//     renderer process running the page and its worker, and of the browser process, which
//     holds the result's Blob parts).
// Usage: node bench/convert_bench.mjs SITE ORVANEL_CLI WORK_FOLDER
import { spawnSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Serve } from '../web/serve.mjs';

const [site, cli, work] = process.argv.slice(2);
const { chromium } = await import(new URL('../web/node_modules/playwright-core/index.mjs', import.meta.url).href);

// The rows of bench/cli_bench.py, from a fixed pseudo-random sequence.
function Rows(/** @type {number} */ count) {
  let seed = 7;
  const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
  const int = (/** @type {number} */ n) => Math.floor(next() * (n + 1));
  const lines = ['id,name,lat,lon,note'];
  for (let i = 0; i < count; i++) {
    const lat = `${int(89)}°${String(int(59)).padStart(2, '0')}'${(next() * 59.9).toFixed(1).padStart(4, '0')}"${next() < 0.5 ? 'N' : 'S'}`;
    const lon = `${int(179)} ${int(59)} ${(next() * 59.9).toFixed(2)} ${next() < 0.5 ? 'E' : 'W'}`;
    lines.push(`${i},"Gauge ${i}, river",${lat},${lon},ok`);
  }
  return `${lines.join('\n')}\n`;
}

const csv = join(work, 'stations-page.csv');
const big = join(work, 'stations-page-100MB.csv');
if (!existsSync(csv)) writeFileSync(csv, Rows(1_000_000));
if (!existsSync(big)) {
  const rows = readFileSync(csv, 'utf8');
  writeFileSync(big, rows.repeat(Math.ceil(100e6 / rows.length)));
}
const words = ['dms2deg', '--csv', '--header', '--column', 'lat', '--column', 'lon'];
let native = Infinity;
for (let i = 0; i < 3; i++) {
  const start = process.hrtime.bigint();
  spawnSync(cli, [...words, '--file', csv], { stdio: ['ignore', 'ignore', 'ignore'] });
  native = Math.min(native, Number(process.hrtime.bigint() - start) / 1e6);
}

const { server, address } = await Serve(site, 0, { isolated: true });
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--disable-background-networking',
    '--enable-blink-features=ForceEagerMeasureMemory'] });
/** A page of its own, the converter set for the benchmark's command. */
async function Ready() {
  const fresh = await browser.newPage();
  await fresh.goto(address);
  await fresh.waitForSelector('body[data-ready]');
  await fresh.selectOption('#cvCommand', 'dms2deg');
  await fresh.check('#cvCsv');
  await fresh.check('#cvHeader');
  return fresh;
}
let page = await Ready();

/** @param {string} file @param {() => Promise<void>} [during] sampled while it converts */
async function Convert(file, during) {
  await page.setInputFiles('#cvFile', file);
  await page.getByRole('checkbox', { name: 'lat' }).check();
  await page.getByRole('checkbox', { name: 'lon' }).check();
  await page.evaluate(() => performance.clearMarks());
  await page.click('#cvRun');
  let done = false;
  const sampling = (async () => { while (!done && during) { await during(); await new Promise((r) => setTimeout(r, 100)); } })();
  await page.waitForSelector('#cvResult:not([hidden])', { timeout: 600_000 });
  done = true;
  await sampling;
  return page.evaluate(() => performance.measure('convert', 'orvanel-convert-start', 'orvanel-convert-done').duration);
}

let inPage = Infinity;
for (let i = 0; i < 3; i++) inPage = Math.min(inPage, await Convert(csv));
console.log('| 1,000,000 rows, dms2deg --csv | orvanel-cli | the page | page / native speed |\n|---|---:|---:|---:|');
console.log(`| ${(readFileSync(csv).length / 1e6).toFixed(0)} MB | ${native.toFixed(0)} ms | ${inPage.toFixed(0)} ms | ${(native / inPage).toFixed(2)} |`);

/** @param {string} type the --type of a Chromium process, '' for the browser's own @returns {number} KiB */
function Pss(type) {
  let total = 0;
  for (const pid of readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
    try {
      const command = readFileSync(`/proc/${pid}/cmdline`, 'utf8');
      if (!command.includes('chromium')) continue;
      const kind = /--type=([\w-]+)/.exec(command)?.[1] ?? ''; // children rewrite their command line with spaces
      if (kind !== type) continue;
      total += Number(/Pss:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8'))?.[1] ?? 0);
    } catch { /* gone */ }
  }
  return total;
}
const measured = () => page.evaluate(async () => /** @type {any} */ (performance).measureUserAgentSpecificMemory()
  .then((/** @type {{bytes: number}} */ m) => m.bytes / 1024));
await page.close();
page = await Ready(); // the memory it has before is the page's own, not the runs' above
await page.setInputFiles('#cvFile', big);
const before = { browser: Pss(''), renderer: Pss('renderer'), measured: await measured() };
const peak = { ...before };
await Convert(big, async () => {
  peak.browser = Math.max(peak.browser, Pss(''));
  peak.renderer = Math.max(peak.renderer, Pss('renderer'));
  peak.measured = Math.max(peak.measured, await measured());
});
const mib = (/** @type {number} */ kib) => `${(kib / 1024).toFixed(1)} MiB`;
console.log(`\nA ${(readFileSync(big).length / 1e6).toFixed(0)} MB file, peak above the page's own before converting:`);
console.log('| measured by | before | peak | above |\n|---|---:|---:|---:|');
for (const [what, key] of /** @type {const} */ ([['the browser (page and worker)', 'measured'], ['renderer process PSS', 'renderer'], ['browser process PSS (Blob parts)', 'browser']])) {
  console.log(`| ${what} | ${mib(before[key])} | ${mib(peak[key])} | ${mib(peak[key] - before[key])} |`);
}
await browser.close();
server.close();

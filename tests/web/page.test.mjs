// The page in a real browser (Debian's chromium through Playwright), found by role and name as
// a screen reader or a user finds it: both conversions with their messages and focus, the forms,
// the sign, the adder, the copy button and the clipboard, Clear, Help, the link, the reading and
// Tab order with every name, Enter on a focused button, the layout at every width from 320 px,
// at 200 and 400 % zoom, with text spacing and a 24 px font, German number format, axe-core's
// verdict, and 500 random inputs typed in giving the lines orvanel-cli gives.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { Serve } from '../../web/serve.mjs';
import { testNeeding } from './needs.mjs';

const web = new URL('../../web/', import.meta.url);
const { chromium } = await import(new URL('node_modules/playwright-core/index.mjs', web).href);
const axeSource = readFileSync(new URL('node_modules/axe-core/axe.min.js', web), 'utf8');
const { ORVANEL_SITE: site = '', ORVANEL_CLI: cli = '' } = process.env;
const noSite = site ? '' : 'ORVANEL_SITE does not name the built page';
const noCli = cli ? '' : 'ORVANEL_CLI does not name orvanel-cli';
/** @type {import('node:http').Server} */
let server;
/** @type {any} */
let browser;
let origin = '';

before(async () => {
  if (!site) return;
  ({ server, address: origin } = await Serve(site, 0));
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--disable-quic', '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
});

after(async () => {
  await browser?.close();
  server?.close();
});

/**
 * The page in a browser profile of its own, started.
 * @param {string} query @param {object} options the profile's, such as a viewport
 * @param {(page: any) => Promise<unknown>} prepare before the page is loaded
 */
async function open(query = '', options = {}, prepare = async () => {}) {
  const context = await browser.newContext({ permissions: ['clipboard-read', 'clipboard-write'], ...options });
  const page = await context.newPage();
  await prepare(page);
  await page.goto(`${origin}${query}`);
  await page.waitForSelector('body[data-ready]');
  return page;
}

/** @param {any} page */
const paneLines = async (page) => `${await page.getByRole('textbox', { name: 'Results' }).innerText()}\n`.split('\n');
/** @param {any} page */
const lastLine = async (page) => (await paneLines(page)).at(-2);
/** @param {any} page */
const focused = (page) => page.evaluate(() => document.activeElement?.id);
/** @param {any} page @param {string} name @param {string} text */
const enter = async (page, name, text) => {
  await page.getByRole('textbox', { name, exact: true }).fill(text);
  await page.getByRole('textbox', { name, exact: true }).press('Enter');
};

testNeeding('start-up, both conversions, their messages and where the focus goes', noSite, async () => {
  const page = await open();
  assert.equal(await page.title(), 'Orvanel 5.54');
  assert.deepEqual(await paneLines(page), ['1.00 radians = 57°17\'45"', '']);
  assert.equal(await focused(page), 'txbRadians');
  assert.equal(await page.getByLabel('Significant figures').inputValue(), '7');
  await enter(page, 'Radians', '1');
  assert.equal(await lastLine(page), '1.00000 radians = 57°17\'45"');
  assert.equal(await page.locator('#announcer').textContent(), '1.00000 radians = 57°17\'45"');
  await enter(page, 'Degrees', 'abc');
  const box = page.getByRole('alertdialog', { name: 'Degrees to radians' });
  assert.equal(await box.getByText('Invalid input for degrees, minutes or seconds.').count(), 1);
  assert.equal(await focused(page), 'msgOk');
  await page.keyboard.press('Escape');
  await page.getByRole('textbox', { name: 'Degrees' }).fill('10');
  await enter(page, 'minutes', '60');
  assert.equal(await box.getByText('Minutes out of range').count(), 1);
  await page.keyboard.press('Enter');
  assert.equal(await focused(page), 'txbMinutes');
  assert.deepEqual(await page.evaluate(() => [/** @type {HTMLInputElement} */ (document.activeElement).selectionStart]), [2]);
  assert.equal((await paneLines(page)).length, 3); // a refused command adds no line
});

testNeeding('forms, sign, adder, copy button, clipboard, Clear and Help', noSite, async () => {
  const page = await open();
  const check = (/** @type {string} */ name) => page.getByRole('checkbox', { name }).click();
  await check('Output in decimal');
  assert.equal(await page.getByRole('checkbox', { name: 'Round to minutes' }).isDisabled(), true);
  assert.equal(await focused(page), 'cmdRad2Deg');
  await page.getByRole('radio', { name: 'minutes' }).click();
  await enter(page, 'Radians', '1');
  assert.equal(await lastLine(page), '1.00000 radians = 57°17.75\'');
  await check('Output in decimal');
  await check('Round to minutes');
  await page.getByRole('button', { name: 'Radians to degrees' }).press('Enter'); // Enter presses a focused button
  assert.equal(await lastLine(page), '1.00000 radians = 57°18\'');

  await page.getByRole('button', { name: 'Clear input' }).click();
  await page.getByRole('textbox', { name: 'Degrees' }).fill('30');
  await page.getByRole('button', { name: 'Change sign' }).click();
  assert.equal(await page.locator('#lblSign').textContent(), '\u2212Sign: minus'); // seen, then heard
  assert.equal(await focused(page), 'cmdDeg2Rad');
  await page.keyboard.press('Enter');
  assert.equal(await lastLine(page), '-30°0\'0" = -0.52360 radians');

  await page.getByRole('textbox', { name: 'Radians' }).fill('3');
  await page.getByRole('textbox', { name: 'Second value' }).fill('4');
  await page.getByRole('button', { name: 'Add' }).click();
  assert.equal(await lastLine(page), '(3 + 4) mod 2pi = 0.71681');
  await page.getByRole('button', { name: 'Move radians to second value' }).click();
  assert.equal(await page.getByRole('textbox', { name: 'Second value' }).inputValue(), '0.71681');

  const pane = page.getByRole('textbox', { name: 'Results' });
  await page.getByRole('button', { name: 'Copy to clipboard' }).click();
  assert.match(await page.evaluate(() => navigator.clipboard.readText()), /^1\.00 radians = 57°17'45"\r\n/);
  await page.getByRole('button', { name: 'Clear output' }).click();
  assert.equal(await pane.innerText(), '');

  await page.getByRole('button', { name: 'Help' }).click();
  const help = page.getByRole('textbox', { name: 'Help for Orvanel' });
  assert.match(await help.inputValue(), /^Orvanel - a calculator for plane angles/);
  assert.equal(await focused(page), 'txbText1');
  await page.getByRole('button', { name: 'Close' }).click();
  assert.equal(await help.isVisible(), false);
  assert.equal(await page.getByRole('link', { name: '© 2026 The Orvanel developers' }).getAttribute('href'),
    'https://orvanel.example.org/');
});

testNeeding('the page reads, and Tab goes, down the left column, then the right, each control named as it shows', noSite, async () => {
  const page = await open();
  const order = [['textbox', 'Radians'], ['button', 'Add'], ['button', 'Subtract'], ['button', 'Move radians to second value'],
    ['textbox', 'Second value'], ['button', 'Radians to degrees'], ['checkbox', 'Round to minutes'],
    ['checkbox', 'Output in decimal'], ['textbox', 'Degrees'], ['textbox', 'minutes'], ['textbox', 'seconds'],
    ['button', 'Degrees to radians'], ['button', 'Change sign '], ['button', 'Clear input'], ['button', 'Clear output'],
    ['button', 'Help'], ['button', 'Copy to clipboard'], ['link', '© 2026 The Orvanel developers'],
    ['checkbox', 'Show +/- results'], ['combobox', 'Significant figures'], ['textbox', 'Results']];
  await page.getByRole('textbox', { name: 'Radians' }).focus();
  for (const [role, name] of order) {
    const id = await page.getByRole(role, { name, exact: true }).evaluate((/** @type {Element} */ e) => e.id);
    assert.equal(await focused(page), id, `${role} ${name}`);
    await page.keyboard.press('Tab');
  }
  // The options greyed at start-up stand, in the reading order, after "Output in decimal".
  const read = await page.locator('#frmMain input, #frmMain button, #frmMain select, #frmMain a, #frmMain [role="textbox"]')
    .evaluateAll((/** @type {Element[]} */ all) => all.map((e) => e.id));
  assert.deepEqual(read.slice(7, 11), ['chkDecimal', 'optDecDegrees', 'optDecMinutes', 'txbDegrees']);
  assert.equal(await page.getByRole('textbox', { name: 'Degrees' }).getAttribute('aria-describedby'), 'lblSignSpoken');
});

/**
 * What is wrong with the layout as it stands: the page wider than the screen, a control off
 * screen, over another, or with its text beyond its box.
 * @param {any} page
 * @returns {Promise<string[]>}
 */
const LayoutProblems = (page) => page.evaluate(() => {
  const problems = [];
  const width = document.documentElement.clientWidth;
  if (document.documentElement.scrollWidth > width) problems.push(`the page is ${document.documentElement.scrollWidth} px wide`);
  const controls = [...document.querySelectorAll('#frmMain .unit > *, #update:not([hidden]) > *, ' +
    '.convertOptions > :not([hidden]), .convertRun > :not(:empty)')];
  const name = (/** @type {Element} */ e) => e.id || e.textContent;
  const boxes = controls.map((e) => /** @type {[Element, DOMRect]} */ ([e, e.getBoundingClientRect()]));
  for (const [e, r] of boxes) {
    if (r.left < -0.5 || r.right > width + 0.5) problems.push(`${name(e)} is off screen`);
    if (e.matches('input, button, select, a, .check, .option') && (r.width < 24 || r.height < 24)) {
      problems.push(`${name(e)} is smaller than 24 x 24 px to tap`);
    }
    if (e.tagName !== 'INPUT' && !e.classList.contains('pane') && e.scrollWidth > e.clientWidth + 1) {
      problems.push(`${name(e)} clips its text: ${e.scrollWidth} > ${e.clientWidth}`);
    }
  }
  boxes.forEach(([e, r], i) => boxes.slice(i + 1).forEach(([f, q]) => {
    if (Math.min(r.right, q.right) - Math.max(r.left, q.left) > 0.5 && Math.min(r.bottom, q.bottom) - Math.max(r.top, q.top) > 0.5) {
      problems.push(`${name(e)} overlaps ${name(f)}`);
    }
  }));
  const dialog = document.querySelector('dialog[open]')?.getBoundingClientRect();
  if (dialog && (dialog.left < 0 || dialog.right > width || dialog.bottom > document.documentElement.clientHeight + 0.5)) {
    problems.push('the message leaves the screen');
  }
  return problems;
});

/** @param {any} page @param {string} how */
async function AssertLayout(page, how) {
  assert.deepEqual(await LayoutProblems(page), [], `${how}, at start-up`);
  await enter(page, 'Degrees', 'x'); // a message: "Invalid input for ..." whole, OK on screen
  await page.getByRole('alertdialog').waitFor();
  assert.deepEqual(await LayoutProblems(page), [], `${how}, with a message`);
  await page.keyboard.press('Enter');
  await page.getByRole('button', { name: 'Help' }).click();
  await page.getByRole('textbox', { name: 'Help for Orvanel' }).waitFor(); // shown once read
  const help = await page.locator('#frmView').boundingBox();
  assert.ok(help && help.x >= 0 && help.x + help.width <= (await page.evaluate(() => document.documentElement.clientWidth)) + 0.5,
    `${how}: Help fits the width`);
}

/** @type {[number, number, number, string][]} width, height, device pixels per CSS pixel, what it is */
const SCREENS = [[320, 640, 1, '320 px'], [360, 740, 1, '360 px'], [390, 844, 1, '390 px'],
  [768, 1024, 1, '768 px'], [1280, 800, 1, '1280 px'], [640, 400, 2, 'a 1280 px laptop at 200 %'],
  [320, 180, 4, 'a 1280 px laptop at 400 %']];
for (const [width, height, scale, what] of SCREENS) {
  testNeeding(`every control whole and on screen at ${what}`, noSite, async () => {
    const page = await open('', { viewport: { width, height }, deviceScaleFactor: scale });
    await AssertLayout(page, what);
    await page.context().close();
  });
}

testNeeding('text spacing and a browser font size of 24 px grow the controls instead of clipping them', noSite, async () => {
  for (const width of [390, 1280]) {
    const page = await open('', { viewport: { width, height: 900 } });
    await page.addStyleTag({ content: '* { line-height: 1.5 !important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }' });
    await AssertLayout(page, `text spacing at ${width} px`);
    await page.context().close();
  }
  const page = await open('', { viewport: { width: 1280, height: 900 } }, async (/** @type {any} */ fresh) =>
    (await fresh.context().newCDPSession(fresh)).send('Page.setFontSizes', { fontSizes: { standard: 24, fixed: 24 } }));
  assert.equal(await page.evaluate(() => getComputedStyle(document.documentElement).fontSize), '24px');
  await AssertLayout(page, 'a font size of 24 px');
  await page.context().close();
});

testNeeding('German number format follows ?lang=de; the rest stays as it is', noSite, async () => {
  const page = await open('?lang=de');
  await page.getByRole('checkbox', { name: 'Output in decimal' }).click();
  await enter(page, 'Radians', '1,5');
  assert.equal(await lastLine(page), '1,50000 radians = 85,9437°');
  await page.getByRole('combobox', { name: 'Significant figures' }).selectOption('9');
  await enter(page, 'Radians', '-2');
  assert.equal(await lastLine(page), '-2.0000000 radians = -114.591559°');
});

// The window's fields keep every C0 control pasted into them. A text field of a page cannot
// hold a line break: the browser pastes LF and CR as a space, which the engine refuses as the
// window refuses the line break.
testNeeding('a pasted C0 control stays in every field as in the window, and nothing else changes', noSite, async () => {
  const page = await open();
  const names = ['Radians', 'Second value', 'Degrees', 'minutes', 'seconds'];
  const field = (/** @type {string} */ name) => page.getByRole('textbox', { name, exact: true });
  const lines = (await paneLines(page)).length;
  for (let c = 0; c < 32; c++) {
    const pasted = `1${String.fromCharCode(c)}2`;
    await page.evaluate((/** @type {string} */ text) => navigator.clipboard.writeText(text), pasted);
    for (const name of names) {
      await field(name).fill('');
      await field(name).press('Control+V');
    }
    // Change sign reads every field and writes them all back: each comes back as it went.
    await page.getByRole('button', { name: 'Change sign' }).click();
    const kept = c === 10 || c === 13 ? '1 2' : pasted;
    for (const name of names) assert.equal(await field(name).inputValue(), kept, `${name}, ${c}`);
  }
  assert.equal((await paneLines(page)).length, lines);
});

testNeeding('the copy button follows the selection however it is made; a greyed control keeps the focus', noSite, async () => {
  const page = await open();
  const pane = page.getByRole('textbox', { name: 'Results' });
  // The caption follows selectionchange, which the browser sends a moment after the change.
  const caption = (/** @type {string} */ text) => page.waitForFunction(
    (/** @type {string} */ t) => document.getElementById('cmdCopyOutput')?.textContent === t, text, { timeout: 2000 });
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  await enter(page, 'Radians', '2');
  await pane.click();
  await page.keyboard.press('Control+A');
  await caption('Copy selected text to clipboard');
  await pane.click({ position: { x: 30, y: 6 } }); // a click inside the selection ends it
  await caption('Copy to clipboard');
  await page.keyboard.press('Control+Home');
  await page.keyboard.press('Shift+ArrowRight');
  await page.keyboard.press('Shift+ArrowRight');
  await caption('Copy selected text to clipboard');
  await page.getByRole('button', { name: 'Copy selected text to clipboard' }).click();
  assert.equal(await clipboard(), '1.');
  await caption('Copy to clipboard');

  await page.getByRole('textbox', { name: 'Radians' }).focus();
  await page.getByRole('radio', { name: 'minutes' }).click({ force: true }); // greyed at start
  assert.equal(await focused(page), 'txbRadians');
});

testNeeding('a phone gets a digit keyboard where no minus is typed, and Enter says what it does', noSite, async () => {
  const page = await open();
  const attributes = (/** @type {string} */ name) => page.getByRole('textbox', { name, exact: true }).evaluate(
    (/** @type {HTMLInputElement} */ f) => [f.inputMode, f.enterKeyHint, f.getAttribute('autocapitalize'), f.getAttribute('autocorrect')].join(' '));
  assert.equal(await attributes('Degrees'), 'decimal go off off');
  assert.equal(await attributes('seconds'), 'decimal go off off');
  assert.equal(await attributes('Radians'), 'text go off off');
  assert.equal(await attributes('Second value'), 'text done off off');
});

testNeeding('a help text that cannot be fetched is said as the window says it', noSite, async () => {
  const page = await open();
  await page.route('**/orvanel_help.txt', (/** @type {any} */ route) => route.fulfill({ status: 404 }));
  await page.getByRole('button', { name: 'Help' }).click();
  const dialog = page.getByRole('alertdialog', { name: 'Error reading file' });
  assert.equal(await dialog.locator('#msgText').textContent(), 'Error 53.  File not found');
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('#frmView').isVisible(), false);
  assert.equal(await focused(page), 'cmdHelp');
  await page.unroute('**/orvanel_help.txt');
  await page.getByRole('button', { name: 'Help' }).click(); // found again: shown
  assert.match(await page.getByRole('textbox', { name: 'Help for Orvanel' }).inputValue(), /^Orvanel/);
});

testNeeding('axe-core finds no violation at 390 and 1280 px: at start-up, with a message open, and with Help open', noSite, async () => {
  for (const width of [390, 1280]) {
    const page = await open('', { viewport: { width, height: 844 } });
    await page.addScriptTag({ content: axeSource });
    const violations = async () => (await page.evaluate(() => /** @type {any} */ (window).axe.run({
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21aa', 'wcag22aa', 'best-practice'] } })))
      .violations.map((/** @type {{id: string}} */ v) => v.id);
    assert.deepEqual(await violations(), [], `${width} px, start-up`);
    await enter(page, 'Degrees', 'x');
    await page.getByRole('alertdialog').waitFor();
    assert.deepEqual(await violations(), [], `${width} px, a message`);
    await page.keyboard.press('Enter');
    await ConvertPasted(page, ['1', 'x', '2']);
    assert.deepEqual(await violations(), [], `${width} px, a conversion done`);
    await page.getByRole('button', { name: 'Help' }).click();
    await page.getByRole('textbox', { name: 'Help for Orvanel' }).waitFor();
    assert.deepEqual(await violations(), [], `${width} px, Help`);
    await page.context().close();
  }
});

testNeeding('500 random inputs typed in give the lines orvanel-cli gives', noSite || noCli, async () => {
  const page = await open();
  let seed = 17;
  const random = () => ((seed = (seed * 1103515245 + 12345) % 2 ** 31) / 2 ** 31);
  const number = (/** @type {number} */ limit, /** @type {number} */ decimals) =>
    (random() * limit).toFixed(decimals).replace('.', random() < 0.3 ? ',' : '.');
  /** @type {Record<string, {inputs: string[], lines: string[]}>} */
  const typed = { rad2deg: { inputs: [], lines: [] }, deg2rad: { inputs: [], lines: [] } };
  for (let i = 0; i < 500; ++i) {
    if (i % 2 === 0) {
      const radians = `${random() < 0.4 ? '-' : ''}${number(6.28, Math.floor(random() * 8))}`;
      await enter(page, 'Radians', radians);
      typed.rad2deg.inputs.push(radians);
      typed.rad2deg.lines.push(`${await lastLine(page)}\n`);
    } else {
      const parts = [number(360, 0), number(59, 0), number(59, Math.floor(random() * 3))];
      await page.getByRole('button', { name: 'Clear input' }).click();
      for (const [j, name] of ['Degrees', 'minutes', 'seconds'].entries()) {
        await page.getByRole('textbox', { name, exact: true }).fill(parts[j]);
      }
      await page.getByRole('textbox', { name: 'seconds' }).press('Enter');
      typed.deg2rad.inputs.push(`${parts[0]}°${parts[1]}'${parts[2]}"`);
      typed.deg2rad.lines.push(`${await lastLine(page)}\n`);
    }
  }
  for (const [command, { inputs, lines }] of Object.entries(typed)) {
    const said = execFileSync(cli, [command], { input: `${inputs.join('\n')}\n` }).toString();
    assert.deepEqual(said.split(/(?<=\n)/), lines, command);
  }
});

testNeeding('offline: the visited site keeps working and converting, and so does the single file from disk', noSite, async () => {
  const page = await open();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.context().setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready]');
  assert.deepEqual(await paneLines(page), ['1.00 radians = 57°17\'45"', '']);
  assert.equal((await ConvertPasted(page, ['1'])).toString(), '1.00000 radians = 57°17\'45"\n');
  await page.goto(new URL('../orvanel.html', `file://${site}/`).href);
  await page.waitForSelector('body[data-ready]');
  await page.getByRole('button', { name: 'Clear input' }).click();
  await enter(page, 'Degrees', '30');
  assert.equal(await lastLine(page), '30°0\'0" = 0.52360 radians');
  assert.equal((await ConvertPasted(page, ['2'])).toString(), '2.00000 radians = 114°35\'30"\n');
});

/**
 * Converts with the converter's default options (rad2deg) the lines pasted in.
 * @param {any} page @param {string[]} lines
 * @returns {Promise<Buffer>} what it offers to download
 */
async function ConvertPasted(page, lines) {
  await page.getByRole('textbox', { name: 'Paste the angles here' }).fill(`${lines.join('\n')}\n`);
  return Converted(page);
}

/** @param {any} page @returns {Promise<Buffer>} the result of the conversion started, downloaded */
async function Converted(page) {
  await page.getByRole('button', { name: 'Convert', exact: true }).click();
  const link = page.getByRole('link', { name: /^Download / });
  await link.waitFor();
  const [download] = await Promise.all([page.waitForEvent('download'), link.click()]);
  return readFileSync(await download.path());
}

// Rows of gauges with their positions in the notations people write, a few of them wrong, a
// quoted note with delimiters and a line break; about `size` bytes.
/** @param {number} size */
function GaugeFile(size) {
  const rows = ['gauge,lat,lon,note'];
  const notes = ['', '"upper, left bank"', '"said ""dry""\nin May"'];
  for (let i = 0, bytes = 0; bytes < size; i++) {
    const lat = `${i % 90} ${i % 60} ${(i * 7) % 60}.${i % 10}${i % 3 ? ' S' : ''}`;
    const lon = i % 997 === 0 ? 'east' : `${i % 180}°${i % 60}'${(i * 13) % 600 / 10}"E`;
    rows.push(`G${i},${lat},${lon},${notes[i % 3]}`);
    bytes += rows.at(-1)?.length ?? 0;
  }
  return Buffer.from(`${rows.join('\r\n')}\r\n`);
}

testNeeding('a 10 MB CSV file and pasted lines convert as orvanel-cli converts them, with no request on the way', noSite || noCli, async () => {
  const page = await open();
  const file = GaugeFile(10e6);
  const folder = mkdtempSync(join(tmpdir(), 'orvanel-'));
  writeFileSync(join(folder, 'gauges.csv'), file);
  await page.getByLabel('Command').selectOption('dms2deg');
  await page.getByLabel('Decimals').selectOption('7');
  await page.getByLabel('CSV columns').check();
  await page.getByLabel('The first row names the columns').check();
  await page.locator('#cvFile').setInputFiles(join(folder, 'gauges.csv'));
  await page.getByRole('checkbox', { name: 'lat' }).check();
  await page.getByRole('checkbox', { name: 'lon' }).check();
  /** @type {string[]} */
  const requests = [];
  page.context().on('request', (/** @type {any} */ r) => requests.push(r.url()));
  const words = ['dms2deg', '--decimals', '7', '--csv', '--delimiter', ',', '--header', '--column', '2', '--column', '3'];
  const run = spawnSync(cli, [...words, '--file', 'gauges.csv'], { cwd: folder, maxBuffer: 1 << 26 });
  assert.ok((await Converted(page)).equals(run.stdout), 'the converted file');
  assert.deepEqual(requests.filter((url) => !url.startsWith('blob:')), []);
  const refused = run.stderr.toString().replaceAll('orvanel-cli: ', '').trim().split('\n');
  assert.deepEqual(await page.locator('#cvRefusals li').allTextContents(), refused);
  assert.equal(await page.getByRole('link', { name: /^Download / }).textContent(), 'Download gauges.dms2deg.csv');

  // Cancelled before the end, nothing is offered.
  writeFileSync(join(folder, 'more.csv'), Buffer.concat([file, file, file, file]));
  await page.locator('#cvFile').setInputFiles(join(folder, 'more.csv'));
  await page.getByRole('button', { name: 'Convert', exact: true }).click();
  await page.getByRole('status').getByText(/^Converting… (25|50|75) %$/).waitFor(); // said as it goes
  await page.getByRole('button', { name: 'Cancel' }).click();
  await page.getByText('Cancelled.').waitFor();
  assert.equal(await page.locator('#cvResult').isVisible(), false);

  await page.getByLabel('Command').selectOption('deg2dms');
  await page.locator('#cvForm').selectOption('degmin');
  await page.getByLabel('CSV columns').uncheck();
  const lines = ['-36.952777', '174,75833', '360', '1e400', '', '12.5 N'];
  const pasted = await ConvertPasted(page, lines);
  const said = spawnSync(cli, ['deg2dms', '--form', 'degmin', '--decimals', '7'], { input: `${lines.join('\n')}\n` });
  assert.ok(pasted.equals(said.stdout), pasted.toString());
  // A file dropped on the panel is taken as one opened.
  const dropped = await page.evaluateHandle(() => {
    const data = new DataTransfer();
    data.items.add(new File(['12.5\n'], 'dropped.txt'));
    return data;
  });
  await page.locator('#frmConvert').dispatchEvent('drop', { dataTransfer: dropped });
  assert.equal((await Converted(page)).toString(), '12.5 = 12°30.0000000\'\n');
  assert.equal(await page.getByRole('link', { name: /^Download / }).textContent(), 'Download dropped.deg2dms.txt');
  rmSync(folder, { recursive: true });
});

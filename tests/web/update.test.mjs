// A new release reaches a returning visitor, and the files of two releases never meet: release
// A is visited, release B published (one changed file; and a new engine with a changed file),
// with and without a host's long Cache-Control and gzip; the next visit shows B, or the notice
// and then B; offline after that, B. A page whose engine is of another release refuses to start.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, copyFileSync, cpSync, mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';
import { Serve } from '../../web/serve.mjs';
import { testNeeding } from './needs.mjs';

const root = fileURLToPath(new URL('../../', import.meta.url));
const { chromium } = await import(join(root, 'web/node_modules/playwright-core/index.mjs'));
const { ORVANEL_SITE: site = '', ORVANEL_WASM: wasm = '' } = process.env;
const missing = site && wasm ? '' : 'ORVANEL_SITE and ORVANEL_WASM do not name the built page and engine';
/** @type {any} */
let browser;
/** @type {string[]} the copies of the sources, removed at the end */
const trees = [];

before(async () => {
  if (!missing) browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-dev-shm-usage'] });
});
after(async () => {
  await browser?.close();
  trees.forEach((tree) => rmSync(tree, { recursive: true, force: true }));
});

/**
 * The site built from a copy of the page's sources after `change` has changed it.
 * @param {(tree: string) => void} change
 */
function Release(change) {
  const tree = mkdtempSync(join(tmpdir(), 'orvanel-release-'));
  trees.push(tree);
  cpSync(join(root, 'web'), join(tree, 'web'), { recursive: true, filter: (from) => !from.includes('node_modules') });
  cpSync(join(root, 'resources'), join(tree, 'resources'), { recursive: true });
  mkdirSync(join(tree, 'build-web', 'wasm'), { recursive: true });
  copyFileSync(wasm, join(tree, 'build-web', 'wasm', 'orvanel.wasm'));
  change(tree);
  execFileSync('node', [join(tree, 'web', 'build.mjs'), join(tree, 'build-web')]);
  return join(tree, 'build-web', 'site');
}

/** @param {string} tree @param {string} mark */
const NewHelp = (tree, mark) => appendFileSync(join(tree, 'resources', 'orvanel_help.txt'), `\n${mark}\n`);
/** @param {string} tree a different engine file: a custom section more */
const NewEngine = (tree) => appendFileSync(join(tree, 'build-web', 'wasm', 'orvanel.wasm'), Buffer.from([0, 4, 3, 0x6E, 0x65, 0x77]));

/** @param {any} page @returns {Promise<string>} the help text the page shows */
async function HelpText(page) {
  await page.getByRole('button', { name: 'Help' }).click();
  return page.getByRole('textbox', { name: 'Help for Orvanel' }).inputValue(); // Help shows it again
}

/** @param {any} page */
const Ready = (page) => page.waitForSelector('body[data-ready]');

for (const host of [{}, { cacheControl: 'public, max-age=31536000', gzip: true }]) {
  const how = host.cacheControl ? 'with a year of Cache-Control and gzip' : 'without cache headers';
  for (const [what, changeB] of /** @type {[string, (tree: string) => void][]} */ ([
    ['one changed file', (tree) => NewHelp(tree, 'Release B')],
    ['a new engine', (tree) => { NewHelp(tree, 'Release B'); NewEngine(tree); }]])) {
    testNeeding(`release B (${what}) reaches a returning visitor ${how}, and stays offline`, missing, async () => {
      const a = Release((tree) => NewHelp(tree, 'Release A'));
      const b = Release(changeB);
      const { server, address, publish } = await Serve(a, 0, host);
      const context = await browser.newContext();
      try {
        let page = await context.newPage();
        await page.goto(address);
        await Ready(page);
        await page.evaluate(() => navigator.serviceWorker.ready);
        assert.match(await HelpText(page), /Release A/);
        await page.close();

        publish(b);
        page = await context.newPage();
        await page.goto(address);
        await Ready(page);
        const notice = page.getByRole('button', { name: 'Load the new version' });
        await notice.waitFor({ timeout: 15000 });
        assert.match(await HelpText(page), /Release A/); // until asked, the page keeps its release
        await Promise.all([page.waitForEvent('load'), notice.click()]);
        await Ready(page);
        assert.match(await HelpText(page), /Release B/);

        await context.setOffline(true);
        await page.reload();
        await Ready(page);
        assert.match(await HelpText(page), /Release B/);
      } finally {
        await context.close();
        server.close();
      }
    });
  }
}

testNeeding('a page whose engine comes from another release refuses to start and says to reload', missing, async () => {
  const a = Release((tree) => NewHelp(tree, 'Release A'));
  const b = Release((tree) => { NewHelp(tree, 'Release B'); NewEngine(tree); });
  copyFileSync(join(b, 'app', 'main.js'), join(a, 'app', 'main.js')); // a cache on the way mixed them
  const { server, address } = await Serve(a, 0);
  const context = await browser.newContext({ serviceWorkers: 'block' });
  try {
    const page = await context.newPage();
    await page.goto(address);
    const dialog = page.getByRole('alertdialog', { name: 'Orvanel' });
    await dialog.waitFor();
    assert.match(await dialog.textContent(), /Reload the page to use the new version/);
    assert.equal(await page.locator('body[data-ready]').count(), 0);
  } finally {
    await context.close();
    server.close();
  }
});

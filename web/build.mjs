// Lays out the page from web/, the engine built into build-web/wasm/ and the help text:
//   build-web/site/       the site to serve (start page index.html), with a service worker
//   build-web/orvanel.html one file with everything inlined, to open straight from disk
// Usage: node web/build.mjs [BUILD_FOLDER]   (scripts/build web runs it)
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const web = dirname(fileURLToPath(import.meta.url));
const root = join(web, '..');
const build = process.argv[2] ?? join(root, 'build-web');
const site = join(build, 'site');
const version = /project\(Orvanel VERSION ([0-9.]+)/.exec(readFileSync(join(root, 'CMakeLists.txt'), 'utf8'))?.[1];
const modules = ['engine.js', 'pane.js', 'page.js', 'viewer.js', 'main.js']; // each after what it imports

/** @type {Record<string, string>} */
const files = {
  'index.html': join(web, 'index.html'),
  'style.css': join(web, 'style.css'),
  'manifest.webmanifest': join(web, 'manifest.webmanifest'),
  'orvanel.wasm': join(build, 'wasm', 'orvanel.wasm'),
  'orvanel_help.txt': join(root, 'resources', 'orvanel_help.txt'),
  'orvanel.svg': join(root, 'resources', 'orvanel.svg'),
  'orvanel-32.png': join(root, 'resources', 'orvanel-32.png'),
  ...Object.fromEntries(modules.map((m) => [`app/${m}`, join(web, 'app', m)])),
};

rmSync(site, { recursive: true, force: true });
mkdirSync(join(site, 'app'), { recursive: true });
for (const [name, from] of Object.entries(files)) copyFileSync(from, join(site, name));
writeFileSync(join(site, 'sw.js'), readFileSync(join(web, 'sw.js'), 'utf8').replace('@VERSION@', version ?? 'dev'));

// The single file: the modules joined in order without their imports and exports, the style,
// the engine as base64 and the help text inlined; no service worker, no manifest.
const read = (/** @type {string} */ name) => readFileSync(files[name], 'utf8');
const script = modules.map((m) => read(`app/${m}`)
  .replace(/^import .*;\n/gm, '')
  .replace(/^export /gm, '')).join('\n');
const inline = `globalThis.ORVANEL_WASM = "${readFileSync(files['orvanel.wasm']).toString('base64')}";\n` +
  `globalThis.ORVANEL_HELP = ${JSON.stringify(read('orvanel_help.txt'))};`;
const icon = `data:image/svg+xml;base64,${readFileSync(files['orvanel.svg']).toString('base64')}`;
const single = read('index.html')
  .replace(/<link rel="manifest"[^>]*>\n/, '')
  .replace(/<link rel="(modulepreload|preload)"[^>]*>\n/g, '')
  .replace(/<link rel="icon"[^>]*>/, `<link rel="icon" href="${icon}" type="image/svg+xml">`)
  .replace(/<link rel="stylesheet"[^>]*>/, () => `<style>\n${read('style.css')}</style>`)
  .replace(/<script type="module"[^>]*><\/script>/,
    () => `<script>\n${inline}\n</script>\n<script type="module">\n${script}</script>`);
writeFileSync(join(build, 'orvanel.html'), single);
console.log(`page built: ${join(site, 'index.html')} and ${join(build, 'orvanel.html')}`);

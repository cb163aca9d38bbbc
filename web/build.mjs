// Lays out the page from web/, the engine built into build-web/wasm/ and the help text:
//   build-web/site/       the site to serve (start page index.html), with a service worker
//   build-web/orvanel.html one file with everything inlined, to open straight from disk
// Usage: node web/build.mjs [BUILD_FOLDER]   (scripts/build web runs it)
import { createHash } from 'node:crypto';
import { mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const web = dirname(fileURLToPath(import.meta.url));
const root = join(web, '..');
const build = process.argv[2] ?? join(root, 'build-web');
const site = join(build, 'site');
const modules = ['protocol.js', 'engine.js', 'pane.js', 'page.js', 'viewer.js', 'convert.js', 'main.js']; // each after what it imports
const worker = 'convert-worker.js'; // started when the converter is first used

/** @type {Record<string, string>} */
const files = {
  'index.html': join(web, 'index.html'),
  'style.css': join(web, 'style.css'),
  'manifest.webmanifest': join(web, 'manifest.webmanifest'),
  'orvanel.wasm': join(build, 'wasm', 'orvanel.wasm'),
  'orvanel_help.txt': join(root, 'resources', 'orvanel_help.txt'),
  'orvanel.svg': join(root, 'resources', 'orvanel.svg'),
  ...Object.fromEntries(['orvanel-32.png', 'orvanel-192.png', 'orvanel-512.png', 'orvanel-maskable-512.png',
    'orvanel-touch-180.png'].map((icon) => [icon, join(root, 'resources', icon)])),
  ...Object.fromEntries([...modules, worker].map((m) => [`app/${m}`, join(web, 'app', m)])),
};

// The release: a hash of every file, so that any change, with or without a new version, is a
// new release. The service worker, the start-up script and the engine (a custom section
// "orvanel-release") carry it; the page refuses to start with an engine of another release.
/** @type {Record<string, Buffer>} */
const contents = Object.fromEntries(Object.entries(files).map(([name, from]) => [name, readFileSync(from)]));
contents['sw.js'] = readFileSync(join(web, 'sw.js'));
const hash = createHash('sha256');
for (const name of Object.keys(contents).sort()) hash.update(name).update('\0').update(contents[name]).update('\0');
const release = hash.digest('hex').slice(0, 16);
contents['sw.js'] = Buffer.from(contents['sw.js'].toString('utf8').replace('@RELEASE@', release)
  .replace('@FILES@', JSON.stringify(['./', ...Object.keys(files)])));
for (const script of ['app/main.js', `app/${worker}`]) {
  contents[script] = Buffer.from(contents[script].toString('utf8').replace('@RELEASE@', release));
}
contents['orvanel.wasm'] = WithSection(contents['orvanel.wasm'], 'orvanel-release', release);
const preloads = modules.filter((m) => m !== 'main.js').map((m) => `<link rel="modulepreload" href="app/${m}">`);
contents['index.html'] = Buffer.from(contents['index.html'].toString('utf8').replace('<!-- modulepreloads -->', preloads.join('\n')));

/**
 * A WebAssembly module with a custom section added at its end.
 * @param {Buffer} module @param {string} name @param {string} text
 */
function WithSection(module, name, text) {
  const leb = (/** @type {number} */ n) => {
    const bytes = [];
    do {
      bytes.push((n & 0x7F) | (n > 0x7F ? 0x80 : 0));
      n >>>= 7;
    } while (n > 0);
    return Buffer.from(bytes);
  };
  const payload = Buffer.concat([leb(name.length), Buffer.from(name), Buffer.from(text)]);
  return Buffer.concat([module, Buffer.from([0]), leb(payload.length), payload]);
}

rmSync(site, { recursive: true, force: true });
mkdirSync(join(site, 'app'), { recursive: true });
for (const [name, content] of Object.entries(contents)) writeFileSync(join(site, name), content);

// The single file: the modules joined in order without their imports and exports, the style,
// the engine as base64 and the help text inlined; no service worker, no manifest.
const read = (/** @type {string} */ name) => contents[name].toString('utf8');
const joined = (/** @type {string[]} */ names) => names.map((m) => read(`app/${m}`)
  .replace(/^import .*;\n/gm, '')
  .replace(/^export /gm, '')).join('\n');
const script = joined(modules);
const inline = `globalThis.ORVANEL_WASM = "${contents['orvanel.wasm'].toString('base64')}";\n` +
  `globalThis.ORVANEL_HELP = ${JSON.stringify(read('orvanel_help.txt'))};\n` +
  `globalThis.ORVANEL_WORKER = ${JSON.stringify(joined(['protocol.js', 'engine.js', worker])).replaceAll('</', '<\\/')};`;
const icon = `data:image/svg+xml;base64,${contents['orvanel.svg'].toString('base64')}`;
const single = read('index.html')
  .replace(/<link rel="(manifest|apple-touch-icon)"[^>]*>\n/g, '')
  .replace(/<link rel="(modulepreload|preload)"[^>]*>\n/g, '')
  .replace(/<link rel="icon"[^>]*>/, `<link rel="icon" href="${icon}" type="image/svg+xml">`)
  .replace(/<link rel="stylesheet"[^>]*>/, () => `<style>\n${read('style.css')}</style>`)
  .replace(/<script type="module"[^>]*><\/script>/,
    () => `<script>\n${inline}\n</script>\n<script type="module">\n${script}</script>`);
writeFileSync(join(build, 'orvanel.html'), single);
console.log(`page built: ${join(site, 'index.html')} and ${join(build, 'orvanel.html')}`);

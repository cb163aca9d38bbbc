// Serves a folder over HTTP on 127.0.0.1, with the types a browser needs for the page (the
// engine as application/wasm above all). `node web/serve.mjs FOLDER [PORT]` serves until
// stopped and prints the address; the browser tests start it on a free port themselves, and
// can serve as a real host does (a long Cache-Control, gzip) and switch to another release.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

/** @type {Record<string, string>} */
const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.txt': 'text/plain; charset=utf-8', '.svg': 'image/svg+xml',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

/**
 * @param {string} folder
 * @param {number} port 0 for any free one
 * @param {{cacheControl?: string, gzip?: boolean, isolated?: boolean}} host headers as a host sends
 *   them; isolated: cross-origin isolation, under which the browser measures a page's memory
 * @returns {Promise<{server: import('node:http').Server, address: string, publish: (folder: string) => void}>}
 */
export async function Serve(folder, port, host = {}) {
  let served = folder;
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url ?? '/', 'http://x').pathname))
      .replace(/\/$/, '/index.html');
    try {
      let body = readFileSync(join(served, path));
      /** @type {Record<string, string>} */
      const headers = { 'content-type': TYPES[extname(path)] ?? 'application/octet-stream' };
      if (host.cacheControl) headers['cache-control'] = host.cacheControl;
      if (host.isolated) {
        headers['cross-origin-opener-policy'] = 'same-origin';
        headers['cross-origin-embedder-policy'] = 'require-corp';
      }
      if (host.gzip && /\bgzip\b/.test(String(request.headers['accept-encoding']))) {
        body = gzipSync(body);
        headers['content-encoding'] = 'gzip';
      }
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((listening) => server.listen(port, '127.0.0.1', () => listening(null)));
  const { port: bound } = /** @type {import('node:net').AddressInfo} */ (server.address());
  return { server, address: `http://127.0.0.1:${bound}/`, publish: (next) => { served = next; } };
}

if (import.meta.url === pathToFileURL(process.argv[1] ?? '').href) {
  const { address } = await Serve(process.argv[2] ?? '.', Number(process.argv[3] ?? 8080));
  console.log(`Orvanel in the browser: ${address}`);
}

// Keeps a visited site working without a network: every file of the page is cached when the
// worker is installed, and served from the cache first. The build writes the version in.
const CACHE = 'orvanel-@VERSION@';
const FILES = ['./', 'index.html', 'style.css', 'app/main.js', 'app/engine.js', 'app/page.js',
  'app/viewer.js', 'app/pane.js', 'orvanel.wasm', 'orvanel_help.txt', 'manifest.webmanifest', 'orvanel.svg',
  'orvanel-32.png'];

/** @typedef {Event & {waitUntil(p: Promise<unknown>): void}} ExtendableEvent */
/** @typedef {ExtendableEvent & {request: Request, respondWith(r: Promise<Response>): void}} FetchEvent */

self.addEventListener('install', (event) => {
  /** @type {ExtendableEvent} */ (event).waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('activate', (event) => {
  /** @type {ExtendableEvent} */ (event).waitUntil(caches.keys().then((keys) =>
    Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key)))));
});

self.addEventListener('fetch', (event) => {
  const fetchEvent = /** @type {FetchEvent} */ (event);
  if (fetchEvent.request.method !== 'GET') return;
  fetchEvent.respondWith(caches.match(fetchEvent.request, { ignoreSearch: true })
    .then((cached) => cached ?? fetch(fetchEvent.request)));
});

// Keeps a visited site working without a network, one release at a time. The build writes in
// the release (a hash of every file of the site) and the file list. A new release is fetched
// past the HTTP cache into a cache of its own and waits there until the page asks for it, so a
// running page never gets a file of another release; the old release's cache goes once the new
// one is in charge.
const RELEASE = '@RELEASE@';
const CACHE = `orvanel-${RELEASE}`;
const FILES = /** @type {string[]} */ (JSON.parse('@FILES@'));

/** @typedef {Event & {waitUntil(p: Promise<unknown>): void}} ExtendableEvent */
/** @typedef {ExtendableEvent & {request: Request, respondWith(r: Promise<Response>): void}} FetchEvent */

self.addEventListener('install', (event) => {
  /** @type {ExtendableEvent} */ (event).waitUntil(caches.open(CACHE).then((cache) =>
    cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' })))));
});

self.addEventListener('activate', (event) => {
  /** @type {ExtendableEvent} */ (event).waitUntil(caches.keys().then((keys) =>
    Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key)))));
});

// The page's "Load the new version" button.
self.addEventListener('message', (event) => {
  if (event.data === 'activate') /** @type {any} */ (self).skipWaiting();
});

self.addEventListener('fetch', (event) => {
  const fetchEvent = /** @type {FetchEvent} */ (event);
  if (fetchEvent.request.method !== 'GET') return;
  fetchEvent.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(fetchEvent.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(fetchEvent.request)));
});

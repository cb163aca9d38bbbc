// Keeps a visited site working without a network: every file of the page is cached when the
// worker is installed, and served from the cache first. The build writes the version in.
const CACHE = 'orvanel-@VERSION@';
const FILES = ['./', 'index.html', 'style.css', 'app/main.js', 'app/engine.js', 'app/page.js',
  'app/viewer.js', 'orvanel.wasm', 'orvanel_help.txt', 'manifest.webmanifest', 'orvanel.svg',
  'orvanel-32.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((keys) =>
    Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key)))));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  event.respondWith(caches.match(request, { ignoreSearch: true })
    .then((cached) => cached ?? fetch(request)));
});

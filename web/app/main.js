// Starts the page: the engine, the regional number format (?lang=de or the browser's
// language), the main panel with its start-up sequence, and offline use through a service
// worker where the page is served over HTTP, with a notice when a new release is ready.
import { ConvertPanel } from './convert.js';
import { Engine } from './engine.js';
import { MainPanel, NumberFormatOf, ShowMessage } from './page.js';
import { HelpMissing, Viewer } from './viewer.js';

/** The single-file page carries the engine, the help text and the converter's worker in itself. */
const inlined = /** @type {{ORVANEL_WASM?: string, ORVANEL_HELP?: string, ORVANEL_WORKER?: string}} */ (globalThis);

/** The converter's worker: from the site, or, in the single file, from its own text. */
function StartWorker() {
  if (inlined.ORVANEL_WORKER) {
    return new Worker(URL.createObjectURL(new Blob([inlined.ORVANEL_WORKER], { type: 'text/javascript' })));
  }
  return new Worker(new URL('convert-worker.js', import.meta.url), { type: 'module' });
}

/** @returns {BufferSource | Promise<Response>} */
function EngineSource() {
  if (inlined.ORVANEL_WASM) return Uint8Array.from(atob(inlined.ORVANEL_WASM), (c) => c.charCodeAt(0));
  return fetch('orvanel.wasm');
}

/** @returns {Promise<string>} */
async function ReadHelp() {
  if (inlined.ORVANEL_HELP !== undefined) return inlined.ORVANEL_HELP;
  const response = await fetch('orvanel_help.txt');
  if (response.status === 404) throw new HelpMissing();
  if (!response.ok) throw new Error(response.statusText);
  return response.text();
}

/** @param {string} text @returns {Promise<boolean>} */
async function Copy(text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    return false;
  }
}

/** The release this script belongs to; the build writes it in, and into the engine. */
const RELEASE = '@RELEASE@';

/**
 * Offers a release that the service worker has ready: a notice with a button that hands over
 * to it. Every page of the site then reloads into the new release at once, so that no page
 * goes on with files of two releases.
 * @param {ServiceWorkerRegistration} registration
 */
function OfferNewRelease(registration) {
  const offer = () => {
    const waiting = registration.waiting;
    if (!waiting || !navigator.serviceWorker.controller) return; // a first visit has nothing to replace
    const notice = /** @type {HTMLElement} */ (document.getElementById('update'));
    notice.hidden = false;
    document.getElementById('cmdUpdate')?.addEventListener('click', () => waiting.postMessage('activate'), { once: true });
  };
  offer();
  registration.addEventListener('updatefound', () => {
    const installing = registration.installing;
    installing?.addEventListener('statechange', () => { if (installing.state === 'installed') offer(); });
  });
  let reloading = false;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (!reloading) location.reload();
    reloading = true;
  });
}

const language = new URLSearchParams(location.search).get('lang') ?? navigator.language;
const engine = await Engine.load(await EngineSource());
if (engine.release !== RELEASE) {
  // The files of two releases met, through a cache on the way: say so, and start nothing.
  ShowMessage({ text: 'Orvanel has been updated while this page was loading. Reload the page to use the new version.',
    title: 'Orvanel', style: 64 }, () => location.reload());
  throw new Error(`the engine is release ${engine.release}, the page ${RELEASE}`);
}
const panel = new MainPanel(engine, NumberFormatOf(language), {
  showHelp: (main) => viewer.show(main),
  copy: Copy,
});
const viewer = new Viewer(ReadHelp, panel.page.helpErrors, ShowMessage, engine);
panel.start();
new ConvertPanel(engine, panel.page, StartWorker);
document.body.dataset.ready = 'true';
performance.mark('orvanel-ready'); // the start-up line is in the pane

if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' })
    .then((registration) => {
      OfferNewRelease(registration);
      return registration.update(); // a returning visit looks for a new release at once
    })
    .catch(() => {});
}

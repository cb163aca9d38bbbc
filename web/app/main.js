// Starts the page: the engine, the regional number format (?lang=de or the browser's
// language), the main panel with its start-up sequence, and offline use through a service
// worker where the page is served over HTTP.
import { Engine } from './engine.js';
import { MainPanel, NumberFormatOf } from './page.js';
import { Viewer } from './viewer.js';

/** The single-file page carries the engine and the help text in itself. */
const inlined = /** @type {{ORVANEL_WASM?: string, ORVANEL_HELP?: string}} */ (globalThis);

/** @returns {BufferSource | Promise<Response>} */
function EngineSource() {
  if (inlined.ORVANEL_WASM) return Uint8Array.from(atob(inlined.ORVANEL_WASM), (c) => c.charCodeAt(0));
  return fetch('orvanel.wasm');
}

/** @returns {Promise<string>} */
async function ReadHelp() {
  if (inlined.ORVANEL_HELP !== undefined) return inlined.ORVANEL_HELP;
  const response = await fetch('orvanel_help.txt');
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

const language = new URLSearchParams(location.search).get('lang') ?? navigator.language;
const engine = await Engine.load(await EngineSource());
const viewer = new Viewer(ReadHelp);
const panel = new MainPanel(engine, NumberFormatOf(language), {
  showHelp: (main) => viewer.show(main),
  copy: Copy,
});
panel.start();
document.body.dataset.ready = 'true';
performance.mark('orvanel-ready'); // the start-up line is in the pane

if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

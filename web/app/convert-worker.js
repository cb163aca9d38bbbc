// The file converter's worker: runs orvanel-cli's runner, in the page's own engine, over the
// input a piece at a time, so that the page stays responsive and no file has to be whole in
// memory. Each piece's output becomes a Blob part at once, which the browser may keep out of
// this worker's memory; the result is the Blob of all the parts.
import { Engine } from './engine.js';

const PIECE = 1 << 20; // bytes read and converted at a time

/** @type {Promise<Engine> | null} */
let engine = null;
let cancelled = false;

/** @param {any} message */
const post = (message) => postMessage(message);

/**
 * @param {{name: string, words: string[], source: Blob}} run
 */
async function Convert({ name, words, source }) {
  cancelled = false;
  const converter = /** @type {Engine} */ (await engine);
  /** @type {string} */
  let offered;
  try {
    offered = converter.convertBegin(name, words);
  } catch (error) {
    post({ wrong: /** @type {Error} */ (error).message });
    return;
  }
  /** @type {Blob[]} */
  const parts = [];
  for (let at = 0; ; at += PIECE) {
    if (cancelled) {
      post({ cancelled: true });
      return;
    }
    const last = at + PIECE >= source.size;
    const piece = new Uint8Array(await source.slice(at, at + PIECE).arrayBuffer());
    const { output, refusals, refused, status } = converter.convertFeed(piece, last);
    if (output.length) parts.push(new Blob([/** @type {BlobPart} */ (output)]));
    post({ done: Math.min(at + PIECE, source.size), total: source.size, refusals, refused,
      first: parts.length === 1 && output.length ? output.slice(0, 8192) : null });
    if (last) {
      post({ result: new Blob(parts), name: offered, status, refused });
      return;
    }
  }
}

onmessage = ({ data }) => {
  if (data.module) engine = Engine.load(data.module);
  else if (data.cancel) cancelled = true;
  else if (data.run) Convert(data.run);
};

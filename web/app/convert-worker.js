// The file converter's worker: runs orvanel-cli's runner, in the page's own engine, over the
// input a piece at a time, so that the page stays responsive and no file has to be whole in
// memory. Each piece's output becomes a Blob part at once, which the browser keeps out of this
// worker's memory; the result is the Blob of all the parts. The page cancels a run by ending
// the worker: a piece already read comes without a pause in which a message could be taken.
import { Engine } from './engine.js';

/** The release this script belongs to; the build writes it in, and into the engine. */
const RELEASE = '@RELEASE@';

/** @type {Promise<Engine> | null} */
let engine = null;

/** @param {any} message */
const post = (message) => postMessage(message);

/**
 * @param {{name: string, words: string[], source: Blob}} run
 */
async function Convert({ name, words, source }) {
  const converter = /** @type {Engine} */ (await engine);
  if (converter.release !== RELEASE) { // the page's engine and this script met from two releases
    post({ wrong: 'Orvanel has been updated while this page was loading. Reload the page to use the new version.' });
    return;
  }
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
  let first = true;
  let done = 0;
  // The browser hands the file over in pieces of its own size (about 2 MB) as it reads it.
  const reader = source.stream().getReader();
  for (;;) {
    const { value: piece = new Uint8Array(0), done: last } = await reader.read();
    done += piece.length;
    const { output, refusals, refused, status } = converter.convertFeed(piece, last);
    if (output.length) parts.push(new Blob([/** @type {BlobPart} */ (output)])); // copied out of the engine
    post({ done, total: source.size, refusals, refused, first: first && output.length ? output.slice(0, 8192) : null });
    first &&= !output.length;
    if (last) {
      post({ result: new Blob(parts), name: offered, status, refused });
      return;
    }
  }
}

onmessage = ({ data }) => {
  if (data.module) engine = Engine.load(data.module);
  else if (data.run) Convert(data.run);
};

// The calculator's engine, compiled to WebAssembly: every result line, field text, message and
// focus target comes from it. This module only moves documents in and out of its memory: each
// request and answer is a JSON document of protocol.js, and a refused request is an Error with
// the engine's reason. The converter's input pieces and output bytes go as they are.
import { CALLS, EXPORTS } from './protocol.js';

/** @typedef {import('./protocol.js').PageDescription} PageDescription */
/** @typedef {import('./protocol.js').WindowAnswer} WindowAnswer */
/** @typedef {import('./protocol.js').Input} Input */
/** @typedef {import('./protocol.js').Edits} Edits */
/** @typedef {import('./protocol.js').Focusable} Focusable */
/** @typedef {import('./protocol.js').Format} Format */
/**
 * What a piece of input gives: its output, the refusals it adds, how many there are so far,
 * and at the end orvanel-cli's exit status.
 * @typedef {{output: Uint8Array, refusals: string[], refused: number, status: number | null}} Converted
 */

/**
 * The system interface the C library links against; the engine never prints or reads files,
 * so each call answers "not supported" (52), and an exit is an error.
 * @type {Record<string, (...args: number[]) => number>}
 */
const WASI = new Proxy({}, {
  get: (_target, name) => (/** @type {number[]} */ ...args) => {
    if (name === 'proc_exit') throw new Error(`engine stopped: ${args[0]}`);
    return 52;
  },
});

const ENCODER = new TextEncoder();
const DECODER = new TextDecoder();

export class Engine {
  /** @param {WebAssembly.Instance} instance @param {WebAssembly.Module} module */
  constructor(instance, module) {
    /** The release the build wrote into the engine, '' for an engine straight from the compiler. */
    this.release = DECODER.decode(WebAssembly.Module.customSections(module, 'orvanel-release')[0] ?? new ArrayBuffer(0));
    this.module = module;
    this.exports = /** @type {any} */ (instance.exports);
    for (const name of Object.values(EXPORTS)) {
      if (typeof this.exports[name] !== 'function') throw new Error(`the engine has no export ${name}`);
    }
    this.exports._initialize();
  }

  /**
   * @param {BufferSource | Response | WebAssembly.Module} source the engine's .wasm file, the
   *   response bringing it (compiled while it arrives), or the engine compiled
   * @returns {Promise<Engine>}
   */
  static async load(source) {
    const imports = { wasi_snapshot_preview1: WASI };
    if (source instanceof WebAssembly.Module) return new Engine(await WebAssembly.instantiate(source, imports), source);
    const { instance, module } = source instanceof Response
      ? await WebAssembly.instantiateStreaming(source, imports)
      : await WebAssembly.instantiate(source, imports);
    return new Engine(instance, module);
  }

  /** @param {string} buffer the export that makes room @param {Uint8Array} bytes */
  put(buffer, bytes) {
    const at = this.exports[buffer](bytes.length);
    new Uint8Array(this.exports.memory.buffer, at, bytes.length).set(bytes);
  }

  /**
   * Runs a request given as its bytes; the answer's bytes, a copy.
   * @param {Uint8Array} request
   * @returns {Uint8Array}
   */
  exchange(request) {
    this.put(EXPORTS.buffer, request);
    const at = this.exports[EXPORTS.run]();
    return new Uint8Array(this.exports.memory.buffer, at, this.exports[EXPORTS.answer_size]()).slice();
  }

  /**
   * Runs a request (with a piece of input for the converter); a request the engine refuses
   * throws, with its reason.
   * @param {object} request @param {Uint8Array} [piece]
   * @returns {any}
   */
  call(request, piece) {
    if (piece) this.put(EXPORTS.piece, piece);
    const answer = JSON.parse(DECODER.decode(this.exchange(ENCODER.encode(JSON.stringify(request)))));
    if (typeof answer.error === 'string') throw new Error(answer.error);
    return answer;
  }

  /** @returns {PageDescription} */
  page() {
    return this.call({ call: CALLS.describe });
  }

  /**
   * Makes the page's window in the engine, with the regional number settings, and starts it.
   * @param {Format} format
   * @returns {WindowAnswer}
   */
  start(format) {
    return this.call({ call: CALLS.start, format });
  }

  /**
   * Hands the window an input with what the user changed by hand; the answer is the window's
   * new state and what to do.
   * @param {Input} input @param {Edits} edits @param {Focusable} focusable
   * @returns {WindowAnswer}
   */
  input(input, edits, focusable) {
    return this.call({ call: CALLS.input, input, edits, focusable });
  }

  /**
   * The viewer's model: "load" (readAgain: a failed read is tried again), "show" (answers
   * whether to read the file now), "read" (whether it was read).
   * @param {string} event @param {{readAgain?: boolean, read?: boolean}} [details]
   * @returns {boolean} for "show", whether to read the file now
   */
  viewer(event, details = {}) {
    return this.call({ call: CALLS.viewer, event, ...details }).read;
  }

  /**
   * Starts a run of the file converter with the words of orvanel-cli's command line, for the
   * input named `name` ('' for pasted text). Returns the name to offer the result under, or
   * throws with why the words are wrong.
   * @param {string} name @param {string[]} words
   * @returns {string}
   */
  convertBegin(name, words) {
    return this.call({ call: CALLS.convertBegin, name, words }).offered;
  }

  /**
   * Converts a piece of the input; `last` ends it. The output is a view into the engine's
   * memory, good until the next call: a Blob made of it takes a copy.
   * @param {Uint8Array} piece @param {boolean} last
   * @returns {Converted}
   */
  convertFeed(piece, last) {
    const { refusals, refused, status } = this.call({ call: CALLS.convertFeed, last }, piece);
    const output = new Uint8Array(this.exports.memory.buffer, this.exports[EXPORTS.output](), this.exports[EXPORTS.output_size]());
    return { output, refusals, refused, status: status ?? null };
  }

  /**
   * The first rows of a CSV text, each a list of its cells' texts.
   * @param {Uint8Array} start the text's first bytes @param {string} delimiter the character itself
   * @returns {string[][]}
   */
  csvPreview(start, delimiter) {
    return this.call({ call: CALLS.csvPreview, delimiter }, start).rows;
  }
}

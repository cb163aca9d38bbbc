// The calculator's engine, compiled to WebAssembly: every result line, field text, message and
// focus target comes from it. This module only moves texts in and out of its memory.

/** @typedef {{text: string, title: string, style: number}} Message */
/** @typedef {{decimal: string, group: string, minus: string}} NumberFormat */
/**
 * What the window's model keeps of a control: its text, whether it is checked, whether it is
 * enabled, each under its key in the engine's entries.
 * @typedef {{text?: string, checked?: string, enabled?: string}} StateKeys
 */
/**
 * @typedef {{name: string, kind: string, group: string, unit: number, caption: string, labels: string,
 *   accessibleName: string, maxLength: number, inputMode?: string, enterCommand?: string,
 *   enterKey?: string, describedBy?: string, state?: StateKeys}} Control
 */
/**
 * @typedef {{title: string, notice: string, url: string, figures: number[], helpTitle: string,
 *   kept: [string, string][],
 *   groups: {name: string, frame: boolean, column: number}[],
 *   helpErrors: {missing: Message, other: Message, empty: Message},
 *   controls: Control[], converter: Converter}} PageDescription
 */
/**
 * The file converter's commands and options, as orvanel-cli takes them.
 * @typedef {{name: string, summary: string, forms: string[], figures: boolean, decimals: boolean}} CommandUse
 * A CSV delimiter: as --delimiter takes it, as the list names it, and the character itself.
 * @typedef {{given: string, name: string, delimiter: string}} Delimiter
 * @typedef {{commands: CommandUse[], forms: Record<string, string>, delimiters: Delimiter[],
 *   options: Record<string, string>,
 *   mostDecimals: number, startFigures: number}} Converter
 */
/**
 * What a piece of input gives: its output, the refusals it adds, how many there are so far,
 * and at the end orvanel-cli's exit status.
 * @typedef {{output: Uint8Array, refusals: string[], refused: number, status: number | null}} Converted
 */
/** The window's state and its context as the engine's entries, each named. @typedef {Record<string, string>} State */

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

/**
 * A text as UTF-8, a lone surrogate (a paste can leave one in a field) written as any other
 * code point, so that it comes back as it went (WTF-8).
 * @param {string} text
 * @returns {number[]}
 */
function Wtf8(text) {
  /** @type {number[]} */
  const bytes = [];
  for (const character of text) { // a lone surrogate comes as a character of its own
    const c = /** @type {number} */ (character.codePointAt(0));
    if (c < 0x80) bytes.push(c);
    else if (c < 0x800) bytes.push(0xC0 | (c >> 6), 0x80 | (c & 63));
    else if (c < 0x10000) bytes.push(0xE0 | (c >> 12), 0x80 | ((c >> 6) & 63), 0x80 | (c & 63));
    else bytes.push(0xF0 | (c >> 18), 0x80 | ((c >> 12) & 63), 0x80 | ((c >> 6) & 63), 0x80 | (c & 63));
  }
  return bytes;
}

/** @param {Uint8Array} bytes WTF-8 @returns {string} */
function FromWtf8(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length;) {
    const b = bytes[i];
    const length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    let c = length === 1 ? b : b & (0xFF >> (length + 1));
    for (let k = 1; k < length; k++) c = (c << 6) | (bytes[i + k] & 63);
    text += String.fromCodePoint(c);
    i += length;
  }
  return text;
}

/**
 * Frames "LENGTH:BYTES", LENGTH the count of BYTES, one after another, each after "KEY:" where
 * it has a key: no byte can split or bend them.
 * @param {Uint8Array[]} parts
 * @param {string[]} [keys] each part's key, names in ASCII
 * @returns {Uint8Array}
 */
function Frames(parts, keys = []) {
  const encoder = new TextEncoder();
  const framed = parts.flatMap((part, i) => [encoder.encode(`${keys[i] === undefined ? '' : `${keys[i]}:`}${part.length}:`), part]);
  const bytes = new Uint8Array(framed.reduce((n, p) => n + p.length, 0));
  framed.reduce((at, p) => (bytes.set(p, at), at + p.length), 0);
  return bytes;
}

const ASCII = new TextDecoder();

/**
 * The frame at `at` and where the next one starts; an answer not so made is an error.
 * @param {Uint8Array} bytes @param {number} at
 * @returns {{value: Uint8Array, next: number}}
 */
function ReadFrame(bytes, at) {
  const colon = bytes.indexOf(0x3A, at);
  const length = colon < 0 ? NaN : Number(ASCII.decode(bytes.subarray(at, colon)));
  if (colon <= at || !Number.isInteger(length) || colon + 1 + length > bytes.length) {
    throw new Error('the engine gave an answer that cannot be read');
  }
  return { value: bytes.subarray(colon + 1, colon + 1 + length), next: colon + 1 + length };
}

/**
 * Entries "KEY:LENGTH:VALUE", the values in WTF-8.
 * @param {[string, string][]} entries
 * @returns {Uint8Array}
 */
export function Encode(entries) {
  return Frames(entries.map(([, value]) => Uint8Array.from(Wtf8(value))), entries.map(([key]) => key));
}

/**
 * The entries of an answer; an answer that is not made of entries is an error.
 * @param {Uint8Array} bytes
 * @returns {Map<string, string>}
 */
export function DecodeEntries(bytes) {
  const entries = new Map();
  for (let at = 0; at < bytes.length;) {
    const keyEnd = bytes.indexOf(0x3A, at);
    if (keyEnd <= at) throw new Error('the engine gave an answer that cannot be read');
    const { value, next } = ReadFrame(bytes, keyEnd + 1);
    entries.set(ASCII.decode(bytes.subarray(at, keyEnd)), FromWtf8(value));
    at = next;
  }
  return entries;
}

/** @param {Uint8Array} bytes frames one after another @returns {Uint8Array[]} */
function Unframe(bytes) {
  const parts = [];
  for (let at = 0; at < bytes.length;) {
    const { value, next } = ReadFrame(bytes, at);
    parts.push(value);
    at = next;
  }
  return parts;
}

/**
 * The engine's request: the user's event and the window's state, each entry named.
 * @param {string} command
 * @param {State} state
 * @returns {Uint8Array}
 */
export function Request(command, state) {
  return Encode([['command', command], ...Object.entries(state)]);
}

export class Engine {
  /** @param {WebAssembly.Instance} instance @param {WebAssembly.Module} module */
  constructor(instance, module) {
    /** The release the build wrote into the engine, '' for an engine straight from the compiler. */
    this.release = new TextDecoder().decode(WebAssembly.Module.customSections(module, 'orvanel-release')[0] ?? new ArrayBuffer(0));
    this.module = module;
    this.exports = /** @type {any} */ (instance.exports);
    this.exports._initialize();
    this.decoder = new TextDecoder();
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

  /**
   * Copies `bytes` into the engine's buffer `buffer`, runs `run` and returns a copy of its answer.
   * @param {Uint8Array} bytes @param {string} buffer @param {() => number} run @param {string} size
   */
  exchange(bytes, buffer, run, size) {
    const at = this.exports[buffer](bytes.length);
    new Uint8Array(this.exports.memory.buffer, at, bytes.length).set(bytes);
    const answer = run();
    return new Uint8Array(this.exports.memory.buffer, answer, this.exports[size]()).slice();
  }

  /** @param {Uint8Array} request @returns {Uint8Array} the answer, a copy */
  call(request) {
    return this.exchange(request, 'request_buffer', () => this.exports.run(), 'answer_size');
  }

  /**
   * Starts a run of the file converter with the words of orvanel-cli's command line, for the
   * input named `name` ('' for pasted text). Returns the name to offer the result under, or
   * throws with why the words are wrong.
   * @param {string} name @param {string[]} words
   * @returns {string}
   */
  convertBegin(name, words) {
    const encoder = new TextEncoder();
    const framed = Frames([name, ...words].map((w) => encoder.encode(w)));
    const [offered, wrong] = Unframe(this.exchange(framed, 'convert_buffer', () => this.exports.convert_begin(), 'convert_answer_size'));
    if (!offered.length) throw new Error(this.decoder.decode(wrong));
    return this.decoder.decode(offered);
  }

  /**
   * Converts a piece of the input; `last` ends it. The output is a view into the engine's
   * memory, good until the next call: a Blob made of it takes a copy.
   * @param {Uint8Array} piece @param {boolean} last
   * @returns {Converted}
   */
  convertFeed(piece, last) {
    const [counts, ...refusals] = Unframe(this.exchange(piece, 'convert_buffer',
      () => this.exports.convert_feed(last ? 1 : 0), 'convert_answer_size'));
    const [refused, status] = this.decoder.decode(counts).split(' ');
    const output = new Uint8Array(this.exports.memory.buffer, this.exports.convert_output(), this.exports.convert_output_size());
    return { output, refusals: refusals.map((r) => this.decoder.decode(r)), refused: Number(refused),
      status: status === undefined ? null : Number(status) };
  }

  /**
   * The first rows of a CSV text, each a list of its cells' texts.
   * @param {Uint8Array} start the text's first bytes @param {string} delimiter the character itself
   * @returns {string[][]}
   */
  csvPreview(start, delimiter) {
    const d = delimiter.charCodeAt(0);
    return JSON.parse(this.decoder.decode(this.exchange(start, 'convert_buffer', () => this.exports.csv_preview(d), 'convert_answer_size')));
  }

  /** @returns {PageDescription} */
  page() {
    return JSON.parse(this.decoder.decode(this.call(Encode([['page', '']]))));
  }

  /**
   * Hands the window's model an event ("load", "rad2deg", "deg2rad", "add", "sub", "move",
   * "sign", "clear", "decimalClick", "roundClick", "figures", "selection") with the window's
   * state; the answer is the new state and what to do. A request the engine refuses throws,
   * with its reason.
   * @param {string} command
   * @param {State} state
   * @returns {Map<string, string>}
   */
  run(command, state) {
    const answer = DecodeEntries(this.call(Request(command, state)));
    const error = answer.get('error');
    if (error !== undefined) throw new Error(`the engine refused a request: ${error}`);
    return answer;
  }
}

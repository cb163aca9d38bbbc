// The calculator's engine, compiled to WebAssembly: every result line, field text, message and
// focus target comes from it. This module only moves texts in and out of its memory.

/** @typedef {{radians: string, toAdd: string, degrees: string, minutes: string, seconds: string, sign: string}} Fields */
/** @typedef {{outputInDecimal: boolean, decimalDegrees: boolean, roundToMinutes: boolean, showPlusMinus: boolean}} Options */
/** @typedef {{decimal: string, group: string, minus: string}} NumberFormat */
/**
 * @typedef {{fields: Fields, paneLine: string, paneCommas: boolean,
 *   message: {text: string, title: string, style: number} | null, focus: string}} Outcome
 */
/**
 * @typedef {{name: string, kind: string, frame: string, caption: string, labels: string,
 *   accessibleName: string, maxLength: number, box: number[]}} Control
 */
/**
 * @typedef {{title: string, notice: string, url: string, width: number, height: number,
 *   figures: number[], startFigures: number,
 *   copy: {caption: string, selectionCaption: string, width: number, selectionWidth: number},
 *   controls: Control[]}} PageDescription
 */

/**
 * @typedef {{fields: Fields, figures: string, options: Options, format: NumberFormat,
 *   deg2RadFocusable: boolean}} State
 */

const SEPARATOR = '\x1F';
const FIELD_ORDER = /** @type {const} */ (['radians', 'toAdd', 'degrees', 'minutes', 'seconds', 'sign']);

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
 * The engine's request for a command on the controls' state: the command, the list entry
 * chosen, the options, whether "Degrees to radians" can take the focus, the regional format and
 * the fields, separated by U+001F.
 * @param {string} command
 * @param {State} state
 */
export function Request(command, state) {
  const flag = (/** @type {boolean} */ on) => (on ? '1' : '0');
  const { options, format } = state;
  return [command, state.figures, flag(options.outputInDecimal), flag(options.decimalDegrees),
    flag(options.roundToMinutes), flag(options.showPlusMinus), flag(state.deg2RadFocusable),
    format.decimal, format.group, format.minus, ...FIELD_ORDER.map((name) => state.fields[name])]
    .join(SEPARATOR);
}

export class Engine {
  /** @param {WebAssembly.Instance} instance */
  constructor(instance) {
    this.exports = /** @type {any} */ (instance.exports);
    this.exports._initialize();
    this.encoder = new TextEncoder();
    this.decoder = new TextDecoder();
  }

  /**
   * @param {BufferSource | Response} source the engine's .wasm file, or the response bringing it
   *   (compiled while it arrives)
   * @returns {Promise<Engine>}
   */
  static async load(source) {
    const imports = { wasi_snapshot_preview1: WASI };
    const { instance } = source instanceof Response
      ? await WebAssembly.instantiateStreaming(source, imports)
      : await WebAssembly.instantiate(source, imports);
    return new Engine(instance);
  }

  /** @param {string} request @returns {string} */
  call(request) {
    const bytes = this.encoder.encode(request);
    const at = this.exports.request_buffer(bytes.length);
    new Uint8Array(this.exports.memory.buffer, at, bytes.length).set(bytes);
    const answer = this.exports.run();
    return this.decoder.decode(new Uint8Array(this.exports.memory.buffer, answer, this.exports.answer_size()));
  }

  /** @returns {PageDescription} */
  page() {
    return JSON.parse(this.call('page'));
  }

  /**
   * Runs a command ("rad2deg", "deg2rad", "add", "sub", "move", "sign", "clear") on the fields.
   * @param {string} command
   * @param {State} state
   * @returns {Outcome}
   */
  run(command, state) {
    const parts = this.call(Request(command, state)).split(SEPARATOR);
    const fields = /** @type {Fields} */ (Object.fromEntries(FIELD_ORDER.map((name, i) => [name, parts[i]])));
    const [paneLine, commas, text, title, style, focus] = parts.slice(FIELD_ORDER.length);
    return {
      fields, paneLine, paneCommas: commas === '1', focus,
      message: style ? { text, title, style: Number(style) } : null,
    };
  }
}

// The window object in the WebAssembly engine and in the engine built natively goes through the
// same random runs of the user's inputs (every control's gestures, keys down and up in the
// fields, any edits, both separators and regional formats, halfway ties, values at the range
// limits, text that is no number at all) and answers each with the same bytes: every
// control's state, the sign, the list, the line, the message, the focus and the command.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { Engine } from '../../web/app/engine.js';
import { CALLS, EDITS, GESTURES } from '../../web/app/protocol.js';
import { testNeeding } from './needs.mjs';

const RUNS = 300;
const INPUTS = 200;
const { ORVANEL_ENGINE_PROTOCOL: native = '', ORVANEL_WASM: wasm = '' } = process.env;

let seed = 5540;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2 ** 31) / 2 ** 31);
/** @template T @param {T[]} items @returns {T} */
const pick = (items) => items[Math.floor(random() * items.length)];

const EDGES = ['6.2832', '6.28318530717959', '-6.28318530717959', '6.283185', '6.28319', '360',
  '359.99999', '59', '59.5', '0', '-0', '0.0000005', '0.00000049', '.5', '1,5', '2.5e-1', 'abc',
  '', ' 1 ', '1.2.3', '9E999', '&H1F', '−1', '0.000005', '1.23456785', '0.12345650', '57.2957795', '1\x1F2', '\0', '\uD800'];

function Number() {
  const digits = Array.from({ length: 1 + Math.floor(random() * 9) }, () => pick('0123456789'.split(''))).join('');
  const point = Math.floor(random() * (digits.length + 1));
  const text = `${digits.slice(0, point)}${pick(['.', ','])}${digits.slice(point)}`;
  return random() < 0.3 ? `-${text}` : text;
}

const field = () => (random() < 0.3 ? pick(EDGES) : Number());

/** @param {import('../../web/app/protocol.js').PageDescription} page @returns {object[]} one run's requests */
function RandomRun(page) {
  const formats = [['.', ',', '-'], [',', '.', '-'], ['.', '', '\u2212'], [',', '\u00A0', '-']];
  const [decimal, group, minus] = pick(formats);
  const sending = page.controls.filter((c) => c.gestures.length);
  /** @type {object[]} */
  const requests = [{ call: CALLS.start, format: { decimal, group, minus } }];
  /** @type {Record<string, string>} */
  const texts = {};
  /** @type {Record<string, boolean>} */
  const checks = {};
  for (const c of page.controls) {
    if (c.edit === EDITS.text) texts[c.name] = '';
    if (c.edit === EDITS.checked) checks[c.name] = random() < 0.5;
  }
  for (let i = 0; i < INPUTS; i++) {
    const control = pick(sending);
    const gesture = pick(control.gestures);
    const name = pick(Object.keys(texts));
    texts[name] = random() < 0.7 ? field() : texts[name];
    if (random() < 0.2) {
      const box = pick(Object.keys(checks));
      checks[box] = !checks[box];
    }
    const key = gesture === GESTURES.keyDown || gesture === GESTURES.keyUp;
    requests.push({
      call: CALLS.input,
      input: { control: control.name, gesture, keyCode: key && random() < 0.6 ? 13 : 65, repeat: key && random() < 0.1,
        entry: Math.floor(random() * page.figures.length) },
      edits: { texts: { ...texts }, checks: { ...checks }, selection: random() < 0.3 },
      focusable: { deg2Rad: random() < 0.9, rad2Deg: random() < 0.9 },
    });
  }
  return requests;
}

// Requests that are not the protocol's, and why the engine refuses each.
const START = { call: CALLS.start, format: { decimal: '.', group: ',', minus: '-' } };
const MALFORMED = ['', '{', '[]', '{"call":1}', '{"call":"turning"}', '{"call":"start"}',
  JSON.stringify({ ...START, colour: 'red' }), '{"call":"start","call":"start","format":{"decimal":".","group":",","minus":"-"}}',
  JSON.stringify({ call: CALLS.start, format: { decimal: 1, group: ',', minus: '-' } }), '{"call":"describe"} x',
  '{"call":"\\q"}', Buffer.from([0x7B, 0x22, 0xFF, 0x22, 0x7D]).toString('latin1'), `${'['.repeat(40)}`,
  JSON.stringify({ call: CALLS.input, input: { control: 'cmdNope', gesture: 'click', keyCode: 0, repeat: false, entry: -1 },
    edits: { texts: {}, checks: {}, selection: false }, focusable: { deg2Rad: true, rad2Deg: true } }),
  '{"call":"describe","n":1.5}'];
const MALFORMED_REASONS = ['the request ends too soon', 'an object\'s key is not a text', 'the request has no call',
  'the request has no call', 'unknown call turning', 'format is missing', 'unknown key colour', 'call is given twice',
  'decimal is not a text', 'more after the request\'s end', 'a bad escape in a text', 'the request is not UTF-8',
  'the request is nested too deeply', 'unknown control cmdNope', 'a value that is neither JSON nor a whole number'];

const missing = !native ? 'ORVANEL_ENGINE_PROTOCOL does not name the native engine'
  : !wasm ? 'ORVANEL_WASM does not name the WebAssembly engine' : '';

/** @param {Buffer[]} requests @returns {Buffer[]} the native engine's answers */
function NativeAnswers(requests) {
  const framed = Buffer.concat(requests.flatMap((request) => [Buffer.from(`${request.length}:`), request]));
  const run = spawnSync(native, { input: framed, maxBuffer: 1 << 29 });
  assert.equal(run.status, 0);
  /** @type {Buffer[]} */
  const answers = [];
  const out = /** @type {Buffer} */ (run.stdout);
  for (let at = 0; at < out.length;) {
    const colon = out.indexOf(0x3A, at);
    const length = parseInt(out.subarray(at, colon).toString(), 10); // Number is the generator here
    answers.push(out.subarray(colon + 1, colon + 1 + length));
    at = colon + 1 + length;
  }
  return answers;
}

testNeeding('the window object answers the same random runs alike in WebAssembly and natively', missing, async () => {
  const engine = await Engine.load(readFileSync(wasm));
  const page = engine.page();
  const requests = Array.from({ length: RUNS }, () => RandomRun(page)).flat()
    .map((request) => Buffer.from(JSON.stringify(request)));
  const expected = NativeAnswers(requests);
  let differing = 0;
  let lines = 0;
  requests.forEach((request, i) => {
    const answer = Buffer.from(engine.exchange(request));
    if (JSON.parse(answer.toString()).line !== '') lines++;
    if (!answer.equals(expected[i]) && differing++ < 5) assert.equal(answer.toString(), expected[i]?.toString(), `request ${i}: ${request}`);
  });
  assert.equal(differing, 0);
  assert.ok(lines > RUNS * 5, `the runs convert (${lines} lines)`); // the runs reach the conversions
});

// Any text in any field comes back as it went: separators, NUL, quotes, backslashes, every C0
// control, a lone surrogate; and what is not a request is refused with its reason.
testNeeding('a field holds any text, and a malformed request is refused with its reason', wasm ? '' : missing, async () => {
  const engine = await Engine.load(readFileSync(wasm));
  const page = engine.page();
  engine.start(START.format);
  const awkward = ['\x1F', '\x1E', '\0', '"\\', '\uD800', 'a\uDFFFb', '\uDBFF\uDFFF', 'π²', Array.from({ length: 32 }, (_, c) => String.fromCharCode(c)).join('')];
  for (const text of awkward) {
    const texts = Object.fromEntries(page.controls.filter((c) => c.edit === EDITS.text).map((c) => [c.name, text]));
    const checks = Object.fromEntries(page.controls.filter((c) => c.edit === EDITS.checked).map((c) => [c.name, false]));
    const answer = engine.input({ control: 'cmdPlusMinus0', gesture: GESTURES.click, keyCode: 0, repeat: false, entry: -1 },
      { texts, checks, selection: false }, { deg2Rad: true, rad2Deg: true });
    assert.deepEqual(answer.controls.find((c) => c.control === 'txbDegrees')?.text, text);
  }
  const reasons = MALFORMED.map((text) => JSON.parse(Buffer.from(engine.exchange(Buffer.from(text, 'latin1'))).toString()).error);
  assert.deepEqual(reasons, MALFORMED_REASONS);
  assert.throws(() => engine.convertBegin('', ['turn']), /turn/); // orvanel-cli's own words, as an Error
});

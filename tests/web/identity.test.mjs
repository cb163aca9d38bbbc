// The WebAssembly engine and the native one answer the same 100,000 random requests with the
// same bytes: every command, form and precision, both separators and regional formats, halfway
// ties, values at the range limits and text that is no number at all.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { DecodeEntries, Engine, Request } from '../../web/app/engine.js';
import { testNeeding } from './needs.mjs';

const COUNT = 100_000;
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

const FLAGS = ['outputInDecimal', 'outputInDecimalEnabled', 'roundToMinutes', 'roundToMinutesEnabled', 'decimalDegrees',
  'decimalDegreesEnabled', 'decimalMinutesEnabled', 'showPlusMinus', 'symbolFace', 'startUpCompleted', 'paneHasSelection',
  'deg2RadFocusable', 'rad2DegFocusable'];
const FIELDS = ['radians', 'toAdd', 'degrees', 'minutes', 'seconds', 'sign'];

/** @param {(key: string) => string} flag @param {(key: string) => string} text @returns {Record<string, string>} */
const State = (flag, text) => ({ figures: '7', decimal: '.', group: ',', minus: '-',
  ...Object.fromEntries(FLAGS.map((key) => [key, flag(key)])), ...Object.fromEntries(FIELDS.map((key) => [key, text(key)])) });

// Requests that are not made of entries, or lack one, and why the engine refuses each.
const good = Buffer.from(Request('rad2deg', State(() => '1', (key) => (key === 'radians' ? '1' : '')))).toString('latin1');
const MALFORMED = [good.replace('command:7:rad2deg', 'command:7:turning'), good.replace('sign:0:', ''),
  `${good}sign:1:-`, `${good}colour:3:red`, `${good}sign:9:-`,
  good.replace('radians:1:1', 'radians:x:1'), `${good}trailing`, good.replace('radians:1:1', 'radians:1:\xFF'),
  good.replace('figures:1:7', 'figures:1:5'), good.replace('showPlusMinus:1:1', 'showPlusMinus:1:y'), `${good}\xFF:1:x`];
const MALFORMED_REASONS = ['unknown command turning', 'sign is missing', 'sign is given twice', 'unknown key colour',
  'sign runs past the end', 'a bad length for radians', 'an entry without a key', 'radians is not UTF-8',
  'figures is not a list entry', 'showPlusMinus is neither 0 nor 1', 'a key that is not a name'];

const EVENTS = ['load', 'rad2deg', 'deg2rad', 'add', 'sub', 'move', 'sign', 'clear', 'decimalClick', 'roundClick', 'figures', 'selection'];

function RandomRequest() {
  const formats = [['.', ',', '-'], [',', '.', '-'], ['.', '', '\u2212'], [',', '\u00A0', '-']];
  const [decimal, group, minus] = pick(formats);
  return Request(pick(EVENTS), { ...State(() => (random() < 0.5 ? '1' : '0'), (key) => (key === 'sign' ? pick(['', '-']) : field())),
    figures: pick(['', '6', '7', '8', '9']), decimal, group, minus });
}

const missing = !native ? 'ORVANEL_ENGINE_PROTOCOL does not name the native engine'
  : !wasm ? 'ORVANEL_WASM does not name the WebAssembly engine' : '';

testNeeding('the WebAssembly engine answers as the native engine does, byte for byte', missing, async () => {
  const requests = [...Array.from({ length: COUNT }, RandomRequest), ...MALFORMED.map((text) => Buffer.from(text, 'latin1'))];
  const framed = Buffer.concat(requests.flatMap((request) => [Buffer.from(`${request.length}:`), request]));
  const run = spawnSync(native, { input: framed, maxBuffer: 1 << 28 });
  assert.equal(run.status, 0);
  /** @type {Buffer[]} */
  const expected = [];
  const out = /** @type {Buffer} */ (run.stdout);
  for (let at = 0; at < out.length;) {
    const colon = out.indexOf(0x3A, at);
    const length = parseInt(out.subarray(at, colon).toString(), 10); // Number is the generator here
    expected.push(out.subarray(colon + 1, colon + 1 + length));
    at = colon + 1 + length;
  }
  const engine = await Engine.load(readFileSync(wasm));
  let differing = 0;
  requests.forEach((request, i) => {
    const answer = Buffer.from(engine.call(request));
    if (!answer.equals(expected[i]) && differing++ < 5) assert.equal(answer.toString(), expected[i]?.toString(), `request ${i}: ${request}`);
  });
  assert.equal(differing, 0);
});

// Any text in any field comes back as it went: separators, NUL, quotes, backslashes, every C0
// control, a lone surrogate; and what is not a request gets an error with its reason.
testNeeding('a field holds any text, and a malformed request is refused with its reason', wasm ? '' : missing, async () => {
  const engine = await Engine.load(readFileSync(wasm));
  const awkward = ['\x1F', '\x1E', '\0', '"\\', '\uD800', 'a\uDFFFb', 'π²', Array.from({ length: 32 }, (_, c) => String.fromCharCode(c)).join('')];
  for (const text of awkward) {
    const state = State(() => '1', () => text);
    assert.deepEqual(engine.run('move', state).get('sign'), text);
    assert.deepEqual(engine.run('add', state).get('degrees'), text);
  }
  const reasons = MALFORMED.map((text) => DecodeEntries(engine.call(Buffer.from(text, 'latin1'))).get('error'));
  assert.deepEqual(reasons, MALFORMED_REASONS);
});

// The WebAssembly engine and the native one answer the same 100,000 random requests with the
// same bytes: every command, form and precision, both separators and regional formats, halfway
// ties, values at the range limits and text that is no number at all.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { Engine, Request } from '../../web/app/engine.js';
import { testNeeding } from './needs.mjs';

const COUNT = 100_000;
const { ORVANEL_ENGINE_PROTOCOL: native = '', ORVANEL_WASM: wasm = '' } = process.env;

let seed = 5540;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2 ** 31) / 2 ** 31);
/** @template T @param {T[]} items @returns {T} */
const pick = (items) => items[Math.floor(random() * items.length)];

const EDGES = ['6.2832', '6.28318530717959', '-6.28318530717959', '6.283185', '6.28319', '360',
  '359.99999', '59', '59.5', '0', '-0', '0.0000005', '0.00000049', '.5', '1,5', '2.5e-1', 'abc',
  '', ' 1 ', '1.2.3', '9E999', '&H1F', '−1', '0.000005', '1.23456785', '0.12345650', '57.2957795'];

function Number() {
  const digits = Array.from({ length: 1 + Math.floor(random() * 9) }, () => pick('0123456789'.split(''))).join('');
  const point = Math.floor(random() * (digits.length + 1));
  const text = `${digits.slice(0, point)}${pick(['.', ','])}${digits.slice(point)}`;
  return random() < 0.3 ? `-${text}` : text;
}

const field = () => (random() < 0.3 ? pick(EDGES) : Number());

function RandomRequest() {
  const formats = [['.', ',', '-'], [',', '.', '-'], ['.', '', '\u2212'], [',', '\u00A0', '-']];
  const [decimal, group, minus] = pick(formats);
  const flag = () => random() < 0.5;
  return Request(pick(['rad2deg', 'deg2rad', 'add', 'sub', 'move', 'sign', 'clear']), {
    figures: pick(['', '6', '7', '8', '9']),
    options: { outputInDecimal: flag(), decimalDegrees: flag(), roundToMinutes: flag(), showPlusMinus: flag() },
    deg2RadFocusable: flag(),
    format: { decimal, group, minus },
    fields: { radians: field(), toAdd: field(), degrees: field(), minutes: field(), seconds: field(), sign: pick(['', '-']) },
  });
}

const missing = !native ? 'ORVANEL_ENGINE_PROTOCOL does not name the native engine'
  : !wasm ? 'ORVANEL_WASM does not name the WebAssembly engine' : '';

testNeeding('the WebAssembly engine answers as the native engine does, byte for byte', missing, async () => {
  const requests = Array.from({ length: COUNT }, RandomRequest);
  const run = spawnSync(native, { input: requests.join('\x1E'), maxBuffer: 1 << 28 });
  assert.equal(run.status, 0);
  const expected = run.stdout.toString('utf8').split('\x1E');
  const engine = await Engine.load(readFileSync(wasm));
  let differing = 0;
  requests.forEach((request, i) => {
    const answer = engine.call(request);
    if (answer !== expected[i] && differing++ < 5) assert.equal(answer, expected[i], request);
  });
  assert.equal(differing, 0);
});

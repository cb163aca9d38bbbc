// A test that needs something the machine may lack (a build, a browser): outside CI it is
// skipped with the reason; in CI (CI set) it fails with the reason, so nothing is left untested
// quietly.
import assert from 'node:assert/strict';
import { test } from 'node:test';

/**
 * @param {string} name
 * @param {string} missing what is missing, or '' when the test can run
 * @param {() => Promise<void>} body
 */
export function testNeeding(name, missing, body) {
  if (!missing) return test(name, body);
  if (process.env.CI) return test(name, () => assert.fail(`cannot run: ${missing}`));
  return test(name, { skip: missing }, () => {});
}

// The program built for the page (zepiro.js), run under node through the
// page's own Session, so that tests hold the page to what the program writes.

import {readFileSync} from 'node:fs';
import {resolve} from 'node:path';
import {Session} from '../../web/src/session.js';

/** @typedef {import('../../web/src/program.js').CreateProgram} CreateProgram */
/** @typedef {import('../../web/src/program.js').ProgramRules} ProgramRules */

// As `cmake --preset web` builds it, seen from where npm was run (INIT_CWD),
// which is not where Stryker runs the tests.
const programPath = process.env.ZEPIRO_PROGRAM ??
  resolve(process.env.INIT_CWD ?? '.', 'build-web/site/file/zepiro.js');

/** The program's createZepiro, as the page's script tag would define it. */
export const createProgram = /** @type {CreateProgram} */ (
  new Function(`${readFileSync(programPath, 'utf8')}\nreturn createZepiro;`)());

/**
 * Runs the program with `lines` typed, each with its line end; resolves once
 * it waits for more or has ended.
 * @param {number} seed
 * @param {string[]} lines
 * @param {(text: string, kind: string) => void} [output]
 */
export async function run(seed, lines, output = () => {}) {
  /** @type {ProgramRules | null} */
  let rules = null;
  const typed = new TextEncoder().encode(lines.map((line) => `${line}\n`).join(''));
  const session = new Session(seed, typed, {
    started: (given) => { rules = given; },
    output, idle() {}, ended() {}, unloaded() {}, refused() {}, limited() {},
  }, createProgram);
  await session.idle();
  return {session, rules: /** @type {ProgramRules} */ (/** @type {unknown} */ (rules))};
}

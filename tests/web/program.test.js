// Everything the page holds to the program built for it (zepiro.js, as
// `cmake --preset web` builds it), run under node through the page's own
// Session: one table of cases, each a session and what the page reads of it.
// The only unit tests that need that build.

import {readFileSync} from 'node:fs';
import {resolve} from 'node:path';
import {expect, it} from 'vitest';
import {Session} from '../../web/src/session.js';
import {ScreenText} from '../../web/src/screen_text.js';
import {rowCells} from '../../web/src/cells.js';
import {PictureNames} from '../../web/src/picture_names.js';
import {lastResult} from '../../web/src/results.js';
import {kLargestSeed, readSession} from '../../web/src/session_description.js';

/** @typedef {import('../../web/src/program.js').CreateProgram} CreateProgram */
/** @typedef {import('../../web/src/program.js').ProgramRules} ProgramRules */
/** @typedef {import('../../web/src/screen_text.js').TextKind} TextKind */

// Seen from where npm was run (INIT_CWD), which is not where Stryker runs the tests.
const programPath = process.env.ZEPIRO_PROGRAM ??
  resolve(process.env.INIT_CWD ?? '.', 'build-web/site/file/zepiro.js');
const createProgram = /** @type {CreateProgram} */ (
  new Function(`${readFileSync(programPath, 'utf8')}\nreturn createZepiro;`)());

/**
 * Runs the program with `lines` typed; resolves once it waits for more or has ended.
 * @param {number} seed
 * @param {string[]} lines
 */
async function run(seed, lines) {
  /** @type {{text: string, kind: TextKind}[]} */
  const written = [];
  /** @type {ProgramRules} */
  let rules = {cellWidth: () => NaN, pageBreakLineEnds: NaN, version: ''};
  const typed = new TextEncoder().encode(lines.map((line) => `${line}\n`).join(''));
  const session = new Session(seed, typed, {
    started: (given) => { rules = given; },
    output: (text, kind) => written.push({text, kind}),
    idle() {}, ended() {}, unloaded() {}, refused() {}, limited() {}, replaying() {},
  }, createProgram);
  await session.idle();
  return {session, rules, written};
}

/** @typedef {Awaited<ReturnType<typeof run>>} Run */

/** The screen shown last, as the page splits what was written. */
function lastScreen(/** @type {Run} */ {rules, written}) {
  const screen = new ScreenText(rules.pageBreakLineEnds);
  written.forEach(({text, kind}) => screen.add(text, kind));
  return {screens: screen.generation + 1,
    lines: screen.linesFrom(0).map((runs) => runs.map((piece) => piece.text).join(''))};
}

/** The cells of the widest row on the screen shown last (cells.js). */
function widestRow(/** @type {Run} */ ran) {
  const {rules, session} = ran;
  return Math.max(...lastScreen({...ran, written: [{text: session.transcript, kind: 'output'}]})
    .lines.map((line) => rowCells(line, rules.cellWidth)));
}

const draw = ['0', '2 2', 'ゼピロ ミナ', '2'];
const tally = ['4', '2 1', 'A B', '10', '20'];
const dashes = (/** @type {number} */ count) => '-'.repeat(count);

/** @type {{name: string, seed?: number, lines: string[], read: (ran: Run) => unknown, want: unknown}[]} */
const cases = [
  {name: 'a character takes the cells of its CP932 form', lines: [],
    read: ({rules}) => Object.fromEntries([...'Aｱア¥‾~　'].map((character) =>
      [character, rules.cellWidth(Number(character.codePointAt(0)))])),
    want: {'A': 1, 'ｱ': 1, 'ア': 2, '¥': 1, '‾': 1, '~': 1, '　': 2}},
  {name: 'a page break starts a new screen, and only there', lines: ['1'], read: lastScreen,
    want: {screens: 2, lines: ['', '', '-= 大会用ポイント集計 =-', '', '', '□参加人数:']}},
  {name: 'a draw and a tally are framed as the page finds their results',
    seed: 7, lines: [...draw, ...tally], read: ({session: {transcript}}) => ({
      none: lastResult(transcript.slice(0, transcript.indexOf(dashes(29)))),
      draw: lastResult(transcript.slice(0, transcript.indexOf('計算結果'))),
      tally: lastResult(transcript),
      // what each picture shows, which one in the session, the seed; once more, a name of its own
      pictures: ((names) => [transcript, transcript, transcript.slice(0,
        transcript.indexOf('計算結果'))].map((shown) => names.next(7, shown)))(new PictureNames())}),
    want: {none: null,
      draw: [dashes(29), 'ゼピロ:', '1:  ポロン / ストームライナー', '2:  ゴルバ / スカイスライダー',
        'ミナ:', '1:  リュミエ / ミラージュ', '2:  ビッグモンドール / デザートクローラ', dashes(29)],
      tally: [dashes(36), '■○○杯　結果', ' 1st　[20]  20pts　B', ' 2nd　[10]  10pts　A',
        dashes(36)],
      pictures: ['zepiro-7-tally-1.png', 'zepiro-7-tally-1-2.png', 'zepiro-7-draw-1.png']}},
  ...[kLargestSeed, kLargestSeed + 1].map((seed) => ({
    name: `a link takes the seeds the program takes: ${seed}`, seed, lines: [],
    read: (/** @type {Run} */ {session}) => ({program: !session.ended,
      link: readSession(`seed=${session.seed}&typed=`) !== null}),
    want: seed === kLargestSeed ? {program: true, link: true} : {program: false, link: false}})),
  // A screen is sized by its rows, never by its prose.
  {name: 'the title: its rule, not the 73 cells of its menu', lines: [], read: widestRow, want: 29},
  {name: 'one draw of one', lines: ['0', '1 1', 'ゼピロ', '1'], read: widestRow, want: 78},
  {name: 'one draw of one, fewer columns', lines: ['0', '1 1', 'ゼピロ', '0'], read: widestRow,
    want: 61},
  {name: 'the largest draw', lines: ['0', '15 99', 'A B C D E F G H I J K L M N O', '2'],
    read: widestRow, want: 45},
  {name: 'a tally', lines: ['1', '2 9', 'ゼピロ ミナ', ...Array(18).fill('10')], read: widestRow,
    want: 49},
];

it.each(cases)('$name', async ({seed = 1, lines, read, want}) => {
  expect(read(await run(seed, lines))).toEqual(want);
});

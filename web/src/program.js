// The program as the page runs it: one instance of the Emscripten module
// (zepiro.js) per session, and the rules of the console (and the version)
// that the page takes from it rather than keeping copies of its own.

/** The program's standard output, as its writes name it; its standard error is 2. */
export const kStandardOutput = 1;

/**
 * The program's terminal, which the page that started an instance is: it
 * hands out the lines typed and shows what the program writes.
 * @typedef {object} Terminal
 * @property {(capacity: number) => Promise<Uint8Array>} read
 *   waits for typed bytes and hands out at most `capacity` of them; none once
 *   the page has stopped the program, whose input has then ended
 * @property {(stream: number, bytes: Uint8Array) => boolean} write
 *   shows bytes written to the program's standard output or error; false if the
 *   page takes no more, and the program's output has failed
 * @property {(kind: 'number'|'pair'|'name') => void} [expect]
 *   told, before the program waits for typed bytes, what it waits for: a
 *   number, a pair of numbers as "7-1", or a name
 */

/**
 * One instance of the program, as zepiro.js makes it.
 * @typedef {object} ProgramInstance
 * @property {(args: string[]) => Promise<number>} start
 *   runs main with `args` after its name; resolves with the exit status
 * @property {(codePoint: number) => number} _zepiro_cell_width
 * @property {() => number} _zepiro_page_break_line_ends
 * @property {() => string} version  as --version names it (program_start.js)
 */

/**
 * Makes an instance of the program (zepiro.js's createZepiro).
 * @typedef {(options: {terminal: Terminal, print: () => void, printErr: () => void,
 *   onAbort: () => void}) => Promise<ProgramInstance>} CreateProgram
 */

/**
 * The console's rules, as the program itself has them.
 * @typedef {object} ProgramRules
 * @property {(codePoint: number) => number} cellWidth
 *   the cells a character takes: 1 or 2, the width of its CP932 form
 * @property {number} pageBreakLineEnds  line ends in a row that start a new screen
 * @property {string} version  the program's, which a seed draws the same on
 */

/**
 * @param {ProgramInstance} instance
 * @returns {ProgramRules}
 */
export function rulesOf(instance) {
  return {
    cellWidth: (codePoint) => instance._zepiro_cell_width(codePoint),
    pageBreakLineEnds: instance._zepiro_page_break_line_ends(),
    version: instance.version(),
  };
}

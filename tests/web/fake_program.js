// A stand-in for the program: it writes a prompt, then echoes every chunk it
// reads, as fast as a test needs and with the ends a test chooses. Like the
// program, it ends when its input does. Or it runs what a test gives it.

/** @typedef {import('../../web/src/program.js').CreateProgram} CreateProgram */
/** @typedef {import('../../web/src/program.js').Terminal} Terminal */

/**
 * @param {object} [behaviour]
 * @param {number} [behaviour.capacity]  the most bytes one read asks for
 * @param {(terminal: Terminal, chunk: Uint8Array) => number | undefined} [behaviour.onRead]
 *   what it does with a chunk read; a number ends it with that status
 * @param {(terminal: Terminal) => Promise<number>} [behaviour.run]  all it does instead
 * @param {string} [behaviour.version]
 * @returns {CreateProgram}
 */
export function fakeProgram({capacity = 64, onRead = (terminal, chunk) => {
  terminal.write(1, chunk);
  return undefined;
}, run = undefined, version = '2.2.0'} = {}) {
  return async ({terminal}) => ({
    async start() {
      if (run) {
        return run(terminal);
      }
      terminal.write(1, new TextEncoder().encode('>'));
      for (;;) {
        const chunk = await terminal.read(capacity);
        if (chunk.length === 0) {
          return 1;  // its input ended, as the program's does
        }
        const status = onRead(terminal, chunk);
        if (status !== undefined) {
          return status;
        }
      }
    },
    _zepiro_cell_width: (codePoint) => (codePoint < 0x80 ? 1 : 2),
    _zepiro_page_break_line_ends: () => 25,
    version: () => version,
  });
}

// The page's own keypad on a touch screen. Before each read the program says
// what it waits for; while that is a number or a pair (as "7-1"), keys for
// them show under the input line, and the input line asks the phone for no
// keyboard of its own, whose digit layouts lack a minus sign. For a name the
// keypad steps aside and the phone's keyboard is used. A physical keyboard
// types into the input line as ever.

/** @typedef {import('./program.js').CreateProgram} CreateProgram */
/** @typedef {Parameters<CreateProgram>[0]} ProgramOptions */
/** @typedef {'number' | 'pair' | 'name'} ReadKind */

/**
 * The keys, in rows of five: what each shows, what it types, or what it does
 * ('delete' the last character, 'send' the line), and its name where the label
 * alone does not say it.
 * @type {{label: string, types?: string, does?: 'delete' | 'send', name?: string}[]}
 */
const kKeys = [
  ...'1234567890'.split('').map((digit) => ({label: digit, types: digit})),
  {label: '-', types: '-', name: 'マイナス'},
  {label: '空白', types: ' '},
  {label: '⌫', does: 'delete', name: '1文字消す'},
  {label: '送信', does: 'send'},
];

export class Keypad {
  /**
   * @param {HTMLElement} element  where the keys go, hidden until they are wanted
   * @param {HTMLInputElement} line  the input line
   * @param {() => void} send  sends the input line, as Enter does
   */
  constructor(element, line, send) {
    this.element = element;
    this.line = line;
    /** @type {ReadKind | null} what the shown session's program waits for, as it said */
    this.kind = null;
    /** Counts the programs started; only the newest, whose session is shown, is followed. */
    this.started = 0;
    this.touch = matchMedia('(pointer: coarse)');
    this.touch.addEventListener('change', () => this.update());
    for (const key of kKeys) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = key.label;
      if (key.name !== undefined) {
        button.setAttribute('aria-label', key.name);
      }
      button.dataset['does'] = key.does ?? 'type';
      button.addEventListener('click', () => {
        if (key.does === 'send') {
          send();
        } else {
          line.value = key.does === 'delete' ? [...line.value].slice(0, -1).join('') :
            line.value + key.types;
          line.scrollLeft = line.scrollWidth;  // the end, where the keys type
        }
      });
      element.append(button);
    }
    // A key that took the focus would take it from the input line, where a
    // physical keyboard types.
    element.addEventListener('mousedown', (event) => event.preventDefault());
    this.update();
  }

  /**
   * The options a program starts with, made to tell this keypad what it
   * waits for. Each program started is the newest session's; one started
   * before it may still be ending, and is no longer heard.
   * @param {ProgramOptions} options
   * @returns {ProgramOptions}
   */
  follow(options) {
    const program = ++this.started;
    this.expect(null);
    return {...options, terminal: {...options.terminal, expect: (kind) => {
      options.terminal.expect?.(kind);
      if (program === this.started) {
        this.expect(kind);
      }
    }}};
  }

  /** @param {ReadKind | null} kind */
  expect(kind) {
    this.kind = kind;
    this.update();
  }

  /** @private */
  update() {
    const shown = this.touch.matches && (this.kind === 'number' || this.kind === 'pair');
    this.element.hidden = !shown;
    if (shown) {
      this.line.inputMode = 'none';
    } else {
      this.line.removeAttribute('inputmode');
    }
  }
}

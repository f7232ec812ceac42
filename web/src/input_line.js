// The input line and its 送信 button: a line entered goes to the session
// shown, and both are disabled while that session has ended.

/** @typedef {import('./session_host.js').SessionHost} SessionHost */

/**
 * Whether a key enters the line: an Enter, but not the one that ends an
 * input method's composition, which is the method's own.
 * @param {KeyboardEvent} event
 */
export function entersLine(event) {
  return event.key === 'Enter' && !event.isComposing && event.keyCode !== 229;
}

/**
 * Sends what is typed in `line` to the host's session on Enter or `send`;
 * the line is emptied once the host takes it.
 * @param {{line: HTMLInputElement, send: HTMLButtonElement}} parts
 * @param {SessionHost} host
 * @returns {() => void} enters the line, as Enter does
 */
export function followInput({line, send}, host) {
  const enter = () => {
    if (host.enter(line.value)) {
      line.value = '';
    }
  };
  line.addEventListener('keydown', (event) => {
    if (entersLine(event)) {
      event.preventDefault();
      enter();
    }
  });
  send.addEventListener('click', () => {
    enter();
    line.focus();
  });
  host.listen((change) => {
    line.disabled = change === 'ended';
    send.disabled = line.disabled;
  });
  return enter;
}

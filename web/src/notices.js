// The notice line above the screen: one message at a time, with at most one
// button that acts on it.

/** @typedef {{label: string, run: () => void}} NoticeAction */

export class Notice {
  /** @param {HTMLElement} element */
  constructor(element) {
    this.element = element;
  }

  /**
   * @param {string} text
   * @param {NoticeAction} [action]
   */
  say(text, action) {
    this.element.replaceChildren(text);
    if (action !== undefined) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = action.label;
      button.addEventListener('click', action.run);
      this.element.append(' ', button);
    }
    this.element.hidden = false;
  }

  hide() {
    this.element.hidden = true;
  }
}

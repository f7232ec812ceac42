// The notice line above the screen: one message at a time, with at most one
// button that acts on it, or a list of offers, each with its own button.

/** @typedef {{label: string, run: () => void}} NoticeAction */
/**
 * An action in a list, with the words that tell it from the others.
 * @typedef {NoticeAction & {about: string}} NoticeOffer
 */

/** @param {NoticeAction} action */
function buttonFor(action) {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = action.label;
  button.addEventListener('click', action.run);
  return button;
}

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
      this.element.append(' ', buttonFor(action));
    }
    this.element.hidden = false;
  }

  /**
   * Says `text`, then lists the offers, each with its button.
   * @param {string} text
   * @param {NoticeOffer[]} offers
   */
  offer(text, offers) {
    this.say(text);
    const list = document.createElement('ul');
    list.append(...offers.map((offer) => {
      const item = document.createElement('li');
      item.append(offer.about, ' ', buttonFor(offer));
      return item;
    }));
    this.element.append(list);
  }

  /**
   * Says `text` before what the notice says now, its buttons kept.
   * @param {string} text
   */
  prepend(text) {
    if (this.element.hidden) {
      this.say(text);
    } else {
      this.element.prepend(text);
    }
  }

  hide() {
    this.element.hidden = true;
  }
}

import {expect, it, vi} from 'vitest';
import {Notice} from '../../web/src/notices.js';

it('shows one message at a time, with the button of its own action', () => {
  const notice = new Notice(document.createElement('p'));
  notice.hide();
  const run = vi.fn();
  notice.say('続きから始められます。', {label: '続きから', run});
  expect([notice.element.hidden, notice.element.textContent]).toEqual(
    [false, '続きから始められます。 続きから']);
  const button = /** @type {HTMLButtonElement} */ (notice.element.querySelector('button'));
  expect(button.type).toBe('button');
  button.click();
  expect(run).toHaveBeenCalledOnce();
  notice.say('終了しました。');
  expect([notice.element.textContent, notice.element.querySelector('button')]).toEqual(
    ['終了しました。', null]);
});

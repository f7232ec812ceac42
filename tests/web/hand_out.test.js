import {afterEach, expect, it, vi} from 'vitest';
import {copyText} from '../../web/src/hand_out.js';

afterEach(() => vi.restoreAllMocks());

it('copies through the clipboard, or through a selection where the clipboard refuses', async () => {
  const written = vi.spyOn(navigator.clipboard, 'writeText').mockResolvedValue();
  expect(await copyText('ゼピロ\n')).toBe(true);
  expect(written).toHaveBeenCalledWith('ゼピロ\n');
  written.mockRejectedValue(new DOMException('not allowed', 'NotAllowedError'));
  for (const copied of [true, false]) {
    /** @type {string[]} */
    const selected = [];
    Object.assign(document, {execCommand: () => {
      selected.push(document.querySelector('textarea')?.value ?? '');
      return copied;
    }});
    expect(await copyText('ミナ')).toBe(copied);
    expect(selected).toContain('ミナ');
    expect(document.querySelector('textarea')).toBeNull();
  }
});

import {afterEach, expect, it, vi} from 'vitest';
import {copyText, saveFile} from '../../web/src/clipboard.js';

afterEach(() => {
  vi.restoreAllMocks();
  vi.useRealTimers();
});

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

it('offers a file under its name, and lets its address go later', () => {
  vi.useFakeTimers();
  const clicked = vi.spyOn(HTMLAnchorElement.prototype, 'click').mockImplementation(() => {});
  const revoked = vi.spyOn(URL, 'revokeObjectURL');
  saveFile(new Blob(['x']), 'zepiro-7.png');
  const link = /** @type {HTMLAnchorElement} */ (clicked.mock.contexts[0]);
  expect([link.download, link.href.startsWith('blob:')]).toEqual(['zepiro-7.png', true]);
  expect(revoked).not.toHaveBeenCalled();
  vi.runAllTimers();
  expect(revoked).toHaveBeenCalledWith(link.href);
});

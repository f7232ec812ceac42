import {describe, expect, it} from 'vitest';
import {loadProgram} from '../../web/src/program_loader.js';

// Loading that works is the browser tests' concern: every session there runs it.
describe('loadProgram', () => {
  it('fails each instance if the script does not load, so a session ends', async () => {
    const create = loadProgram('zepiro.js');
    document.head.lastElementChild?.dispatchEvent(new Event('error'));
    const options = /** @type {Parameters<typeof create>[0]} */ (/** @type {unknown} */ ({}));
    await expect(create(options)).rejects.toThrow('zepiro.js did not load');
  });
});

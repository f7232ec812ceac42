import {afterEach, expect, it, vi} from 'vitest';
import {loadProgram} from '../../web/src/program_loader.js';

/** Starts loading into a head that leaves the script's loading to the test. */
function load() {
  const append = vi.spyOn(document.head, 'append').mockImplementation(() => {});
  const create = loadProgram('zepiro.js');
  const script = /** @type {HTMLScriptElement} */ (append.mock.lastCall?.[0]);
  const options = /** @type {Parameters<typeof create>[0]} */ (/** @type {unknown} */ ({}));
  return {instance: () => create(options), script, options};
}

afterEach(() => {
  vi.unstubAllGlobals();
  vi.restoreAllMocks();
});

it('makes each instance, early or late, once the script has run, or fails each', async () => {
  const {instance, script, options} = load();
  const made = vi.fn(async (/** @type {unknown} */ given) => ({given}));
  const early = instance();
  vi.stubGlobal('createZepiro', made);
  expect([script.src.endsWith('/zepiro.js'), made.mock.calls.length]).toEqual([true, 0]);
  script.dispatchEvent(new Event('load'));
  expect([await early, await instance()]).toEqual([{given: options}, {given: options}]);
  const failed = load();  // a script that does not load, so a session ends
  failed.script.dispatchEvent(new Event('error'));
  await expect(failed.instance()).rejects.toThrow('zepiro.js did not load');
});

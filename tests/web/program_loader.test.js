import {afterEach, expect, it, vi} from 'vitest';
import {loadProgram} from '../../web/src/program_loader.js';

/** Starts loading into a head that leaves the script's loading to the test. */
function load(protocol = 'http:', wasm = [0, 97, 115, 109, 1, 0, 0, 0], status = 200) {
  vi.stubGlobal('location', {protocol});
  vi.stubGlobal('fetch', async () => new Response(new Uint8Array(wasm), {status}));
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
  const {instance, script} = load();
  const made = vi.fn((/** @type {any} */ to) => new Promise((ok) => to.instantiateWasm({}, ok)));
  const early = instance();
  vi.stubGlobal('createZepiro', made);
  expect([script.src.endsWith('/zepiro.js'), made.mock.calls.length]).toEqual([true, 0]);
  script.dispatchEvent(new Event('load'));
  [await early, await instance()].forEach((x) => expect(x).toBeInstanceOf(WebAssembly.Instance));
  const failed = load();  // a script that does not load, so a session ends
  failed.script.dispatchEvent(new Event('error'));
  await expect(failed.instance()).rejects.toThrow('zepiro.js did not load');
  for (const [status, wasm, failure] of /** @type {[number, number[], any][]} */ (
    [[404, [], 'zepiro.wasm did not load (404)'], [200, [0, 97, 115], WebAssembly.CompileError]])) {
    const cut = load('https:', wasm, status);  // refused, or cut short
    cut.script.dispatchEvent(new Event('load'));
    await expect(cut.instance()).rejects.toThrow(failure);
  }
});

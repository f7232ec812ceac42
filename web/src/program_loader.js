// The program is loaded without holding up the page's first paint: its
// script is inserted rather than written in the page, and each session's
// instance waits for it. Over http(s) its WebAssembly, a file of its own
// beside the script, is fetched at the same time and compiled once for every
// instance. A page opened from a file may fetch nothing: there the program
// is one script in file/, its WebAssembly embedded, which it decodes itself.

/** @typedef {import('./program.js').CreateProgram} CreateProgram */
/** @typedef {import('./program.js').ProgramInstance} ProgramInstance */

/**
 * What the program's script defines (Emscripten's createZepiro): it makes an
 * instance, here with the WebAssembly compiled once (`instantiateWasm`).
 * @typedef {(options: object) => Promise<ProgramInstance>} ProgramFactory
 */

/**
 * Runs the script at `url`; resolves with the factory it defines.
 * @param {string} url
 * @returns {Promise<ProgramFactory>}
 */
function runScript(url) {
  const script = document.createElement('script');
  script.src = url;
  /** @type {Promise<ProgramFactory>} */
  const ran = new Promise((resolve, reject) => {
    script.addEventListener('load', () => {
      // A script cut short does not run, and defines nothing.
      const create = /** @type {{createZepiro?: ProgramFactory}} */ (
        /** @type {unknown} */ (globalThis)).createZepiro;
      if (typeof create === 'function') {
        resolve(create);
      } else {
        reject(new Error(`${url} defined no program`));
      }
    });
    script.addEventListener('error', () => reject(new Error(`${url} did not load`)));
  });
  document.head.append(script);
  return ran;
}

/**
 * Fetches and compiles the WebAssembly at `url`: as it arrives where the
 * host gives its type, which browsers then require, else once it is whole.
 * @param {string} url
 * @returns {Promise<WebAssembly.Module>}
 */
async function compile(url) {
  const response = await fetch(url);
  if (!response.ok) {
    throw new Error(`${url} did not load (${response.status})`);
  }
  return response.headers.get('Content-Type') === 'application/wasm' ?
    WebAssembly.compileStreaming(response) : WebAssembly.compile(await response.arrayBuffer());
}

/**
 * Starts loading the program's script from `url` (its WebAssembly: the same
 * name, .wasm for .js).
 * @param {string} url
 * @returns {CreateProgram} makes an instance once the program is there; fails,
 *   each time, if it could not be loaded (missing, refused, cut short)
 */
export function loadProgram(url) {
  if (location.protocol === 'file:') {
    const created = runScript(`file/${url}`);
    return (options) => created.then((create) => create(options));
  }
  const created = runScript(url);
  const compiled = compile(url.replace(/\.js$/, '.wasm'));
  return (options) => Promise.all([created, compiled]).then(([create, module]) =>
    new Promise((resolve, reject) => {
      create({...options,
        /**
         * @param {WebAssembly.Imports} imports
         * @param {(instance: WebAssembly.Instance) => void} receive
         */
        instantiateWasm: (imports, receive) => {
          WebAssembly.instantiate(module, imports).then(receive).catch(reject);
          return {};  // the exports come to `receive`
        }}).then(resolve, reject);
    }));
}

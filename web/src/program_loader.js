// The program (zepiro.js, some 550 KB with its WebAssembly) is loaded
// without holding up the page's first paint: the script is inserted rather
// than written in the page, and each session's instance waits for it.

/** @typedef {import('./program.js').CreateProgram} CreateProgram */

/**
 * Starts loading the program's script from `url`.
 * @param {string} url
 * @returns {CreateProgram} makes an instance once the script has run; fails if it did not load
 */
export function loadProgram(url) {
  const script = document.createElement('script');
  script.src = url;
  /** @type {Promise<CreateProgram>} */
  const loaded = new Promise((resolve, reject) => {
    script.addEventListener('load', () => resolve(
      /** @type {{createZepiro: CreateProgram}} */ (/** @type {unknown} */ (globalThis))
        .createZepiro));
    script.addEventListener('error', () => reject(new Error(`${url} did not load`)));
  });
  document.head.append(script);
  return (options) => loaded.then((create) => create(options));
}

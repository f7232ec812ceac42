// Lint for the page's modules and their tests.
import js from '@eslint/js';
import globals from 'globals';

export default [
  {ignores: ['build*/**', 'node_modules/**', 'reports/**', '.stryker-tmp/**']},
  js.configs.recommended,
  {
    files: ['web/src/**/*.js'],
    languageOptions: {globals: globals.browser},
  },
  {
    files: ['web/service_worker.js'],
    languageOptions: {globals: globals.serviceworker},
  },
  {
    files: ['web/write_service_worker.js'],
    languageOptions: {globals: globals.node},
  },
  {
    files: ['tests/web/**/*.js', '*.config.js', '*.config.mjs'],
    languageOptions: {globals: {...globals.node, ...globals.browser, zepiro: 'readonly'}},
  },
  {
    rules: {
      'eqeqeq': 'error',
      'no-var': 'error',
      'prefer-const': 'error',
      'no-implicit-globals': 'error',
      'no-shadow': 'error',
    },
  },
  {
    // Linked into the program's own script by Emscripten, which gives them
    // these names (--js-library, --post-js).
    files: ['web/page_library.js', 'web/program_start.js'],
    languageOptions: {
      sourceType: 'script',
      globals: {
        ...globals.browser, mergeInto: 'readonly', LibraryManager: 'readonly',
        Asyncify: 'readonly', Module: 'readonly', HEAPU8: 'readonly', HEAP32: 'readonly',
        allocateUTF8: 'readonly', _malloc: 'readonly', ccall: 'readonly', thisProgram: 'readonly',
        cp932: 'readonly', UTF8ToString: 'readonly', _zepiro_version: 'readonly',
      },
    },
    // Emscripten's own tools read these as the JavaScript of their day.
    rules: {'no-var': 'off', 'prefer-const': 'off', 'no-unused-vars': ['error', {caughtErrors: 'none'}]},
  },
];

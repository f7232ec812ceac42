// Lint for the page's modules and their tests.
import js from '@eslint/js';
import globals from 'globals';

export default [
  {ignores: ['build*/**', 'node_modules/**', 'reports/**', '.stryker-tmp/**',
    'web/page_library.js', 'web/program_start.js']},
  js.configs.recommended,
  {
    files: ['web/src/**/*.js'],
    languageOptions: {globals: globals.browser},
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
];

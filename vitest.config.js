// The page's unit tests run under node, with happy-dom for what needs a DOM.
import {defineConfig} from 'vitest/config';

export default defineConfig({
  test: {
    include: ['tests/web/**/*.test.js'],
    environment: 'happy-dom',
  },
});

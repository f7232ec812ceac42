// Writes the page's service worker, SITE/service_worker.js: bundles
// web/service_worker.js with Workbox's precaching (esbuild), then puts in the
// list of every other file in SITE, whatever they are, each with its
// revision and its SHA-256 as Subresource Integrity (workbox-build).
//
//   node web/write_service_worker.js build-web/site
//
// Run once the site's files are all there: a file changed after it goes
// unnoticed by the worker.
import {createHash} from 'node:crypto';
import {mkdtemp, readFile, rm} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {build} from 'esbuild';
import {injectManifest} from 'workbox-build';

const site = process.argv[2];
const worker = join(site, 'service_worker.js');
const bundled = join(await mkdtemp(join(tmpdir(), 'zepiro-worker-')), 'service_worker.js');
try {
  await build({
    entryPoints: [fileURLToPath(new URL('service_worker.js', import.meta.url))],
    bundle: true, format: 'iife', target: 'es2020', minify: true, outfile: bundled,
    // Workbox's messages for developers are left out, as in its production builds.
    define: {'process.env.NODE_ENV': '"production"'}, logLevel: 'warning',
  });
  const {warnings} = await injectManifest({
    swSrc: bundled, swDest: worker, globDirectory: site, globPatterns: ['**/*'],
    // file/ holds the program for pages opened from the disk, which no worker serves.
    globIgnores: ['service_worker.js', 'file/**'], maximumFileSizeToCacheInBytes: 2 ** 30,
    manifestTransforms: [async (entries) => ({warnings: [], manifest: await Promise.all(
      entries.map(async (entry) => ({...entry, integrity: 'sha256-' + createHash('sha256')
        .update(await readFile(join(site, entry.url))).digest('base64')})))})],
  });
  // A file left out (too large, say) would be missing offline.
  if (warnings.length > 0) {
    throw new Error(warnings.join('\n'));
  }
} finally {
  await rm(join(bundled, '..'), {recursive: true});
}

// Runs sessions of the page in headless Firefox, over WebDriver BiDi: reads
// [{seed, lines}, ...] as JSON on standard input and writes each session's
// transcript, in order, as a JSON array on standard output.
import {readFileSync} from 'node:fs';
import {pathToFileURL} from 'node:url';
import puppeteer from 'puppeteer-core';

const sessions = JSON.parse(readFileSync(0, 'utf8'));
const pageUrl = pathToFileURL(`${process.env.ZEPIRO_SITE}/index.html`).href;
const browser = await puppeteer.launch({
  browser: 'firefox', executablePath: process.env.ZEPIRO_FIREFOX, headless: true,
  protocolTimeout: 60_000,  // a promise that never settles fails its call, not the whole run
});
try {
  const page = await browser.newPage();
  const transcripts = [];
  for (const { seed, lines } of sessions) {
    // about:blank first: a new fragment alone would not load the page anew.
    await page.goto('about:blank');
    await page.goto(`${pageUrl}#seed=${seed}&typed=`);
    transcripts.push(await page.evaluate(async (/** @type {string[]} */ typed) => {
      await Promise.all([zepiro.idle(), ...typed.map((line) => zepiro.type(line))]);
      return zepiro.transcript();
    }, lines));
  }
  process.stdout.write(JSON.stringify(transcripts));
} finally {
  await browser.close();
}

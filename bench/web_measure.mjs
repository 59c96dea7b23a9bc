// Figures of the web page in headless Chromium (measured, never asserted):
//   node --experimental-websocket bench/web_measure.mjs SITE
// what a first visit transfers, compressed; the time from navigation to
// the first drawn board (median of several loads); and the drag frames,
// from the pointer's event to the board drawn anew.
import {readFileSync, readdirSync} from 'node:fs';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import {Browser, serve} from '../tests/web/cdp.mjs';

const site = process.argv[2] || 'build-web/site';
const loads = 7, moves = 40;
const median = (xs) => xs.slice().sort((a, b) => a - b)[xs.length >> 1];

let raw = 0, packed = 0;
for (const f of readdirSync(site).filter((n) => /\.(html|js|css|wasm)$/.test(n))) {
  const bytes = readFileSync(join(site, f));
  raw += bytes.length;
  packed += gzipSync(bytes, {level: 9}).length;
}
console.log(`transfer: ${(raw / 1024).toFixed(0)} KiB, compressed ${(packed / 1024).toFixed(0)} KiB ` +
    '(the page, its script, style and module; help pages load when opened)');

const server = await serve(site);
const browser = await Browser.launch();
try {
  const firsts = [];
  for (let i = 0; i < loads; i++) {
    await browser.goto(server.url);
    firsts.push(await browser.eval('Zerdo.firstPaint'));
  }
  console.log(`navigation to the first drawn board: median ${median(firsts).toFixed(0)} ms of ${loads} loads ` +
      `(${firsts.map((t) => t.toFixed(0)).join(' ')})`);
  const [x, y] = await browser.eval(`(() => { const b = $('board').getBoundingClientRect();
    const c = Zerdo.view.controls.find((c) => c.kind === 1 && c.index < 0 && c.picture === 1);
    return [b.x + c.x + c.w / 2, b.y + c.y + c.h / 2]; })()`);
  await browser.mouse('mouseMoved', x, y);
  await browser.mouse('mousePressed', x, y);
  await browser.idle();
  for (let i = 1; i <= moves; i++) {
    await browser.mouse('mouseMoved', x + i * 6, y + i * 4);
    await browser.idle();
  }
  await browser.mouse('mouseReleased', x + moves * 6, y + moves * 4);
  const frames = await browser.eval('Zerdo.dragFrames');
  console.log(`drag frame: median ${median(frames).toFixed(2)} ms, slowest ${Math.max(...frames).toFixed(2)} ms ` +
      `of ${frames.length}`);
} finally {
  browser.close();
  server.close();
}

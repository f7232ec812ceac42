import {expect, it} from 'vitest';
import {crc32, inflateSync} from 'node:zlib';
import {greyPng, greyScanlines} from '../../web/src/png.js';

/**
 * The chunks of a PNG, each checked against its CRC, and its pixels' grey
 * levels (two bits each), read as any decoder would.
 * @param {Blob} blob
 */
async function decode(blob) {
  const bytes = Buffer.from(await blob.arrayBuffer());
  expect({type: blob.type, signature: bytes.subarray(0, 8).toString('latin1')}).toEqual(
    {type: 'image/png', signature: '\x89PNG\r\n\x1a\n'});
  /** @type {Record<string, Buffer>} */
  const chunks = {};
  for (let at = 8; at < bytes.length;) {
    const end = at + 8 + bytes.readUInt32BE(at);
    expect(bytes.readUInt32BE(end)).toBe(crc32(bytes.subarray(at + 4, end)));
    chunks[bytes.toString('latin1', at + 4, at + 8)] = bytes.subarray(at + 8, end);
    at = end + 4;
  }
  const header = chunks.IHDR;
  const [width, height] = [header.readUInt32BE(0), header.readUInt32BE(4)];
  const data = inflateSync(chunks.IDAT);
  const stride = 1 + Math.ceil(width / 4);
  expect({depth: header[8], colour: header[9], compression: header[10], filter: header[11],
    interlace: header[12], data: data.length, end: chunks.IEND.length}).toEqual({depth: 2,
    colour: 0, compression: 0, filter: 0, interlace: 0, data: stride * height, end: 0});
  return Array.from({length: height}, (_row, y) => {
    expect(data[y * stride]).toBe(0);
    return Array.from({length: width},
      (_pixel, x) => (data[y * stride + 1 + (x >> 2)] >> (6 - 2 * (x & 3))) & 3);
  });
}

it('writes the picture as four greys from its green, that any decoder reads back', async () => {
  // Rows of 9 pixels ('.' white): white runs, runs of four with one grey, a
  // partial last byte, and greys from the green channel's top bits whatever
  // the red and blue.
  const rows = ['....01232', '.........', '..2..1...', '.......0.', '1...30...'];
  const greens = [0x3f, 0x40, 0xbf, 0xc0];
  const rgba = new Uint8ClampedArray(rows.join('').split('').flatMap((c, i) =>
    (c === '.' ? [0xff, 0xff, 0xff, 0xff] : [i % 2 === 0 ? 0xff : 0, greens[Number(c)], 0x80, 0xff])));
  const [width, height] = [rows[0].length, rows.length];
  expect(await decode(await greyPng(width, height, greyScanlines(rgba, width, height))))
    .toEqual(rows.map((row) => [...row].map((c) => (c === '.' ? 3 : Number(c)))));
});

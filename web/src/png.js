// A PNG of four greys, two bits a pixel: text drawn black on white keeps its
// smoothed edges, and a picture of some 12 million pixels stays well under a
// megabyte, which the browser's own encoder (four bytes a pixel) does not.

/** @type {Uint32Array | null} */
let crcTable = null;

/** @param {Uint8Array} bytes */
function crc32(bytes) {
  if (crcTable === null) {
    crcTable = new Uint32Array(256);
    for (let n = 0; n < 256; ++n) {
      let c = n;
      for (let k = 0; k < 8; ++k) {
        c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
      }
      crcTable[n] = c;
    }
  }
  let crc = 0xffffffff;
  for (const byte of bytes) {
    crc = crcTable[(crc ^ byte) & 0xff] ^ (crc >>> 8);
  }
  return (crc ^ 0xffffffff) >>> 0;
}

/**
 * @param {string} type
 * @param {Uint8Array} data
 */
function chunk(type, data) {
  const bytes = new Uint8Array(12 + data.length);
  const view = new DataView(bytes.buffer);
  view.setUint32(0, data.length);
  bytes.set(new TextEncoder().encode(type), 4);
  bytes.set(data, 8);
  view.setUint32(8 + data.length, crc32(bytes.subarray(4, 8 + data.length)));
  return bytes;
}

/**
 * The pixels of an opaque picture, grey levels from its green channel, as
 * PNG scanlines: each a filter byte (none) then four pixels a byte.
 * @param {Uint8ClampedArray} rgba
 * @param {number} width
 * @param {number} height
 */
export function greyScanlines(rgba, width, height) {
  const pixels = new Uint32Array(rgba.buffer, rgba.byteOffset, width * height);
  const stride = 1 + Math.ceil(width / 4);
  const lines = new Uint8Array(stride * height);
  for (let y = 0; y < height; ++y) {
    let out = y * stride + 1;
    for (let x = 0; x < width; x += 4, ++out) {
      const at = y * width + x;
      const white = pixels[at] & pixels[at + 1] & pixels[at + 2] & pixels[at + 3];
      if (x + 4 <= width && white === -1) {
        lines[out] = 0xff;  // four white pixels, most of a picture of text
        continue;
      }
      const pixelsHere = Math.min(4, width - x);
      let byte = 0;
      for (let k = 0; k < 4; ++k) {
        // The green byte's top two bits, on a little-endian machine (all that run browsers).
        byte = (byte << 2) | (k < pixelsHere ? (pixels[at + k] >>> 14) & 3 : 0);
      }
      lines[out] = byte;
    }
  }
  return lines;
}

/**
 * The PNG of the scanlines greyScanlines gives.
 * @param {number} width
 * @param {number} height
 * @param {Uint8Array<ArrayBuffer>} scanlines
 * @returns {Promise<Blob>}
 */
export async function greyPng(width, height, scanlines) {
  const header = new Uint8Array(13);
  const view = new DataView(header.buffer);
  view.setUint32(0, width);
  view.setUint32(4, height);
  header.set([2, 0, 0, 0, 0], 8);  // two bits of grey, deflate, no interlace
  const deflate = new CompressionStream('deflate');
  const writer = deflate.writable.getWriter();
  void writer.write(scanlines);
  void writer.close();
  const compressed = await new Response(deflate.readable).arrayBuffer();
  const signature = new Uint8Array([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
  return new Blob([signature, chunk('IHDR', header), chunk('IDAT', new Uint8Array(compressed)),
    chunk('IEND', new Uint8Array())], {type: 'image/png'});
}

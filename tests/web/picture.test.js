import {afterEach, expect, it, vi} from 'vitest';
import {pictureOf} from '../../web/src/picture.js';

// happy-dom has no canvas: a stand-in draws nothing but records what is drawn,
// in a font whose characters advance by these fractions of its size.
const advances = new Map([['a', 0.5], ['b', 0.5], ['ア', 1], ['x', 0.45]]);
const cellWidth = (/** @type {number} */ codePoint) => (codePoint < 0x80 ? 1 : 2);

function drawOnStandIn() {
  /** @type {unknown[][]} */
  const drawn = [];
  const context = {fillStyle: '', font: '', textBaseline: '', fontKerning: '',
    fillRect: (/** @type {number[]} */ ...box) => drawn.push([context.fillStyle, ...box]),
    fillText: (/** @type {string} */ text, /** @type {number} */ x, /** @type {number} */ y) =>
      text !== '' && drawn.push([context.fillStyle, context.font, text, x, y]),
    measureText: (/** @type {string} */ text) =>
      ({width: Number(advances.get(text)) * parseFloat(context.font)}),
    getImageData: (/** @type {number[]} */ ...box) =>
      ({data: new Uint8ClampedArray(box[2] * box[3] * 4).fill(0xff)}),
  };
  vi.spyOn(HTMLCanvasElement.prototype, 'getContext').mockImplementation(
    (/** @type {string} */ kind) => /** @type {any} */ (kind === '2d' ? context : null));
  return {drawn, context};
}

/** The size a PNG's header gives, or null. */
async function sizeOf(/** @type {Blob | null} */ png) {
  const view = png === null ? null : new DataView(await png.arrayBuffer());
  return view && {width: view.getUint32(16), height: view.getUint32(20)};
}

afterEach(() => vi.restoreAllMocks());

it('draws runs that fill their cells at once, any other alone, many lines smaller', async () => {
  expect(await pictureOf(['a'], 'mono', cellWidth)).toBeNull();  // a browser without canvas
  const {drawn, context} = drawOnStandIn();
  expect(await sizeOf(await pictureOf(['ab', 'アxa'], 'mono', cellWidth))).toEqual({width: 96, height: 90});
  expect(drawn).toEqual([['#fff', 0, 0, 96, 90], ['#000', '24px mono', 'ab', 12, 30],
    ['#000', '24px mono', 'ア', 12, 60], ['#000', '24px mono', 'x', 36, 60],
    ['#000', '24px mono', 'a', 48, 60]]);
  expect(context).toMatchObject({textBaseline: 'middle', fontKerning: 'none'});
  // Many lines in narrower cells, down to a legible least, then none.
  for (const [lines, size] of /** @type {[number, {width: number, height: number} | null][]} */ (
    [[1300, {width: 45, height: 29923}], [3199, {width: 20, height: 32000}], [3200, null]])) {
    expect(await sizeOf(await pictureOf(Array(lines).fill('a'), 'mono', cellWidth))).toEqual(size);
  }
});

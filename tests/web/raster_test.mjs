// The page's rasteriser on display lists written by hand: the device arithmetic of fills,
// line ends, dots, clips and dashes, at the window's and a printer's scales.
// Usage: node raster_test.mjs SITE_FOLDER
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { join } from 'node:path';

// Node has no ImageData; the rasteriser needs only its pixel array.
globalThis.ImageData ??= class {
  constructor(width, height) {
    this.width = width;
    this.height = height;
    this.data = new Uint8ClampedArray(width * height * 4);
  }
};
const { Raster, ListReader } = await import(pathToFileURL(join(process.argv[2], 'raster.js')).href);

// The engine's sixteen colours, as the page receives them.
const PALETTE = [
  [0, 0, 0], [0, 0, 255], [255, 0, 0], [255, 0, 255], [0, 255, 0], [0, 255, 255],
  [255, 255, 0], [255, 255, 255], [192, 192, 192], [0, 0, 128], [255, 255, 0], [128, 0, 128],
  [0, 128, 0], [0, 128, 128], [128, 128, 0], [128, 128, 128],
];
const WINDOW = { ds: 1, s: 1.5, thin: 1 };
const encode = (text) => new TextEncoder().encode(text);
const rgb = (raster, x, y) => {
  const i = (y * raster.width + x) * 4;
  return [...raster.image.data.subarray(i, i + 3)];
};
const WHITE = [255, 255, 255];
const BLACK = [0, 0, 0];
const RED = [255, 0, 0];
const YELLOW = [255, 255, 0];

test('a fill covers both corners, rounded to the nearest pixel at the magnification', () => {
  const r = new Raster(60, 60, PALETTE);
  r.draw(encode('fill 5 5 10 10 6\n'), WINDOW);
  // Logical 5 to 11 (the far edge + 1) at 1.5: pixels 8 up to 17, not including it.
  assert.deepEqual(rgb(r, 8, 8), YELLOW);
  assert.deepEqual(rgb(r, 16, 16), YELLOW);
  assert.deepEqual(rgb(r, 7, 8), WHITE);
  assert.deepEqual(rgb(r, 17, 16), WHITE);
  // Colour 10 is the same bright yellow.
  r.draw(encode('fill 20 20 21 21 10\n'), WINDOW);
  assert.deepEqual(rgb(r, 30, 30), YELLOW);
});

test('a line sets its end pixel and a wide pen draws wider', () => {
  const r = new Raster(100, 100, PALETTE);
  r.draw(encode('line 10 10 40 10 2 0 0 13\n'), WINDOW);
  for (const x of [15, 40, 60]) assert.deepEqual(rgb(r, x, 15), RED, `x ${x}`);
  assert.deepEqual(rgb(r, 15, 16), WHITE);
  assert.deepEqual(rgb(r, 61, 15), WHITE);
  r.draw(encode('line 10 50 40 50 0 2 0 13\n'), WINDOW);
  // Width 2 at 1.5: three pixels across.
  assert.deepEqual([74, 75, 76].map((y) => rgb(r, 30, y)), [BLACK, BLACK, BLACK]);
  assert.deepEqual(rgb(r, 30, 77), WHITE);
});

test('drawing stays inside the clip until unclip, which a new pass starts with', () => {
  const r = new Raster(100, 100, PALETTE);
  r.draw(encode('clip 10 10 20 20\nline 0 15 60 15 0 0 0 13\nunclip\nline 0 30 60 30 0 0 0 13\n'), WINDOW);
  // The clip is truncated: logical 10 to 20 is pixels 15 to 29.
  assert.deepEqual(rgb(r, 14, 23), WHITE);
  assert.deepEqual(rgb(r, 15, 23), BLACK);
  assert.deepEqual(rgb(r, 29, 23), BLACK);
  assert.deepEqual(rgb(r, 30, 23), WHITE);
  assert.deepEqual(rgb(r, 5, 45), BLACK);
  r.draw(encode('clip 0 0 1 1\n'), WINDOW);
  r.draw(encode('point 50 50 0 0 13\n'), WINDOW);
  assert.deepEqual(rgb(r, 75, 75), BLACK);
});

test('dashed pens leave gaps; solid ones none', () => {
  const r = new Raster(200, 20, PALETTE);
  r.draw(encode('line 0 2 100 2 0 0 2 13\nline 0 8 100 8 0 0 0 13\n'), WINDOW);
  const row = (y) => Array.from({ length: 150 }, (_, x) => rgb(r, x, y)[0] === 0).filter(Boolean).length;
  assert.equal(row(12), 150);
  assert.ok(row(3) > 40 && row(3) < 60, `dotted: ${row(3)} of 150`);
});

test('a printer pass truncates device coordinates and reports alerts and errors', () => {
  const r = new Raster(300, 300, PALETTE);
  const report = r.draw(encode('fill 3 3 3 3 2\nalert\nerror 4\n'), { ds: 7.5, s: 1, thin: 1 });
  // trunc(3 x 7.5) = 22 up to trunc(4 x 7.5) = 30.
  assert.deepEqual(rgb(r, 22, 22), RED);
  assert.deepEqual(rgb(r, 29, 29), RED);
  assert.deepEqual(rgb(r, 21, 22), WHITE);
  assert.deepEqual(rgb(r, 30, 29), WHITE);
  assert.deepEqual(report, { alerts: 1, error: 4 });
});

test('numbers of the list read as parseFloat reads them, in the forms "%g" writes', () => {
  // C's "%g" at six and at fifteen significant digits, and JavaScript's shortest forms (up to
  // 17 digits), which go to parseFloat. Integers are the engine's ints.
  const g = (x, digits) => {
    const e = x === 0 ? 0 : Math.floor(Math.log10(Math.abs(x)));
    const strip = (text) => (text.includes('.') ? text.replace(/\.?0+$/, '') : text);
    if (e >= -4 && e < digits) return strip(x.toPrecision(digits));
    const [mantissa, exponent] = x.toExponential(digits - 1).split('e');
    const power = exponent.replace(/^[-+]/, '').padStart(2, '0');
    return `${strip(mantissa)}e${exponent[0] === '-' ? '-' : '+'}${power}`;
  };
  let seed = 12345;
  const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
  const texts = ['0.9', '-0.5', '-0', '-0.0', '1e-05', '1.5e+06', '0.0025', '1e+22', '1e+23', '1e-22', '1e-23',
    '123456789012345.6', '1234567890123456.7', 'nan', '-nan', 'inf', '-inf'];
  for (let i = 0; i < 5000; ++i) {
    const x = (random() - 0.5) * 10 ** Math.floor(random() * 60 - 30);
    texts.push(g(x, 6), g(x, 15));
    if (/[.e]/.test(String(x))) texts.push(String(x));
  }
  for (const text of texts) {
    const reader = new ListReader(encode(`${text} 7\n`));
    assert.ok(Object.is(reader.number(), parseFloat(text)), text);
    assert.equal(reader.number(), 7, text);
  }
});

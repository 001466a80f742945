// Draws a pass's display list (one primitive per line, logical coordinates) into a pixel
// buffer: lines, dots and fills on whole device pixels without smoothing, the texts of the
// cells from glyph masks of the Mincho subset, all inside the clip of the moment.

// Colour number 7 is the background.
const WHITE_COLOUR = 7;
// On and off runs of the dashed pen styles, in pen widths.
const DASHES = { 1: [4, 2], 2: [1, 2], 3: [4, 2, 1, 2], 4: [4, 2, 1, 2, 1, 2] };
export const FONT_FAMILY = 'Tessaly Mincho Subset';

// Shift-JIS bytes of a character: one for ASCII and half-width katakana, two for the rest.
const sjisBytes = (code) => (code < 0x80 || (code >= 0xff61 && code <= 0xff9f) ? 1 : 2);
const isBlank = (ch) => ch === ' ' || ch === '\u3000';

export class Raster {
  // palette: the engine's sixteen colours as [r, g, b].
  constructor(width, height, palette) {
    this.palette = palette;
    this.pixel = palette.map(([r, g, b]) => ((255 << 24) | (b << 16) | (g << 8) | r) >>> 0);
    this.white = this.pixel[WHITE_COLOUR];
    this.glyphs = new Map();
    this.resize(width, height);
  }

  resize(width, height) {
    this.width = width;
    this.height = height;
    this.image = new ImageData(width, height);
    this.pixels = new Uint32Array(this.image.data.buffer);
    this.erase();
  }

  erase() {
    this.pixels.fill(this.white);
  }

  // list: the pass's display list as UTF-8 bytes. map: ds, the device scale of the pass
  // (device = trunc(logical × ds)); s, device pixels per device unit (the window mapping
  // times the device pixel ratio); thin, the width of a pen of width 0. Returns what the pass
  // reported: alerts and an error code.
  draw(list, map) {
    this.map = map;
    this.unclip();
    const report = { alerts: 0, error: 0 };
    const reader = new ListReader(list);
    const v = new Float64Array(8);
    while (reader.more()) {
      const c0 = list[reader.at], c1 = list[reader.at + 1];
      reader.skipWord();
      if (c0 === 0x74) {  // text X Y COLOUR DIRECTION WF HF TEXT, the text to the line's end
        for (let i = 0; i < 6; ++i) v[i] = reader.number();
        this.text(v[0], v[1], v[2], v[3], v[4], v[5], reader.rest());
        continue;
      }
      let n = 0;
      while (!reader.atLineEnd()) v[n++] = reader.number();
      reader.nextLine();
      switch (c0) {
        case 0x6c: this.line(v[0], v[1], v[2], v[3], v[4], v[5], v[6]); break;  // line
        case 0x70: this.point(v[0], v[1], v[2], v[3]); break;  // point
        case 0x66:  // fill, flood
          if (c1 === 0x69) this.fill(v[0], v[1], v[2], v[3], v[4]);
          else this.flood(v[0], v[1], v[2], v[3]);
          break;
        case 0x62: this.box(v[0], v[1], v[2], v[3], v[4], v[5], v[6]); break;  // box
        case 0x65:  // ellipse, error
          if (c1 === 0x6c) this.ellipse(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
          else report.error = v[0];
          break;
        case 0x63:  // clip, clear, create_bitmaps
          if (c1 === 0x6c && n === 4) this.clip(v[0], v[1], v[2], v[3]);
          else if (c1 === 0x6c) this.clearArea(v[0], v[1]);
          break;
        case 0x75: this.unclip(); break;  // unclip
        case 0x61: report.alerts += 1; break;  // alert
        default: break;  // the off-screen save set keeps nothing here
      }
    }
    return report;
  }

  device(logical) {
    return Math.trunc(logical * this.map.ds);
  }

  // The pixel of a device coordinate: nearest, as the window's mapping rounds.
  px(logical) {
    return Math.floor(this.device(logical) * this.map.s + 0.5);
  }

  clip(left, top, right, bottom) {
    const f = this.map.ds * this.map.s;
    this.clipLeft = Math.max(0, Math.trunc(left * f));
    this.clipTop = Math.max(0, Math.trunc(top * f));
    this.clipRight = Math.min(this.width, Math.trunc(right * f));
    this.clipBottom = Math.min(this.height, Math.trunc(bottom * f));
  }

  unclip() {
    this.clipLeft = 0;
    this.clipTop = 0;
    this.clipRight = this.width;
    this.clipBottom = this.height;
  }

  set(x, y, pixel) {
    if (x >= this.clipLeft && x < this.clipRight && y >= this.clipTop && y < this.clipBottom) {
      this.pixels[y * this.width + x] = pixel;
    }
  }

  penWidth(width) {
    return width > 0 ? Math.max(1, Math.round(width * this.map.s)) : this.map.thin;
  }

  square(x, y, size, pixel) {
    const from = -((size - 1) >> 1);
    for (let j = 0; j < size; ++j) for (let i = 0; i < size; ++i) this.set(x + from + i, y + from + j, pixel);
  }

  disc(cx, cy, diameter, pixel) {
    const r = diameter / 2;
    const x0 = Math.floor(cx - r), x1 = Math.ceil(cx + r), y0 = Math.floor(cy - r), y1 = Math.ceil(cy + r);
    for (let y = y0; y <= y1; ++y) {
      for (let x = x0; x <= x1; ++x) {
        const dx = x + 0.5 - cx - 0.5, dy = y + 0.5 - cy - 0.5;
        if (dx * dx + dy * dy <= r * r) this.set(x, y, pixel);
      }
    }
  }

  // Bresenham between two pixels; dashed pens step through their pattern pixel by pixel.
  segment(x0, y0, x1, y1, size, style, pixel) {
    const pattern = size <= this.map.thin ? DASHES[style] : undefined;
    const unit = Math.max(1, size);
    let run = 0, left = pattern ? pattern[0] * unit : 0;
    const dx = Math.abs(x1 - x0), dy = -Math.abs(y1 - y0);
    const sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    let err = dx + dy;
    // Far-off ends are cut to the buffer first, so that the walk stays short.
    if (!isFinite(err) || dx > 1e6 || dy < -1e6) return;
    for (;;) {
      if (!pattern || run % 2 === 0) {
        if (size === 1) this.set(x0, y0, pixel);
        else this.square(x0, y0, size, pixel);
      }
      if (pattern && --left <= 0) {
        run += 1;
        left = pattern[run % pattern.length] * unit;
      }
      if (x0 === x1 && y0 === y1) break;
      const e2 = 2 * err;
      if (e2 >= dy) { err += dy; x0 += sx; }
      if (e2 <= dx) { err += dx; y0 += sy; }
    }
  }

  line(x1, y1, x2, y2, colour, width, style) {
    const pixel = this.pixel[colour] ?? this.pixel[0];
    const ex = this.px(x2), ey = this.px(y2);
    if (this.cut(this.px(x1), this.px(y1), ex, ey)) {
      this.segment(this.cutX0, this.cutY0, this.cutX1, this.cutY1, this.penWidth(width), style, pixel);
    }
    // The end pixel is set as well: the platform's line leaves it out.
    this.set(ex, ey, pixel);
  }

  // Liang-Barsky against the buffer widened by a margin, the ends kept on whole pixels;
  // false when nothing of the line is near the buffer.
  cut(x0, y0, x1, y1) {
    const m = 8;
    const dx = x1 - x0, dy = y1 - y0;
    let t0 = 0, t1 = 1;
    const edge = (p, q) => {
      if (p === 0) return q >= 0;
      const r = q / p;
      if (p < 0) {
        if (r > t1) return false;
        if (r > t0) t0 = r;
      } else {
        if (r < t0) return false;
        if (r < t1) t1 = r;
      }
      return true;
    };
    if (!(edge(-dx, x0 + m) && edge(dx, this.width + m - x0) && edge(-dy, y0 + m) && edge(dy, this.height + m - y0))) {
      return false;
    }
    this.cutX0 = t0 === 0 ? x0 : Math.round(x0 + t0 * dx);
    this.cutY0 = t0 === 0 ? y0 : Math.round(y0 + t0 * dy);
    this.cutX1 = t1 === 1 ? x1 : Math.round(x0 + t1 * dx);
    this.cutY1 = t1 === 1 ? y1 : Math.round(y0 + t1 * dy);
    return true;
  }

  point(x, y, colour, width) {
    const pixel = this.pixel[colour] ?? this.pixel[0];
    const cx = this.px(x), cy = this.px(y);
    const diameter = width * this.map.s;
    if (diameter > 1) this.disc(cx, cy, diameter, pixel);
    else if (this.map.thin > 1) this.square(cx, cy, this.map.thin, pixel);
    this.set(cx, cy, pixel);
  }

  fill(x1, y1, x2, y2, colour) {
    const pixel = this.pixel[colour] ?? this.pixel[0];
    const left = Math.max(this.clipLeft, this.px(x1)), right = Math.min(this.clipRight, this.px(x2 + 1));
    const top = Math.max(this.clipTop, this.px(y1)), bottom = Math.min(this.clipBottom, this.px(y2 + 1));
    for (let y = top; y < bottom; ++y) this.pixels.fill(pixel, y * this.width + left, y * this.width + Math.max(left, right));
  }

  box(x1, y1, x2, y2, colour, width, style) {
    const pixel = this.pixel[colour] ?? this.pixel[0];
    const l = this.px(x1), t = this.px(y1), r = this.px(x2 + 1) - 1, b = this.px(y2 + 1) - 1;
    const size = this.penWidth(width);
    this.segment(l, t, r, t, size, style, pixel);
    this.segment(r, t, r, b, size, style, pixel);
    this.segment(r, b, l, b, size, style, pixel);
    this.segment(l, b, l, t, size, style, pixel);
  }

  ellipse(cx, cy, rx, ry, colour, width) {
    const pixel = this.pixel[colour] ?? this.pixel[0];
    const l = this.px(cx - rx), t = this.px(cy - ry), r = this.px(cx + rx + 1) - 1, b = this.px(cy + ry + 1) - 1;
    const ex = (l + r) / 2, ey = (t + b) / 2, ax = (r - l) / 2, ay = (b - t) / 2;
    const steps = Math.max(16, Math.ceil(4 * (ax + ay)));
    const size = this.penWidth(width);
    for (let i = 0; i < steps; ++i) {
      const angle = (2 * Math.PI * i) / steps;
      this.square(Math.round(ex + ax * Math.cos(angle)), Math.round(ey + ay * Math.sin(angle)), size, pixel);
    }
  }

  flood(x, y, fillColour, borderColour) {
    const fill = this.pixel[fillColour] ?? this.pixel[0], border = this.pixel[borderColour] ?? this.pixel[0];
    const sx = this.px(x), sy = this.px(y);
    const inside = (px, py) => px >= this.clipLeft && px < this.clipRight && py >= this.clipTop && py < this.clipBottom;
    if (!inside(sx, sy)) return;
    const done = new Uint8Array(this.width * this.height);
    const stack = [sx, sy];
    while (stack.length) {
      const py = stack.pop(), px = stack.pop();
      const i = py * this.width + px;
      if (!inside(px, py) || done[i] || this.pixels[i] === border) continue;
      done[i] = 1;
      this.pixels[i] = fill;
      stack.push(px + 1, py, px - 1, py, px, py + 1, px, py - 1);
    }
  }

  clearArea(width, height) {
    for (let y = 0; y < Math.min(height, this.height); ++y) {
      this.pixels.fill(this.white, y * this.width, y * this.width + Math.min(width, this.width));
    }
  }

  // Each character sits in its own cells, centred, its face narrowed to the cell's width.
  text(x, y, colour, direction, wf, hf, text) {
    const cellHeight = Math.trunc(16 * hf * this.map.ds);
    const byteWidth = Math.trunc(8 * wf * this.map.ds);
    if (cellHeight <= 0) return;
    const s = this.map.s;
    const fontPx = cellHeight * s;
    const cell = byteWidth * s;
    const ox = this.device(x) * s, oy = this.device(y) * s;
    const [r, g, b] = this.palette[colour >= 0 && colour < 16 ? colour : 0];
    const glyphs = this.glyphsAt(fontPx, cell, direction);
    let pen = 0;
    for (const ch of text) {
      const span = sjisBytes(ch.codePointAt(0)) * cell;
      if (!isBlank(ch)) {
        let glyph = glyphs.get(ch);
        if (!glyph) {
          glyph = renderGlyph(ch, fontPx, cell, direction);
          glyphs.set(ch, glyph);
        }
        // Along the text: the glyph's left edge; across it: the baseline.
        const along = pen + (span - glyph.advance) / 2;
        if (direction === 1) this.blend(glyph, ox + glyph.ascentShift, oy - along, r, g, b);
        else this.blend(glyph, ox + along, oy + glyph.ascent, r, g, b);
      }
      pen += span;
    }
  }

  // The glyphs drawn so far at one size and direction, by character.
  glyphsAt(fontPx, cell, direction) {
    const key = `${fontPx}|${cell}|${direction}`;
    let glyphs = this.glyphs.get(key);
    if (!glyphs) {
      glyphs = new Map();
      this.glyphs.set(key, glyphs);
    }
    return glyphs;
  }

  // Lays the glyph's mask, whose origin sits at (gx, gy) on its baseline, over the pixels.
  blend(glyph, gx, gy, r, g, b) {
    const left = Math.round(gx) + glyph.left, top = Math.round(gy) + glyph.top;
    const data = this.image.data;
    for (let j = 0; j < glyph.height; ++j) {
      const py = top + j;
      if (py < this.clipTop || py >= this.clipBottom) continue;
      for (let i = 0; i < glyph.width; ++i) {
        const a = glyph.alpha[j * glyph.width + i];
        const px = left + i;
        if (a === 0 || px < this.clipLeft || px >= this.clipRight) continue;
        const k = (py * this.width + px) * 4;
        const rest = 255 - a;
        data[k] = ((r * a + data[k] * rest + 127) / 255) | 0;
        data[k + 1] = ((g * a + data[k + 1] * rest + 127) / 255) | 0;
        data[k + 2] = ((b * a + data[k + 2] * rest + 127) / 255) | 0;
      }
    }
  }
}

const SPACE = 0x20, NEWLINE = 0x0a;
const utf8 = new TextDecoder();
const POWERS_OF_TEN = [1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14,
  1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22];

// Reads the display list where it lies: numbers without making strings of them.
export class ListReader {
  constructor(bytes) {
    this.bytes = bytes;
    this.at = 0;
  }
  more() { return this.at < this.bytes.length; }
  atLineEnd() { return this.at >= this.bytes.length || this.bytes[this.at] === NEWLINE; }
  nextLine() { this.at += 1; }
  skipWord() {
    const b = this.bytes;
    while (this.at < b.length && b[this.at] !== SPACE && b[this.at] !== NEWLINE) this.at += 1;
    if (this.at < b.length && b[this.at] === SPACE) this.at += 1;
  }
  // An integer, or a "%g" number (sign, digits, point, exponent); the blank after it is taken.
  // A "%g" number of up to 15 digits and a power of ten up to 22 is one exact operation on
  // two exact doubles, so correctly rounded like parseFloat's result, which takes the rest.
  number() {
    const b = this.bytes;
    let i = this.at, sign = 1, value = 0;
    if (b[i] === 0x2d) { sign = -1; i += 1; }
    const first = i;
    while (b[i] >= 0x30 && b[i] <= 0x39) value = value * 10 + (b[i++] - 0x30);
    if (b[i] !== 0x2e && b[i] !== 0x65 && b[i] !== 0x69 && b[i] !== 0x6e) {
      this.at = i < b.length && b[i] === SPACE ? i + 1 : i;
      return sign * value;
    }
    let digits = i - first, power = 0;
    if (b[i] === 0x2e) {
      i += 1;
      while (b[i] >= 0x30 && b[i] <= 0x39) {
        value = value * 10 + (b[i++] - 0x30);
        digits += 1;
        power -= 1;
      }
    }
    if (b[i] === 0x65) {
      let exponentSign = 1, exponent = 0;
      i += 1;
      if (b[i] === 0x2d || b[i] === 0x2b) exponentSign = b[i++] === 0x2d ? -1 : 1;
      while (b[i] >= 0x30 && b[i] <= 0x39) exponent = exponent * 10 + (b[i++] - 0x30);
      power += exponentSign * exponent;
    }
    const ended = i >= b.length || b[i] === SPACE || b[i] === NEWLINE;
    if (ended && digits <= 15 && power >= -22 && power <= 22) {
      value = sign * (power < 0 ? value / POWERS_OF_TEN[-power] : value * POWERS_OF_TEN[power]);
    } else {
      i = this.at;
      while (i < b.length && b[i] !== SPACE && b[i] !== NEWLINE) i += 1;
      value = parseFloat(utf8.decode(b.subarray(this.at, i)));
    }
    this.at = i < b.length && b[i] === SPACE ? i + 1 : i;
    return value;
  }
  // The rest of the line as text, blanks kept; short ASCII texts (numbers of the axes)
  // without the decoder.
  rest() {
    const b = this.bytes;
    let end = this.at, ascii = true;
    for (; end < b.length && b[end] !== NEWLINE; ++end) if (b[end] >= 0x80) ascii = false;
    const bytes = b.subarray(this.at, end);
    const text = ascii && bytes.length <= 64 ? String.fromCharCode(...bytes) : utf8.decode(bytes);
    this.at = end + 1;
    return text;
  }
}

// The canvas the glyphs are drawn on, its font of the moment, and the advance of a full-width
// character at each pixel size: setting a font and measuring are what a new glyph costs most.
let scratch = null;
let scratchContext = null;
let scratchFont = '';
const emAdvances = new Map();

function scratchFor(fontPx, width, height) {
  if (!scratch) {
    scratch = new OffscreenCanvas(Math.max(64, width), Math.max(64, height));
    scratchContext = scratch.getContext('2d', { willReadFrequently: true });
  } else if (scratch.width < width || scratch.height < height) {
    // A new size resets the context, its font too.
    scratch.width = Math.max(scratch.width, width);
    scratch.height = Math.max(scratch.height, height);
    scratchFont = '';
  }
  const font = `${fontPx}px "${FONT_FAMILY}"`;
  if (font !== scratchFont) {
    scratchContext.font = font;
    scratchFont = font;
  }
  return scratchContext;
}

// The coverage of one glyph at a pixel size, narrowed to fit two byte cells per em; turned a
// quarter to the left for text that reads upward.
function renderGlyph(ch, fontPx, cell, direction) {
  let ctx = scratchFor(fontPx, 0, 0);
  const metrics = ctx.measureText(ch);
  let emAdvance = emAdvances.get(fontPx);
  if (emAdvance === undefined) {
    emAdvance = ctx.measureText('\u56fd').width || fontPx;
    emAdvances.set(fontPx, emAdvance);
  }
  const stretch = cell > 0 ? (2 * cell) / emAdvance : 1;
  const ascent = metrics.fontBoundingBoxAscent ?? fontPx * 0.88;
  const descent = metrics.fontBoundingBoxDescent ?? fontPx * 0.12;
  const advance = metrics.width * stretch;
  const pad = 2;
  const w = Math.ceil(advance) + 2 * pad, h = Math.ceil(ascent + descent) + 2 * pad;
  ctx = scratchFor(fontPx, w, h);
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  ctx.clearRect(0, 0, scratch.width, scratch.height);
  // The baseline at pad + ascent, the glyph narrowed by stretch.
  ctx.setTransform(stretch, 0, 0, 1, pad, pad + ascent);
  ctx.fillText(ch, 0, 0);
  const rgba = ctx.getImageData(0, 0, w, h).data;
  const alpha = new Uint8Array(w * h);
  for (let i = 0; i < w * h; ++i) alpha[i] = rgba[i * 4 + 3];
  const upright = { alpha, width: w, height: h, left: -pad, top: -pad - Math.round(ascent), advance, ascent: Math.round(ascent), ascentShift: 0 };
  if (direction !== 1) return upright;
  // Turned: the text's x runs up the screen and its y to the right.
  const turned = new Uint8Array(w * h);
  for (let j = 0; j < h; ++j) for (let i = 0; i < w; ++i) turned[(w - 1 - i) * h + j] = alpha[j * w + i];
  return { alpha: turned, width: h, height: w, left: upright.top, top: -(w - 1) - upright.left, advance, ascent: 0, ascentShift: 0 };
}

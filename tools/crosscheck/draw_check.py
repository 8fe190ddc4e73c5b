#!/usr/bin/env python3
"""Independent cross-check of the map drawing and export of dorx-batch draw.

From a result file (.dorx / .dorw), the program folder (Dorx.ini, Dorx.kml)
and the drawing options, this script computes the exported map images pixel
for pixel and compares them with the files that `dorx-batch draw` wrote:

  <name>.sx.png / .wx.png   map with station marker (exact)
  <name>.sg.png / .wg.png   map with distance grid and marker (exact outside the
                            number labels; inside them only white or grey ink
                            or the map pixel is accepted)
  <name>.sn.png / .wn.png   information panel: legend box colours, box frames
                            and the panel frame (text is not checked)
  <name>.sf.png / .wf.png   line-of-sight chart: size, top strip, frame column
  <name>.sx.kml, .sg.kml    filled KML template, byte for byte, and xmllint
every PNG also goes through pngcheck, and the transparency chunk (white) must
be present exactly on the two map images.

Standard library only (zlib for PNG).  Usage:

  draw_check.py check RESULT [--batch DORX_BATCH] [--no-run] [draw options]
  draw_check.py suite --batch DORX_BATCH --mesh MESH_DIR --work DIR [--demo RESULT]

`check` runs `dorx-batch draw RESULT [draw options]` (unless --no-run) and
checks what it wrote.  The draw options are those of dorx-batch draw:
--program-folder DIR --lower X --step S --magnification P --grid N
--view 1|2|3|los --terrain none|1|2 --no-sea --fine none|line|color
--no-fine-big --section none|line|color --click X,Y (repeatable).
`suite` builds small projects, runs `dorx-batch calc` in both modes and checks
a table of drawing scenarios.  Exit status 0 when everything matched.
"""

import argparse
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import zlib

NO_DATA = -9999.0
HEADER_BYTES = 488
RECORD_BYTES = 160
WHITE = (255, 255, 255)
BLUE = (0, 0, 255)
SILVER = (0xC0, 0xC0, 0xC0)
GREY = (0x80, 0x80, 0x80)
BLACK = (0, 0, 0)


def cut(x):
    """Real to integer, toward zero."""
    return int(x)


def atol(text):
    m = re.match(r'\s*([+-]?\d+)', text)
    return int(m.group(1)) if m else 0


def strtod(text):
    m = re.match(r'\s*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)', text)
    return float(m.group(1)) if m else 0.0


def hexrgb(c):
    return '%02X%02X%02X' % c


# ---------------------------------------------------------------- files

class Settings:
    """Dorx.ini, read positionally."""

    def __init__(self, path):
        with open(path, 'rb') as f:
            lines = f.read().replace(b'\r\n', b'\n').split(b'\n')
        lines += [b''] * 13

        def value(line):
            line = line[:127]
            blank = line.find(b' ')
            return line[blank + 1:] if blank >= 0 else b''

        def first_word(text):
            words = [w for w in text.split(b' ') if w]
            return words[0] if words else b''

        def colour(word):
            def digit(i):
                if i >= len(word):
                    return 0
                ch = chr(word[i])
                return int(ch, 16) if ch in '0123456789abcdefABCDEF' else 0
            return tuple(16 * digit(2 * k) + digit(2 * k + 1) for k in range(3))

        self.flood_mode = 1 if atol(value(lines[1]).decode('latin-1')) != 0 else 0
        self.sea = colour(first_word(value(lines[5])))
        self.grey = colour(first_word(value(lines[6])))
        self.mark = colour(first_word(value(lines[7])))


def cstring(raw):
    end = raw.find(b'\0')
    return raw[:end] if end >= 0 else raw


class Result:
    """The result file: 488-byte header and 160-byte records."""

    def __init__(self, path):
        self.path = path
        with open(path, 'rb') as f:
            self.data = f.read()
        if len(self.data) < HEADER_BYTES:
            raise ValueError('%s: shorter than its header' % path)
        d = self.data
        self.name_bytes = cstring(d[0:128])
        self.pattern_bytes = cstring(d[128:256])
        self.tag = cstring(d[256:260])
        self.flag_reduction, self.coarse, _, self.compensation = struct.unpack_from('<4b', d, 260)
        (self.lat_d, self.lat_m, self.lat_s, self.lon_d, self.lon_m, self.lon_s,
         self.src_lat_s, self.src_lon_s) = struct.unpack_from('<8d', d, 264)
        (self.src_elev, self.rn, self.rs, self.re, self.rw) = struct.unpack_from('<5i', d, 328)
        (self.rx_alt, self.rx_loss, self.rx_imp, self.tx_alt, self.tx_loss, self.tx_power,
         self.tx_freq, self.gain, self.angle, _, self.image_h, self.image_w, self.elev_max,
         self.elev_min, self.water_level) = struct.unpack_from('<15d', d, 360)
        self.rows = self.rs + self.rn
        self.cols = self.rw + self.re
        self.buffer = (NO_DATA,) * 20
        self.cache = -9999

    def record_number(self, a, b):
        W, E, S, C = self.rw, self.re, self.rs, self.coarse
        if self.flag_reduction == 0:
            return (W + E) * (S + b) + (W + a)
        q = lambda x, y: int(x / y) if y else 0  # integer division toward zero
        return q(W + E, C) * q(S + b, C) + q(W + a, C)

    def holds(self, a, b):
        """The file holds the whole record of the cell."""
        n = self.record_number(a, b)
        return n >= 0 and HEADER_BYTES + (n + 1) * RECORD_BYTES <= len(self.data)

    def reset_cache(self):
        self.cache = -9999

    def read(self, a, b):
        """READ_A_RESULT: 1 when read, -1 when the cache matched.  A read past
        the end transfers what is there (nothing at all beyond it)."""
        n = self.record_number(a, b)
        if n == self.cache:
            return -1
        self.cache = n
        pos = HEADER_BYTES + n * RECORD_BYTES
        if n >= 0 and pos < len(self.data):
            chunk = self.data[pos:pos + RECORD_BYTES]
            if len(chunk) == RECORD_BYTES:
                self.buffer = struct.unpack('<20d', chunk)
            else:  # a partial record overwrites its first bytes only
                old = bytearray(struct.pack('<20d', *self.buffer))
                old[:len(chunk)] = chunk
                self.buffer = struct.unpack('<20d', bytes(old))
        return 1


# ---------------------------------------------------------------- PNG

def png_chunks(raw):
    if raw[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('no PNG signature')
    pos, chunks = 8, []
    while pos + 8 <= len(raw):
        length, kind = struct.unpack_from('>I4s', raw, pos)
        body = raw[pos + 8:pos + 8 + length]
        crc = struct.unpack_from('>I', raw, pos + 8 + length)[0]
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            raise ValueError('bad CRC in chunk %r' % kind)
        chunks.append((kind, body))
        pos += 12 + length
        if kind == b'IEND':
            break
    return chunks


def png_decode(path):
    """Returns (width, height, rows of RGB bytes, info dict)."""
    with open(path, 'rb') as f:
        raw = f.read()
    chunks = png_chunks(raw)
    ihdr = chunks[0][1]
    w, h, depth, ctype, comp, filt, interlace = struct.unpack('>IIBBBBB', ihdr)
    info = {'colour_type': ctype, 'bit_depth': depth, 'interlace': interlace,
            'trns': None, 'chunks': [c[0].decode('latin-1') for c in chunks]}
    for kind, body in chunks:
        if kind == b'tRNS':
            info['trns'] = body
    if depth != 8 or interlace != 0 or ctype not in (0, 2, 4, 6):
        raise ValueError('unsupported PNG layout: depth %d, colour type %d, interlace %d'
                         % (depth, ctype, interlace))
    channels = {0: 1, 2: 3, 4: 2, 6: 4}[ctype]
    stride = w * channels
    data = zlib.decompress(b''.join(b for k, b in chunks if k == b'IDAT'))
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(h):
        ftype = data[pos]
        line = bytearray(data[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        bpp = channels
        if ftype == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 255
        elif ftype == 2:
            for i in range(stride):
                line[i] = (line[i] + prev[i]) & 255
        elif ftype == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 255
        elif ftype == 4:
            for i in range(stride):
                a = line[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pr = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pr) & 255
        elif ftype != 0:
            raise ValueError('bad filter type %d' % ftype)
        prev = line
        if ctype == 2:
            rows.append(bytes(line))
        else:
            out = bytearray()
            for x in range(w):
                px = line[x * channels:(x + 1) * channels]
                out += bytes((px[0], px[0], px[0])) if ctype in (0, 4) else bytes(px[:3])
            rows.append(bytes(out))
    return w, h, rows, info


def png_encode(path, w, h, rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack(
            '>I', zlib.crc32(kind + body) & 0xFFFFFFFF)
    raw = b''.join(b'\0' + bytes(r) for r in rows)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 6)) + chunk(b'IEND', b''))


# ---------------------------------------------------------------- colours

class Scales:
    def __init__(self, lower, step, upper, emin, emax, sea, mark, flood):
        self.lower, self.step, self.upper = lower, step, upper
        self.emin, self.emax = emin, emax
        self.sea, self.mark, self.flood = sea, mark, flood

    @staticmethod
    def hsv(H, S, V):
        if S > 1:
            S = 1.0
        if V > 1:
            V = 1.0
        if S == 0:
            g = cut(V * 255) & 255
            return (g, g, g)
        h = 0.0 if (H < 0 or H > 360) else H
        h6 = h * (1 / 60)
        i = cut(h6)
        f = h6 - i
        v = cut(V * 255)
        p = cut(v * (1 - S))
        q = cut(v * (1 - f * S))
        t = cut(v * (1 - (1 - f) * S))
        rgb = {0: (v, t, p), 1: (q, v, p), 2: (p, v, t), 3: (p, q, v),
               4: (t, p, v), 5: (v, p, q)}.get(i, (0, 0, 0))
        return tuple(c & 255 for c in rgb)

    def terrain(self, e):
        if e <= -10:
            return self.sea
        span = self.emax - self.emin
        if span == 0:  # an area of one elevation: the lowest grey
            g = 64
        else:
            g = (cut((e - self.emin) * 191 / span) + 64) & 255
        return (g, g, g)

    def field(self, x, current):
        if not x >= self.lower:
            return current
        x = min(x, self.upper)
        if self.upper == self.lower:
            t = 1.0
        else:
            t = (x - self.lower) / (self.upper - self.lower)
        return self.hsv((1 - t) * 255, 1.0, 1.0)

    def water(self, x, current):
        if not x > -10:
            return current
        if not x >= self.lower:
            return current
        if x >= self.upper:
            x = self.upper
        if self.upper == self.lower:
            t = 1.0
        else:
            t = (x - self.lower) / (self.upper - self.lower)
        return self.hsv(240 - 80 * (1 - t), 1.0, 1.0)

    def value_colour(self, x, current):
        return self.water(x, current) if self.flood else self.field(x, current)

    def stepped(self, x):
        if self.step == 0:  # no steps: the value stays (the drawing's own choice for a step of 0)
            return x
        return self.step * cut(x / self.step - 0.5)


# ---------------------------------------------------------------- drawing

class Options:
    def __init__(self, args, flood):
        self.lower = float(args.lower) if args.lower is not None else 0.0
        self.step = float(args.step) if args.step is not None else (2.0 if flood else 5.0)
        self.magnification = float(args.magnification) if args.magnification is not None else 100.0
        self.grid = atol(args.grid) if args.grid is not None else 5
        self.view = args.view or '1'
        self.terrain = args.terrain or 'none'
        self.sea_blank = not args.no_sea
        self.fine = args.fine or 'none'
        self.clicks = [tuple(int(v) for v in c.split(',')) for c in (args.click or [])]


class Geometry:
    def __init__(self, res, magnification):
        self.ih = res.image_h * (magnification * 0.01)
        self.iw = res.image_w * (magnification * 0.01)
        R, C = res.rows, res.cols
        self.cppy = R / self.ih
        self.north = res.rn / self.cppy
        self.south = res.rs / self.cppy
        self.cppx = C / self.iw
        self.east = res.re / self.cppx
        self.west = res.rw / self.cppx
        self.width, self.height = cut(self.iw), cut(self.ih)
        # Each pixel column and row belongs to at most one cell block.
        self.col_of_x = [None] * self.width
        for a in range(C):
            for x in range(max(cut(a / self.cppx), 0), min(cut((a + 1) / self.cppx), self.width)):
                self.col_of_x[x] = a
        self.row_of_y = [None] * self.height
        for b in range(R):
            for y in range(max(cut((R - b - 1) / self.cppy), 0), min(cut((R - b) / self.cppy), self.height)):
                self.row_of_y[y] = b


def preview_last_cell(res):
    """The last cell the preview reads (its record stays in the buffer)."""
    m = res.image_h if res.image_h > res.image_w else res.image_w
    e = cut(m * 0.0125 + 0.5)
    if e < 1:  # a map whose longer side is below 40 pixels previews at scale 1
        e = 1
    ys = [y for y in range(-res.rs, res.rn) if y % e == 0 or y == -res.rs]
    xs = [x for x in range(-res.rw, res.re) if x % e == 0 or x == -res.rw]
    return (xs[-1], ys[-1]) if xs and ys else None


def paint_layers(res, geo, sc, sea_blank):
    """Cell colours of the five layers for every cell that owns a pixel."""
    R, C = res.rows, res.cols
    used_cols = set(a for a in geo.col_of_x if a is not None)
    used_rows = set(b for b in geo.row_of_y if b is not None)
    last = preview_last_cell(res)
    res.reset_cache()
    if last:
        res.read(*last)
    res.reset_cache()
    layers = {k: {} for k in ('map', 'sim', 'sim1', 'sim2', 'sim3')}
    slot_value = 13 if sc.flood else 12
    for b in range(R):
        row_used = b in used_rows
        for a in range(C):
            # Beyond the end of a cut file the read leaves the record
            # buffer as it was: the cell repeats what was read before.
            res.read(a - res.rw, b - res.rs)
            if not row_used or a not in used_cols:
                continue
            rec = res.buffer
            e = rec[0] * 0.1
            v = rec[slot_value]
            sea = sea_blank and e <= -10
            key = (a, b)
            layers['map'][key] = sc.terrain(e)
            layers['sim'][key] = WHITE if sea else sc.value_colour(v, WHITE)
            layers['sim1'][key] = WHITE if sea else sc.value_colour(sc.stepped(v), WHITE)
            layers['sim2'][key] = WHITE if sea or not v >= sc.lower else sc.mark
            layers['sim3'][key] = WHITE if sea or not rec[11] > 0 else sc.mark
    return layers


def layer_image(geo, cells):
    img = []
    for y in range(geo.height):
        b = geo.row_of_y[y]
        row = []
        for x in range(geo.width):
            a = geo.col_of_x[x]
            row.append(WHITE if a is None or b is None else cells[(a, b)])
        img.append(row)
    return img


def compose(layer, terrain, mode):
    out = []
    for lrow, trow in zip(layer, terrain):
        row = []
        for c, t in zip(lrow, trow):
            if c is None:
                row.append(None)
            elif mode == 'none':
                row.append(c)
            elif c == WHITE:
                row.append(t)
            elif mode == '1':
                row.append(c)
            else:
                row.append(tuple((tc * 4) // 6 + (cc * 2) // 6 for tc, cc in zip(t, c)))
        out.append(row)
    return out


def draw_line(img, x0, y0, x1, y1, colour, record=None):
    """Horizontal or vertical line, end point excluded, clipped."""
    h = len(img)
    w = len(img[0]) if h else 0
    if y0 == y1:
        if 0 <= y0 < h:
            step = 1 if x1 >= x0 else -1
            for x in range(x0, x1, step):
                if 0 <= x < w:
                    img[y0][x] = colour
                    if record is not None:
                        record.add((x, y0))
    else:
        if 0 <= x0 < w:
            step = 1 if y1 >= y0 else -1
            for y in range(y0, y1, step):
                if 0 <= y < h:
                    img[y][x0] = colour
                    if record is not None:
                        record.add((x0, y))


def draw_marker(img, geo, record=None):
    wp, np_ = geo.west, geo.north
    draw_line(img, cut(wp - 6), cut(np_), cut(wp + 7), cut(np_), BLUE, record)
    draw_line(img, cut(wp), cut(np_ - 6), cut(wp), cut(np_ + 7), BLUE, record)


def draw_grid(img, geo, res, count, text_w, text_h):
    """Silver lines; returns the label boxes (x, y, digits)."""
    m = max(-1, geo.north, geo.south, geo.east, geo.west)
    spacing = cut(m / count) if count > 0 else 0
    labels = []
    W, H = geo.width, geo.height

    def offsets(first, limit):
        k = first
        while True:
            o = k * spacing
            if not o < limit:
                return
            yield k, o
            if spacing <= 0:  # only the lines numbered 0
                return
            k += 1

    for k, o in offsets(0, res.rows):
        y = cut(geo.north - o)
        draw_line(img, 0, y, W, y, SILVER)
        labels += [(2, y, k), (W - 9 * len(str(k)), y, k)]
    if spacing > 0:
        for k, o in offsets(1, res.rows):
            y = cut(geo.north + o)
            draw_line(img, 0, y, W, y, SILVER)
            labels += [(2, y, k), (W - 9 * len(str(k)), y, k)]
    for k, o in offsets(0, res.cols):
        x = cut(geo.west - o)
        draw_line(img, x, 0, x, H, SILVER)
        labels += [(x, 2, k), (x, H - 18, k)]
    if spacing > 0:
        for k, o in offsets(1, res.cols):
            x = cut(geo.west + o)
            draw_line(img, x, 0, x, H, SILVER)
            labels += [(x, 2, k), (x, H - 18, k)]
    mask = set()
    for x, y, k in labels:
        for yy in range(y, y + text_h):
            for xx in range(x, x + text_w * len(str(k)) + 2):
                if 0 <= xx < W and 0 <= yy < H:
                    mask.add((xx, yy))
    return mask, spacing


# ---------------------------------------------------------------- checks

class Report:
    def __init__(self, max_positions):
        self.max_positions = max_positions
        self.failures = 0
        self.lines = []

    def ok(self, what):
        self.lines.append('  MATCH  ' + what)

    def fail(self, what, details=()):
        self.failures += 1
        self.lines.append('  DIFFER ' + what)
        for d in details:
            self.lines.append('           ' + d)

    def note(self, what):
        self.lines.append('  note   ' + what)


def compare_image(report, label, path, expected, mask=None, protected=frozenset(), geo=None,
                  want_trns=True):
    if not os.path.exists(path):
        report.fail('%s: %s missing' % (label, path))
        return None
    check_png_file(report, label, path, want_trns)
    try:
        w, h, rows, info = png_decode(path)
    except Exception as error:  # damaged PNG
        report.fail('%s: cannot decode: %s' % (label, error))
        return None
    eh = len(expected)
    ew = len(expected[0]) if eh else 0
    if (w, h) != (ew, eh):
        report.fail('%s: size %dx%d, expected %dx%d' % (label, w, h, ew, eh))
        return None
    diffs, masked_bad, skipped, count = [], 0, 0, 0
    for y in range(h):
        row = rows[y]
        erow = expected[y]
        for x in range(w):
            actual = (row[3 * x], row[3 * x + 1], row[3 * x + 2])
            want = erow[x]
            if want is None:
                skipped += 1
                continue
            if actual == want:
                continue
            if mask and (x, y) in mask and (x, y) not in protected:
                if actual == WHITE or actual[0] == actual[1] == actual[2]:
                    continue
                masked_bad += 1
            count += 1
            if len(diffs) < report.max_positions:
                where = ''
                if geo is not None:
                    a, b = geo.col_of_x[x], geo.row_of_y[y]
                    if a is not None and b is not None:
                        where = ' cell column %d row %d' % (a, b)
                diffs.append('(%d, %d) expected %s actual %s%s' % (x, y, hexrgb(want), hexrgb(actual), where))
    extra = ' (%d pixels not compared)' % skipped if skipped else ''
    if count:
        report.fail('%s: %d of %d pixels differ%s' % (label, count, w * h, extra), diffs)
    else:
        report.ok('%s: %dx%d pixels%s' % (label, w, h, extra))
    return rows


def check_png_file(report, label, path, want_trns):
    tool = shutil.which('pngcheck')
    if tool:
        run = subprocess.run([tool, path], capture_output=True, text=True, errors='replace')
        if run.returncode != 0:
            report.fail('%s: pngcheck: %s' % (label, run.stdout.strip() or run.stderr.strip()))
    else:
        report.note('pngcheck not installed')
    try:
        with open(path, 'rb') as f:
            chunks = png_chunks(f.read())
    except Exception as error:
        report.fail('%s: %s' % (label, error))
        return
    ihdr = chunks[0][1] if chunks and chunks[0][0] == b'IHDR' else None
    if ihdr is None:
        report.fail('%s: no IHDR first' % label)
        return
    depth, ctype = ihdr[8], ihdr[9]
    if (depth, ctype) != (8, 2):
        report.fail('%s: bit depth %d colour type %d, expected 8-bit RGB (type 2)' % (label, depth, ctype))
    kinds = [k for k, _ in chunks]
    trns = [b for k, b in chunks if k == b'tRNS']
    if want_trns:
        if not trns:
            report.fail('%s: no tRNS chunk (white must be transparent)' % label)
        elif trns[0] != b'\x00\xff\x00\xff\x00\xff':
            report.fail('%s: tRNS holds %s, expected white 00FF 00FF 00FF' % (label, trns[0].hex()))
        elif b'IDAT' in kinds and kinds.index(b'tRNS') > kinds.index(b'IDAT'):
            report.fail('%s: tRNS after IDAT' % label)
    elif trns:
        report.fail('%s: has a tRNS chunk, expected none' % label)


def check_panel(report, label, path, sc, flood, want_size=(192, 570)):
    if not os.path.exists(path):
        report.fail('%s: %s missing' % (label, path))
        return
    check_png_file(report, label, path, False)
    w, h, rows, _ = png_decode(path)
    if (w, h) != want_size:
        report.fail('%s: size %dx%d, expected %dx%d' % ((label, w, h) + want_size))
        return
    px = lambda x, y: (rows[y][3 * x], rows[y][3 * x + 1], rows[y][3 * x + 2])
    problems = []
    for x in range(w):
        for y in (0, h - 1):
            if px(x, y) != GREY:
                problems.append('frame (%d, %d) is %s, expected 808080' % (x, y, hexrgb(px(x, y))))
    for y in range(h):
        for x in (0, w - 1):
            if px(x, y) != GREY:
                problems.append('frame (%d, %d) is %s, expected 808080' % (x, y, hexrgb(px(x, y))))
    if flood:
        y0 = 186
        boxes = [(y0 + 22 * L, (5 - L) * sc.step + sc.lower) for L in range(1, 6)]
    else:
        y0 = 381
        boxes = [(y0 + 22 * L, (7 - L) * sc.step + sc.lower) for L in range(8)]
    summary = []
    for top, v in boxes:
        want = sc.value_colour(v, WHITE)
        bad = 0
        for y in range(top + 1, top + 21):
            for x in range(17, 48):
                if px(x, y) != want:
                    bad += 1
                    if bad == 1:
                        problems.append('box %+.1f: (%d, %d) is %s, expected %s'
                                        % (v, x, y, hexrgb(px(x, y)), hexrgb(want)))
        for x in range(16, 49):
            for y in (top, top + 21):
                if px(x, y) != BLACK:
                    problems.append('box %+.1f frame (%d, %d) is %s, expected 000000'
                                    % (v, x, y, hexrgb(px(x, y))))
        for y in range(top, top + 22):
            for x in (16, 48):
                if px(x, y) != BLACK:
                    problems.append('box %+.1f frame (%d, %d) is %s, expected 000000'
                                    % (v, x, y, hexrgb(px(x, y))))
        summary.append('%+.1f=%s' % (v, hexrgb(want)))
    if problems:
        report.fail('%s: legend/frame' % label, problems[:report.max_positions])
    else:
        report.ok('%s: legend boxes %s' % (label, ' '.join(summary)))


UNKNOWN = None
UNKNOWN_MARK = b'\x01ANY-DEGREES\x01'


def degrees(value):
    return UNKNOWN_MARK if value is UNKNOWN else b'%4.6f' % value


def kml_expected(template_bytes, res, icon_name):
    """The filled template, as UTF-8 bytes."""
    def lat_lon(column, row):
        res.reset_cache()
        res.read(column, row)
        r = res.buffer
        if not res.holds(column, row):
            # The record is not in the file: the buffer keeps whatever the
            # reads before left in it, which depends on the clicks made.
            return UNKNOWN, UNKNOWN
        return (r[1] + r[3]) / 3600, (r[2] + r[4]) / 3600
    nw = (-res.rw, res.rn - 1)
    se = (res.re - 1, -res.rs)
    text = template_bytes.replace(b'\r\n', b'\n')
    lines = text.split(b'\n')
    pieces = [l + b'\n' for l in lines[:-1]]
    if lines[-1]:
        pieces.append(lines[-1])
    out = bytearray()
    for line in pieces:
        head = line[:4]
        if head == b'@d-@':
            piece = b'<description>' + res.name_bytes + b'</description>'
        elif head == b'@p-@':
            piece = b'<Icon>' + icon_name + b'</Icon>'
        elif head == b'@n-@':
            piece = b'<north>' + degrees(lat_lon(*nw)[0]) + b'</north>'
        elif head == b'@s-@':
            piece = b'<south>' + degrees(lat_lon(*se)[0]) + b'</south>'
        elif head == b'@w-@':
            piece = b'<west>' + degrees(lat_lon(*nw)[1]) + b'</west>'
        elif head == b'@e-@':
            piece = b'<east>' + degrees(lat_lon(*se)[1]) + b'</east>'
        else:
            piece = line
        out += piece
    return out.decode('cp932', errors='replace').encode('utf-8')


def check_kml(report, label, path, expected):
    if not os.path.exists(path):
        report.fail('%s: %s missing' % (label, path))
        return
    with open(path, 'rb') as f:
        actual = f.read()
    if UNKNOWN_MARK in expected:
        report.note('%s: a corner record lies beyond the end of the file; its degrees are not compared' % label)
        pattern = re.escape(expected).replace(re.escape(UNKNOWN_MARK), rb'-?[0-9]+\.[0-9]{6}')
        if re.fullmatch(pattern, actual, re.S):
            expected = actual
    if actual != expected:
        al, el = actual.split(b'\n'), expected.split(b'\n')
        details = []
        for i in range(max(len(al), len(el))):
            a = al[i] if i < len(al) else b'<none>'
            e = el[i] if i < len(el) else b'<none>'
            if a != e:
                details.append('line %d: expected %r' % (i + 1, e.decode('utf-8', 'replace')))
                details.append('line %d: actual   %r' % (i + 1, a.decode('utf-8', 'replace')))
                if len(details) >= 6:
                    break
        report.fail('%s: differs from the filled template' % label, details)
    else:
        report.ok('%s: filled template, %d bytes' % (label, len(actual)))
    tool = shutil.which('xmllint')
    if tool:
        run = subprocess.run([tool, '--noout', path], capture_output=True, text=True, errors='replace')
        if run.returncode != 0:
            report.fail('%s: xmllint: %s' % (label, run.stderr.strip()))
        else:
            report.ok('%s: well-formed XML' % label)
    else:
        report.note('xmllint not installed')


def check_header_geometry(report, res):
    """The map size a calculation stores: the full size at the latitude of the
    last cell of the terrain pass (the north-east corner), reduced by Coarse."""
    alpha, beta = 1.0100285024434156e-09, 1.5150427536651234e-09
    k, K = 1275627400.0, 4.848136811728395e-06
    res.reset_cache()
    res.read(res.re - 1, res.rn - 1)
    r = res.buffer
    dy = math.sin(alpha) * k
    dx = math.sin(beta) * k * math.cos((r[1] + r[3]) * K)
    ih, iw = res.rows * dy, res.cols * dx
    if res.flag_reduction > 0:
        ih, iw = ih / res.coarse, iw / res.coarse
    if (ih, iw) == (res.image_h, res.image_w):
        report.ok('header map size %r x %r (height x width)' % (ih, iw))
    elif res.flag_reduction > 0 and ih == res.image_h and abs(iw - res.image_w) < 1e-9 * iw:
        # The stored corner record is that of the first cell of its block.
        report.ok('header map size %r x %r, width within 1e-9 of %r' % (res.image_h, res.image_w, iw))
    else:
        report.fail('header map size', ['expected %r x %r' % (ih, iw),
                                         'actual   %r x %r' % (res.image_h, res.image_w)])


def cursor_cell(geo, res, X, Y):
    """The cell whose painted block holds the pointer pixel (clamped to the map)."""
    x = min(max(X, 0), geo.width - 1)
    y = min(max(Y, 0), geo.height - 1)
    a = geo.col_of_x[x]
    b = geo.row_of_y[y]
    if a is None:
        a = res.cols - 1 if X >= geo.width // 2 else 0
    if b is None:
        b = 0 if Y >= geo.height // 2 else res.rows - 1
    return a - res.rw, b - res.rs


def dms(seconds):
    d = cut(seconds / 3600)
    m = cut(seconds / 60 - d * 60)
    return d, m, seconds - d * 3600 - m * 60


def check_chart(report, label, path, res, geo, clicks):
    """The line-of-sight chart: only what is independent of text and polygons."""
    if not os.path.exists(path):
        report.fail('%s: %s missing' % (label, path))
        return
    check_png_file(report, label, path, False)
    w, h, rows, _ = png_decode(path)
    px = lambda x, y: (rows[y][3 * x], rows[y][3 * x + 1], rows[y][3 * x + 2])
    if not clicks:
        # Before any section the chart is the cleared layer of the drawing run.
        bad = sum(1 for y in range(h) for x in range(w) if px(x, y) != WHITE)
        if (w, h) != (3030, 3030) or bad:
            report.fail('%s: expected the cleared 3030x3030 white picture, got %dx%d with %d non-white'
                        % (label, w, h, bad))
        else:
            report.ok('%s: cleared 3030x3030 white picture' % label)
        return
    X, Y = clicks[-1]
    if not (0 <= Y <= geo.height and 0 <= X <= geo.width):
        report.note('%s: last click outside the map; chart not checked' % label)
        return
    cx, cy = cursor_cell(geo, res, X, Y)
    res.reset_cache()
    res.read(cx, cy)
    r = res.buffer
    lat, lon = dms(r[1] + r[3]), dms(r[2] + r[4])
    e = max(r[0] * 0.1, -10.0)
    line = ('\u3000受信：\u3000%d゜%d\' %2.2f" ,  %d゜%d\' %2.2f" ,  %4.1f m'
            % (lat + lon + (e,))).encode('cp932')
    want_w = max(908, 6 * len(line))
    problems = []
    if (w, h) != (want_w, 570):
        problems.append('size %dx%d, expected %dx570' % (w, h, want_w))
    else:
        for y in range(9):
            for x in range(824):
                if px(x, y) != WHITE:
                    problems.append('top strip (%d, %d) is %s, expected FFFFFF' % (x, y, hexrgb(px(x, y))))
        for y in range(9, 492):
            if px(7, y) != SILVER:
                problems.append('frame (7, %d) is %s, expected C0C0C0' % (y, hexrgb(px(7, y))))
    if problems:
        report.fail('%s: chart of cell (%d, %d)' % (label, cx, cy), problems[:report.max_positions])
    else:
        report.ok('%s: chart of cell (%d, %d): size, top strip, frame column' % (label, cx, cy))


def expected_readout(res, geo, sc, flood, X, Y):
    """The status text of the cursor readout at pixel (X, Y), or None."""
    if Y < 0 or Y > geo.height or X < 0 or X > geo.width:
        return None
    cx, cy = cursor_cell(geo, res, X, Y)
    # A record the file does not hold reads as no data (rather than as the
    # values of whatever cell was read before).
    res.buffer = (NO_DATA,) * 20
    res.reset_cache()
    res.read(cx, cy)
    r = res.buffer
    lat, lon = dms(r[1] + r[3]), dms(r[2] + r[4])
    e = max(r[0] * 0.1, -10.0)
    pos = '[緯度: %d゜%d\' %2.2f"] [経度: %d゜%d\' %2.2f"] [標高: %4.1f m]' % (lat + lon + (e,))
    if flood:
        value = '[水位: - ]' if r[13] < 0 else '[水位: %4.1f m]' % r[13]
    else:
        value = ('[電界: ↓ ] ' if r[12] < sc.lower - sc.step * sc.step
                 else '[電界: %4.2f dBu] ' % r[12])
    name = res.name_bytes.decode('cp932', 'replace')
    return '%s [送受間: %4.2f km] %s [局名: %s]' % (pos, r[9] * 0.001, value, name)


# ---------------------------------------------------------------- check command

DRAW_VALUE_OPTIONS = ('program_folder', 'lower', 'step', 'magnification', 'grid', 'view',
                      'terrain', 'fine', 'section')


def add_draw_options(p):
    p.add_argument('--program-folder')
    p.add_argument('--lower')
    p.add_argument('--step')
    p.add_argument('--magnification')
    p.add_argument('--grid')
    p.add_argument('--view', choices=['1', '2', '3', 'los'])
    p.add_argument('--terrain', choices=['none', '1', '2'])
    p.add_argument('--no-sea', action='store_true')
    p.add_argument('--fine', choices=['none', 'line', 'color'])
    p.add_argument('--no-fine-big', action='store_true')
    p.add_argument('--section', choices=['none', 'line', 'color'])
    p.add_argument('--click', action='append')


def draw_command(args):
    cmd = [args.batch, 'draw', args.result]
    for name in DRAW_VALUE_OPTIONS:
        value = getattr(args, name)
        if value is not None:
            cmd += ['--' + name.replace('_', '-'), value]
    if args.no_sea:
        cmd.append('--no-sea')
    if args.no_fine_big:
        cmd.append('--no-fine-big')
    for click in args.click or []:
        cmd += ['--click', click]
    return cmd


def run_check(args):
    report = Report(args.max_positions)
    program = args.program_folder or (os.path.dirname(os.path.abspath(args.batch)) if args.batch else None)
    if not program:
        sys.exit('draw_check: give --program-folder or --batch')
    stdout_lines = []
    if not args.no_run:
        if not args.batch:
            sys.exit('draw_check: --batch is needed unless --no-run')
        run = subprocess.run(draw_command(args), capture_output=True, text=True, errors='replace')
        stdout_lines = run.stdout.splitlines()
        if run.returncode != 0:
            report.fail('dorx-batch draw exit status %d: %s' % (run.returncode, run.stderr.strip()))
            return report
    settings = Settings(os.path.join(program, 'Dorx.ini'))
    flood = settings.flood_mode
    res = Result(args.result)
    opt = Options(args, flood)
    if flood:
        upper = 10.0
    else:
        upper = opt.lower + 7 * opt.step
    sc = Scales(opt.lower, opt.step, upper, res.elev_min, res.elev_max, settings.sea, settings.mark, flood)
    geo = Geometry(res, opt.magnification)
    if args.check_header:
        check_header_geometry(report, res)
    report.note('map %dx%d, %d x %d cells, station at (%.3f, %.3f), elevation %.1f..%.1f m, %s mode'
                % (geo.width, geo.height, res.cols, res.rows, geo.west, geo.north,
                   res.elev_min, res.elev_max, 'flood' if flood else 'field-strength'))
    folder = os.path.dirname(os.path.abspath(args.result))
    name = os.fsdecode(res.name_bytes.decode('cp932', 'replace').encode('utf-8'))
    letter = 'w' if flood else 's'
    path = lambda suffix: os.path.join(folder, '%s.%s%s' % (name, letter, suffix))

    if stdout_lines:
        written = set(os.path.abspath(l) for l in stdout_lines if l.startswith('/') or os.path.exists(l))
        want = [path(s) for s in ('n.png', 'x.png', 'g.png', 'x.kml', 'g.kml')]
        if opt.fine != 'none':
            want.append(path('f.png'))
        missing = [w for w in want if os.path.abspath(w) not in written]
        if missing:
            report.fail('files listed by dorx-batch draw lack %s' % ', '.join(missing))
        # One status line per click comes first, then the files written.
        previous = ''
        for (X, Y), line in zip(opt.clicks, stdout_lines[:len(opt.clicks)]):
            want_text = expected_readout(res, geo, sc, flood, X, Y)
            if want_text is None:  # outside the map: the status stays
                want_text = previous
            previous = want_text
            if line != want_text:
                report.fail('readout at (%d, %d)' % (X, Y), ['expected %s' % want_text, 'actual   %s' % line])
            else:
                report.ok('readout at (%d, %d)' % (X, Y))

    layers = paint_layers(res, geo, sc, opt.sea_blank)
    selected = {'1': 'sim', '2': 'sim1', '3': 'sim2', 'los': 'sim3'}[opt.view]
    terrain_img = layer_image(geo, layers['map'])
    composed = compose(layer_image(geo, layers[selected]), terrain_img, opt.terrain)

    sx = [list(r) for r in composed]
    draw_marker(sx, geo)
    sg = [list(r) for r in composed]
    mask, spacing = draw_grid(sg, geo, res, opt.grid, args.text_width, args.text_height)
    protected = set()
    draw_marker(sg, geo, protected)
    report.note('grid count %d, spacing %d px' % (opt.grid, spacing))

    if args.save_expected:
        os.makedirs(args.save_expected, exist_ok=True)
        for tag, img in (('sx', sx), ('sg', sg)):
            rows = [bytes(c for px in row for c in (px if px is not None else (255, 0, 255))) for row in img]
            png_encode(os.path.join(args.save_expected, 'expected.%s.png' % tag), geo.width, geo.height, rows)

    compare_image(report, os.path.basename(path('x.png')), path('x.png'), sx, geo=geo)
    compare_image(report, os.path.basename(path('g.png')), path('g.png'), sg, mask, protected, geo=geo)
    check_panel(report, os.path.basename(path('n.png')), path('n.png'), sc, flood)
    with open(os.path.join(program, 'Dorx.kml'), 'rb') as f:
        template = f.read()
    for kind in ('x', 'g'):
        icon = ('%s.%s%s.png' % (res.name_bytes.decode('cp932', 'replace'), letter, kind)).encode('cp932')
        check_kml(report, os.path.basename(path(kind + '.kml')), path(kind + '.kml'),
                  kml_expected(template, res, icon))
    if opt.fine != 'none':
        check_chart(report, os.path.basename(path('f.png')), path('f.png'), res, geo, opt.clicks)
    return report


# ---------------------------------------------------------------- suite

def project_text(name, lat, lon, ranges, coarse=1, reduction=0, compensation=0):
    """A 30-line project file (CP932, CR LF)."""
    dash = '*' + '-' * 66 + '*'
    equal = '*' + '=' * 66 + '*'
    key = lambda k: k + '    '
    lines = [equal,
             key('Project_Name___________________(char)') + name, dash,
             key('Coarse_(1,2,3,...)(1<skip)_____(char)') + str(coarse),
             key('Compensation_(0,1,2,...)_______(char)') + str(compensation), dash,
             key('Source_North_latitude_[d_m_s](double)') + '%03.0f %02.0f %02.5f' % lat,
             key('Source_East_longitude_[d_m_s](double)') + '%03.0f %02.0f %02.5f' % lon, dash,
             key('Range_North____________________(long)') + str(ranges[0]),
             key('Range_South____________________(long)') + str(ranges[1]),
             key('Range_East_____________________(long)') + str(ranges[2]),
             key('Range_West_____________________(long)') + str(ranges[3]), dash,
             key('Rx_Altitude___[m]____________(double)') + '1.80',
             key('Rx_Loss_______[dB]___________(double)') + '2.00',
             key('Rx_Impedance__[om]___________(double)') + '50.00', dash,
             key('Tx_Altitude___[m]____________(double)') + '40.00',
             key('Tx_Loss_______[dB]___________(double)') + '2.50',
             key('Tx_Power______[W]____________(double)') + '100.00',
             key('Tx_Frequency__[MHz]__________(double)') + '500.000000', dash,
             key('Antenna_Gain__[dBi]__________(double)') + '4.00',
             key('Antenna_Angle_[deg]__________(double)') + '0.00',
             key('Antenna_Pattern_File_(!=non)___(char)') + '!', dash,
             key('Flag_Reduction_(0,1)___________(char)') + str(reduction),
             key('Removal_of_Abnormal_Data_[m]_(double)') + '300', equal]
    return ('\r\n'.join(lines) + '\r\n').encode('cp932')


def make_program(folder, batch, flood):
    os.makedirs(folder, exist_ok=True)
    ini = os.path.join(folder, 'Dorx.ini')
    if not os.path.exists(ini):
        # Start-up writes the defaults; a calc with a missing project fails harmlessly.
        subprocess.run([batch, 'draw', os.path.join(folder, 'none.dorx'), '--program-folder', folder],
                       capture_output=True)
    if flood:
        with open(ini, 'rb') as f:
            text = f.read()
        text = re.sub(rb'(Simulation_Switch_\(0,1\)_+\(int\) +)\d+', rb'\g<1>1', text)
        with open(ini, 'wb') as f:
            f.write(text)


def calc(batch, program, mesh, project, water=None):
    cmd = [batch, 'calc', project, '--mesh', mesh, '--program-folder', program, '--overwrite']
    if water is not None:
        cmd += ['--water-level', water]
    run = subprocess.run(cmd, capture_output=True, text=True, errors='replace')
    if run.returncode != 0:
        raise RuntimeError('calc %s failed: %s %s' % (project, run.stdout[-500:], run.stderr[-500:]))
    return run.stdout.strip().splitlines()[-1]


# Synthetic result files: a real result with its header or records edited,
# for the edges a calculation does not reach.

def edited_result(src, dst, header=None, cell=None, truncate=None):
    """Copies src to dst; header(dict of offset: (fmt, value)); cell(a, b, slots)
    returns the new slots of a record (a list of 20 doubles) or None."""
    with open(src, 'rb') as f:
        data = bytearray(f.read())
    for offset, (fmt, value) in (header or {}).items():
        struct.pack_into(fmt, data, offset, value)
    if cell:
        res = Result(src)
        seen = set()
        for y in range(-res.rs, res.rn):
            for x in range(-res.rw, res.re):
                n = res.record_number(x, y)
                pos = HEADER_BYTES + n * RECORD_BYTES
                if n in seen or pos + RECORD_BYTES > len(data):
                    continue
                seen.add(n)
                slots = list(struct.unpack_from('<20d', data, pos))
                new = cell(x + res.rw, y + res.rs, slots)
                if new is not None:
                    struct.pack_into('<20d', data, pos, *new)
    if truncate is not None:
        del data[truncate:]
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    with open(dst, 'wb') as f:
        f.write(data)
    return dst


FIELD_EDGES = [35.0, 0.0, -0.0, 40.0, -1e-9, 34.999999, 35.000001, -2.5, 7.5, 12.4999999, 12.5,
               -12.0, 5.0, 17.5, 20.0, -24.9, -9999.0, 1e6, -1e6, 2.5]
ELEV_EDGES = [-100.0, -99.0, -101.0, -9999.0, 0.0, -50.0, 17965.0, 17966.0, 30000.0, 45000.0,
              -0.0, 5.0, 100000.0, 17964.0, -1.0]
LOS_EDGES = [1.0, -1.0, 0.5, 0.0, -9999.0, 1e-300]


def edge_values(flood):
    """Cell editor writing boundary values in a pattern (slot 0, 11, 12 or 13)."""
    def cell(a, b, slots):
        k = a * 7 + b * 13
        slots[0] = ELEV_EDGES[k % len(ELEV_EDGES)]
        slots[11] = LOS_EDGES[(k // 3) % len(LOS_EDGES)]
        value = FIELD_EDGES[(a * 3 + b * 5) % len(FIELD_EDGES)]
        if flood:
            slots[13] = value / 3.5
        else:
            slots[12] = value
        return slots
    return cell


def near(x0, count):
    """x0 and its neighbours, count units in the last place either way."""
    u = math.ulp(x0) if x0 else 5e-324
    return [x0 + k * u for k in range(-count, count + 1)]


def boundary_values(lower, step, upper, flood, emin, emax):
    """Values next to the places where a colour changes: the hue sextants and
    the 1/255 steps inside them, the steps of the stepped ramp, the lower
    limit, and for slot 0 the elevations between two greys."""
    values = []
    for i in range(6):
        for j in range(256):
            H = 60 * (i + j / 255)
            if flood:
                if not 160 <= H <= 240:
                    continue
                t = 1 - (240 - H) / 80
            else:
                if H > 255:
                    continue
                t = 1 - H / 255
            values += near(lower + t * (upper - lower), 6)
    for k in range(-3, 12):
        values += near(step * (k + 0.5), 6)
    values += near(lower, 6)
    elevations = []
    for k in range(192):
        elevations += near(((k * (emax - emin) / 191) + emin) * 10, 3)
    def cell(a, b, slots):
        n = a * 7919 + b * 104729
        slots[12 if not flood else 13] = values[n % len(values)]
        slots[0] = elevations[(n // 7) % len(elevations)]
        return slots
    return cell


def flat_terrain(a, b, slots):
    if slots[0] * 0.1 > -10:
        slots[0] = 5000.0
    return slots


def grid_edge_count(res, magnification):
    """A grid count whose line k = 1 falls between -1 and 0 pixels from the top
    or left edge (cut toward zero puts it on the edge line), if there is one."""
    geo = Geometry.__new__(Geometry)
    ih = res.image_h * (magnification * 0.01)
    iw = res.image_w * (magnification * 0.01)
    north = res.rn / (res.rows / ih)
    west = res.rw / (res.cols / iw)
    m = max(-1, north, res.rs / (res.rows / ih), res.re / (res.cols / iw), west)
    for count in range(1, 400):
        spacing = cut(m / count)
        for k in range(1, 50):
            o = k * spacing
            if spacing > 0 and ((-1 < north - o < 0 and o < res.rows) or (-1 < west - o < 0 and o < res.cols)):
                return count
    return None


def stale_readout_clicks(res, magnification):
    """Two clicks: the second on the last cell walked by the section of the first."""
    g = Geometry(res, magnification)
    X1, Y1 = cut(g.west) + 40, cut(g.north) - 7
    dy = (cut(g.ih) - Y1) * g.cppy - res.rs
    dx = X1 * g.cppx - res.rw
    c = res.re - 1
    r = cut(c * dy / dx)
    a, b = c + res.rw, r + res.rs
    xs = [x for x in range(g.width) if g.col_of_x[x] == a]
    ys = [y for y in range(g.height) if g.row_of_y[y] == b]
    if not xs or not ys:
        return []
    return ['%d,%d' % (X1, Y1), '%d,%d' % (xs[0], ys[0])]


def write_template(folder):
    lines = [b'<?xml version="1.0" encoding="UTF-8"?>\r\n',
             b'<kml  xmlns="http://www.opengis.net/kml/2.2">\r\n',
             b'<Folder><name>' + '広域テスト'.encode('cp932') + b'</name>\n',
             b'<GroundOverlay>\r\n',
             b'@d-@ this text is lost\r\n',
             b'\r\n',
             b'@p-@\n',
             b'<!-- @n-@ stays: -->\r\n',
             b' @n-@\r\n',
             b'<LatLonBox>\r\n',
             b'<!-- ' + b'x' * 1500 + b' -->\r\n',
             b'@w-@@e-@\r\n',
             b'@n-@\r\n',
             b'@s-@\r\n',
             b'</LatLonBox></GroundOverlay></Folder></kml>']
    with open(os.path.join(folder, 'Dorx.kml'), 'wb') as f:
        f.write(b''.join(lines))


def run_suite(args):
    batch = os.path.abspath(args.batch)
    work = os.path.abspath(args.work)
    os.makedirs(work, exist_ok=True)
    field_prog = os.path.join(work, 'field')
    flood_prog = os.path.join(work, 'flood')
    tmpl_prog = os.path.join(work, 'template')
    make_program(field_prog, batch, False)
    make_program(flood_prog, batch, True)
    make_program(tmpl_prog, batch, False)
    write_template(tmpl_prog)
    colour_prog = os.path.join(work, 'colours')
    make_program(colour_prog, batch, False)
    with open(os.path.join(colour_prog, 'Dorx.ini'), 'rb') as f:
        ini = f.read()
    ini = re.sub(rb'(Color_RGB_Sea_+\(char\) +)\w+', rb'\g<1>12ab3', ini)
    ini = re.sub(rb'(Color_RGB_+\(char\) +)\w+', rb'\g<1>F4g8zz', ini)
    with open(os.path.join(colour_prog, 'Dorx.ini'), 'wb') as f:
        f.write(ini)

    coast = ((35, 17, 0.0), (138, 49, 30.0))
    summit = ((35, 21, 38.4), (138, 43, 38.4))
    projects = {
        # name: (program, lat/lon, ranges N S E W, coarse, reduction, water level)
        'coast': (field_prog, coast, (100, 100, 100, 100), 1, 0, None),
        'lopsided': (field_prog, ((35, 19, 10.0), (138, 46, 0.0)), (130, 70, 60, 150), 1, 0, None),
        'corner': (field_prog, ((35, 20, 0.0), (138, 42, 0.0)), (10, 190, 190, 10), 1, 0, None),
        '広域': (field_prog, coast, (160, 140, 171, 130), 3, 1, None),
        'flood': (flood_prog, coast, (100, 100, 100, 100), 1, 0, '60'),
        'floodsummit': (flood_prog, summit, (110, 90, 95, 105), 1, 0, '3000'),
    }
    results = {}
    for name, (prog, (lat, lon), ranges, coarse, reduction, water) in projects.items():
        path = os.path.join(prog, name + '.xix')
        with open(path, 'wb') as f:
            f.write(project_text(name, lat, lon, ranges, coarse, reduction))
        results[name] = calc(batch, prog, args.mesh, path, water)
        print('calc %s -> %s' % (name, results[name]))
    if args.demo:
        demo_dir = os.path.join(work, 'demo')
        os.makedirs(demo_dir, exist_ok=True)
        demo_copy = os.path.join(demo_dir, os.path.basename(args.demo))
        if not os.path.exists(demo_copy):
            shutil.copy(args.demo, demo_copy)
        results['demo'] = demo_copy

    synth = os.path.join(work, 'synthetic')
    coast_res = Result(results['coast'])
    results['edges'] = edited_result(results['coast'], os.path.join(synth, 'edges', 'edges.dorx'),
                                     cell=edge_values(False))
    results['floodedges'] = edited_result(results['flood'], os.path.join(synth, 'floodedges', 'floodedges.dorw'),
                                          cell=edge_values(True))
    results['flat'] = edited_result(results['coast'], os.path.join(synth, 'flat', 'flat.dorx'),
                                    header={456: ('<d', 500.0), 464: ('<d', 500.0)}, cell=flat_terrain)
    results['tiny'] = edited_result(results['coast'], os.path.join(synth, 'tiny', 'tiny.dorx'),
                                    header={440: ('<d', 30.5), 448: ('<d', 38.75)})
    results['wrap'] = edited_result(results['coast'], os.path.join(synth, 'wrap', 'wrap.dorx'),
                                    header={456: ('<d', 900.0), 464: ('<d', 300.0)})
    cut_at = HEADER_BYTES + (coast_res.rows * coast_res.cols * 3 // 5) * RECORD_BYTES + 37
    results['truncated'] = edited_result(results['coast'], os.path.join(synth, 'truncated', 'truncated.dorx'),
                                         truncate=cut_at)
    results['badtag'] = edited_result(results['coast'], os.path.join(synth, 'badtag', 'badtag.dorx'),
                                      header={256: ('<4s', b'S7\0\0')})
    results['coarse0'] = edited_result(results['coast'], os.path.join(synth, 'coarse0', 'coarse0.dorx'),
                                       header={261: ('<b', 0)})
    results['short'] = edited_result(results['coast'], os.path.join(synth, 'short', 'short.dorx'),
                                     truncate=300)
    results['ulp'] = edited_result(results['coast'], os.path.join(synth, 'ulp', 'ulp.dorx'),
                                   cell=boundary_values(0.0, 5.0, 35.0, False, coast_res.elev_min,
                                                        coast_res.elev_max))
    flood_res = Result(results['flood'])
    results['floodulp'] = edited_result(results['flood'], os.path.join(synth, 'floodulp', 'floodulp.dorw'),
                                        cell=boundary_values(0.0, 2.0, 10.0, True, flood_res.elev_min,
                                                             flood_res.elev_max))
    results['headeronly'] = edited_result(results['coast'], os.path.join(synth, 'headeronly', 'headeronly.dorx'),
                                          truncate=HEADER_BYTES)
    for name in ('edges', 'floodedges', 'flat', 'tiny', 'wrap', 'truncated', 'badtag', 'coarse0', 'short',
                 'headeronly', 'ulp', 'floodulp'):
        # The project name in the header names the exported files.
        path = results[name]
        with open(path, 'r+b') as f:
            f.write(name.encode('cp932').ljust(128, b'\0'))

    corner_grid = grid_edge_count(Result(results['corner']), 100.0)
    stale = stale_readout_clicks(coast_res, 100.0)
    print('corner grid count %s, stale readout clicks %s' % (corner_grid, stale))

    F, W, T = field_prog, flood_prog, tmpl_prog
    edge_clicks = ['%d,%d' % ((7 + 97 * i) % 630, (5 + 61 * i) % 515) for i in range(30)]
    clicks = lambda cs: sum((['--click', c] for c in cs), [])
    scenarios = [
        ('demo', F, ['--terrain', '1']),
        ('demo', F, ['--view', '2', '--terrain', '2', '--magnification', '50', '--grid', '7']),
        ('demo', F, ['--view', 'los', '--terrain', '1', '--magnification', '137.5', '--no-sea']),
        ('coast', F, []),
        ('coast', F, ['--terrain', '1', '--no-sea', '--lower', '20', '--step', '3.5']),
        ('coast', F, ['--view', '2', '--terrain', '2', '--magnification', '200', '--grid', '3']),
        ('coast', F, ['--view', '3', '--terrain', '1', '--magnification', '20', '--grid', '0']),
        ('coast', F, ['--view', 'los', '--terrain', '2', '--grid', '-4', '--lower', '-15', '--step', '7']),
        ('coast', F, ['--view', '1', '--terrain', 'none', '--magnification', '33', '--grid', '400',
                      '--fine', 'color', '--click', '40,30']),
        ('coast', F, ['--fine', 'line', '--section', 'color', '--click', '150,120', '--click', '10,200']),
        ('coast', F, ['--fine', 'color']),
        ('coast', F, ['--grid', '1e1', '--magnification', '1.5e2', '--lower', ' 5']),
        ('coast', F, ['--click', '0,0', '--click', '315,257', '--click', '314,256', '--click', '316,10',
                      '--click', '157,128', '--click=-1,5']),
        ('coast', F, clicks(stale)),
        ('coast', T, ['--terrain', '1']),
        ('coast', colour_prog, ['--terrain', '1', '--view', '3']),
        ('coast', colour_prog, ['--terrain', '2', '--view', 'los', '--no-sea']),
        ('headeronly', F, ['--terrain', '1']),
        ('headeronly', F, ['--view', '3', '--terrain', '2', '--no-sea']),
        ('demo', F, ['--terrain', '2', '--magnification', '200', '--view', '2']),
        ('lopsided', F, ['--terrain', '1', '--magnification', '75', '--grid', '4']),
        ('lopsided', F, ['--view', '2', '--terrain', '2', '--no-sea', '--step', '2']),
        ('lopsided', F, ['--view', 'los', '--magnification', '180', '--click', '5,5']),
        ('corner', F, ['--terrain', '1', '--grid', str(corner_grid or 5)]),
        ('corner', F, ['--view', '2', '--terrain', '2', '--magnification', '20', '--grid', '9']),
        ('広域', F, ['--terrain', '1']),
        ('広域', F, ['--view', '2', '--terrain', '2', '--magnification', '150', '--grid', '6']),
        ('広域', F, ['--view', 'los', '--terrain', '1', '--no-sea', '--magnification', '60',
                   '--fine', 'line', '--click', '50,20']),
        ('flood', W, []),
        ('flood', W, ['--terrain', '1', '--lower', '5', '--step', '3']),
        ('flood', W, ['--view', '2', '--terrain', '2', '--no-sea', '--magnification', '120']),
        ('flood', W, ['--view', '3', '--terrain', '1', '--lower', '10', '--step', '1.5']),
        ('flood', W, ['--view', '2', '--terrain', '1', '--lower', '10', '--step', '0.5']),
        ('flood', W, ['--view', 'los', '--magnification', '45', '--fine', 'color', '--click', '30,40']),
        ('flood', W, ['--terrain', '1', '--lower', '4', '--step', '-2']),
        ('flood', W, ['--view', '2', '--terrain', '1', '--step', '0']),
        ('floodsummit', W, ['--terrain', '1', '--lower', '-300', '--step', '250']),
        ('floodsummit', W, ['--view', '2', '--terrain', '2', '--magnification', '90', '--grid', '2']),
        ('edges', F, ['--magnification', '200'] + clicks(edge_clicks)),
        ('edges', F, ['--view', '2', '--terrain', '1', '--magnification', '200']),
        ('edges', F, ['--view', '3', '--terrain', '2', '--magnification', '200', '--no-sea']),
        ('edges', F, ['--view', 'los', '--terrain', '1', '--magnification', '200']),
        ('edges', F, ['--view', '2', '--magnification', '200', '--lower', '-12.5', '--step', '2.5']),
        ('floodedges', W, ['--magnification', '200', '--terrain', '1'] + clicks(edge_clicks)),
        ('floodedges', W, ['--view', '2', '--magnification', '200', '--terrain', '2']),
        ('floodedges', W, ['--view', '3', '--magnification', '200', '--lower', '-2', '--step', '1']),
        ('ulp', F, ['--magnification', '200']),
        ('ulp', F, ['--magnification', '200', '--view', '2', '--terrain', '2']),
        ('ulp', F, ['--magnification', '200', '--view', '3', '--terrain', '1']),
        ('ulp', F, ['--magnification', '200', '--view', 'los', '--terrain', '1']),
        ('floodulp', W, ['--magnification', '200']),
        ('floodulp', W, ['--magnification', '200', '--view', '2', '--terrain', '2']),
        ('floodulp', W, ['--magnification', '200', '--view', '3', '--terrain', '1']),
        ('flat', F, ['--terrain', '1', '--view', 'los']),
        ('tiny', F, ['--terrain', '1']),
        ('tiny', F, ['--terrain', '2', '--magnification', '20']),
        ('wrap', F, ['--terrain', '1', '--view', '3']),
        ('truncated', F, ['--terrain', '1', '--click', '100,10', '--click', '200,250', '--fine', 'color',
                          '--click', '30,5']),
        ('badtag', F, [], 'refused'),
        ('coarse0', F, [], 'refused'),
        ('short', F, [], 'refused'),
        ('coast', F, ['--magnification', '19.99'], 'refused'),
        ('coast', F, ['--magnification', '200.01'], 'refused'),
        ('coast', F, ['--step', '1'], 'refused'),
    ]
    only = set(args.only.split(',')) if args.only else None
    failed = 0
    parser = check_parser()
    for i, scenario in enumerate(scenarios, 1):
        project, prog, opts = scenario[:3]
        refused = len(scenario) > 3
        if project not in results or (only and str(i) not in only):
            continue
        print('scenario %d: %s %s%s' % (i, project, ' '.join(opts), ' (must be refused)' if refused else ''))
        if refused:
            report = run_refused(batch, results[project], prog, opts)
        else:
            argv = [results[project], '--batch', batch, '--program-folder', prog,
                    '--max-positions', str(args.max_positions)] + opts
            if project in projects or project == 'demo':
                argv.append('--check-header')
            report = run_check(parser.parse_args(argv))
        print('\n'.join(report.lines))
        failed += report.failures > 0
        sys.stdout.flush()
    print('%d scenarios with discrepancies' % failed)
    return 1 if failed else 0


def run_refused(batch, result, program, opts):
    """A drawing that must fail: non-zero exit and no map image written."""
    report = Report(10)
    folder = os.path.dirname(result)
    for entry in os.listdir(folder):
        if entry.endswith('.png') or entry.endswith('.kml'):
            os.remove(os.path.join(folder, entry))
    run = subprocess.run([batch, 'draw', result, '--program-folder', program] + opts,
                         capture_output=True, text=True, errors='replace')
    left = [e for e in os.listdir(folder) if e.endswith('.png') or e.endswith('.kml')]
    if run.returncode == 0 or left:
        report.fail('exit status %d, files written: %s' % (run.returncode, left or 'none'))
    else:
        report.ok('refused with exit status %d: %s' % (run.returncode, run.stderr.strip()[:120]))
    return report



def check_parser():
    p = argparse.ArgumentParser(prog='draw_check.py check')
    p.add_argument('result')
    p.add_argument('--batch')
    p.add_argument('--no-run', action='store_true')
    p.add_argument('--save-expected')
    p.add_argument('--max-positions', type=int, default=10)
    p.add_argument('--text-width', type=int, default=6, help='label box width per digit, pixels')
    p.add_argument('--text-height', type=int, default=14, help='label box height, pixels')
    p.add_argument('--check-header', action='store_true',
                   help='also check the map size that the calculation stored in the header')
    add_draw_options(p)
    return p


def main():
    if len(sys.argv) > 1 and sys.argv[1] == 'suite':
        p = argparse.ArgumentParser(prog='draw_check.py suite')
        p.add_argument('--batch', required=True)
        p.add_argument('--mesh', required=True)
        p.add_argument('--work', required=True)
        p.add_argument('--demo')
        p.add_argument('--only', help='comma-separated scenario numbers')
        p.add_argument('--max-positions', type=int, default=10)
        return run_suite(p.parse_args(sys.argv[2:]))
    if len(sys.argv) > 1 and sys.argv[1] == 'check':
        args = check_parser().parse_args(sys.argv[2:])
        report = run_check(args)
        print('\n'.join(report.lines))
        return 1 if report.failures else 0
    print(__doc__)
    return 2


if __name__ == '__main__':
    sys.exit(main())

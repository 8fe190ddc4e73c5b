#!/usr/bin/env python3
"""Independent cross-check of a calculation run of dorx-batch.

Given a project file, the terrain folder and the run options, this script
recomputes from scratch what a calculation run writes: the project copy in
the output folder, the 488-byte result header and every 160-byte cell record
of the result file (and, when the run converted the published datum
parameter file, the derived Dorx.par). It then compares its expectation with
the files that `dorx-batch calc` wrote and prints the first differences.

Only the Python standard library is used. Every formula is evaluated in
double precision in the order the calculation engine documents, so most
values match bit for bit; records are compared within 1e-9 relative.

Usage:
  calc_check.py PROJECT.xix --mesh DIR --program-folder DIR
                [--anomaly] [--pattern FILE] [--water-level M]
                [--batch PATH/dorx-batch] [--result PATH] [--max-diffs N]

With --batch the script records the datum-table state of the program folder,
runs `dorx-batch calc ... --overwrite` itself and checks its output; without
it, the output of an earlier run with --overwrite is checked
(PROGRAM/<Project_Name>/<Project_Name>.dorx or .dorw unless --result says).
Exit status 0 when everything matches, 1 on differences, 2 on usage errors.
"""

import argparse
import decimal
import math
import os
import re
import struct
import subprocess
import sys

NO_DATA = -9999.0
SLOTS = 20
HEADER_BYTES = 488

# ----------------------------------------------------------------------------
# C-like number reading and IEEE arithmetic helpers
# ----------------------------------------------------------------------------

_C_SPACE = b" \t\n\v\f\r"
_STRTOD = re.compile(rb"[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?")
_ATOL = re.compile(rb"[+-]?\d+")


def c_strtod(text):
    """The longest leading decimal number of text (bytes), else 0."""
    text = text.lstrip(_C_SPACE)
    match = _STRTOD.match(text)
    return float(match.group(0)) if match else 0.0


def c_atol(text):
    text = text.lstrip(_C_SPACE)
    match = _ATOL.match(text)
    return int(match.group(0)) if match else 0


def low8(value):
    return ((value & 0xFF) ^ 0x80) - 0x80


def low32(value):
    return ((value & 0xFFFFFFFF) ^ 0x80000000) - 0x80000000


def c_div(x, y):
    """Double division with IEEE results for a zero divisor."""
    if y != 0.0:
        return x / y
    if x == 0.0 or math.isnan(x):
        return math.nan
    negative = (x < 0) != (math.copysign(1.0, y) < 0)
    return -math.inf if negative else math.inf


def c_log10(x):
    if math.isnan(x) or x < 0:
        return math.nan
    if x == 0:
        return -math.inf
    if math.isinf(x):
        return math.inf
    return math.log10(x)


def c_sqrt(x):
    if math.isnan(x) or x < 0:
        return math.nan
    return math.inf if math.isinf(x) else math.sqrt(x)


def c_rem(x, y):
    """Integer remainder truncated toward zero (its sign follows x)."""
    r = abs(x) % abs(y)
    return -r if x < 0 else r


def trunc(x):
    return int(x)


def text_mode(data):
    """What a text-mode read sees: CR LF becomes LF."""
    return data.replace(b"\r\n", b"\n")


class LineStream:
    """Line reading with a byte limit, like a fixed-size line buffer."""

    def __init__(self, data, limit=127):
        self.data = text_mode(data)
        self.pos = 0
        self.limit = limit
        self.failed = False

    def read_until(self, delimiter):
        """Bytes up to the delimiter (consumed); None at the end."""
        if self.failed:
            return b""
        if self.pos >= len(self.data):
            self.failed = True
            return None
        end = self.data.find(delimiter, self.pos)
        if end < 0:
            end = len(self.data)
        if end - self.pos > self.limit:
            piece = self.data[self.pos:self.pos + self.limit]
            self.pos += self.limit
            self.failed = True
            return piece
        piece = self.data[self.pos:end]
        self.pos = end + 1
        return piece

    def line(self):
        return self.read_until(b"\n")


def split_words(text):
    return [w for w in text.split(b" ") if w][:8]


# ----------------------------------------------------------------------------
# Parameters: project file, fields round trip, project copy
# ----------------------------------------------------------------------------

HYPHENS = b"*" + b"-" * 66 + b"*"
EQUALS = b"*" + b"=" * 66 + b"*"
KEYS = {
    2: b"Project_Name___________________(char)    ",
    4: b"Coarse_(1,2,3,...)(1<skip)_____(char)    ",
    5: b"Compensation_(0,1,2,...)_______(char)    ",
    7: b"Source_North_latitude_[d_m_s](double)    ",
    8: b"Source_East_longitude_[d_m_s](double)    ",
    10: b"Range_North____________________(long)    ",
    11: b"Range_South____________________(long)    ",
    12: b"Range_East_____________________(long)    ",
    13: b"Range_West_____________________(long)    ",
    15: b"Rx_Altitude___[m]____________(double)    ",
    16: b"Rx_Loss_______[dB]___________(double)    ",
    17: b"Rx_Impedance__[om]___________(double)    ",
    19: b"Tx_Altitude___[m]____________(double)    ",
    20: b"Tx_Loss_______[dB]___________(double)    ",
    21: b"Tx_Power______[W]____________(double)    ",
    22: b"Tx_Frequency__[MHz]__________(double)    ",
    24: b"Antenna_Gain__[dBi]__________(double)    ",
    25: b"Antenna_Angle_[deg]__________(double)    ",
    26: b"Antenna_Pattern_File_(!=non)___(char)    ",
    28: b"Flag_Reduction_(0,1)___________(char)    ",
    29: b"Removal_of_Abnormal_Data_[m]_(double)    ",
}
SEPARATOR_LINES = {1: EQUALS, 3: HYPHENS, 6: HYPHENS, 9: HYPHENS, 14: HYPHENS,
                   18: HYPHENS, 23: HYPHENS, 27: HYPHENS, 30: EQUALS}


class Parameters:
    def __init__(self):
        self.name = b"*"
        self.coarse = 1
        self.compensation = 0
        self.lat = [0.0, 0.0, 0.0]
        self.lon = [0.0, 0.0, 0.0]
        self.north = self.south = self.east = self.west = 0
        self.rx_alt = 0.0
        self.rx_loss = 0.0
        self.rx_impedance = 50.0
        self.tx_alt = 0.0
        self.tx_loss = 0.0
        self.tx_power = 0.0
        self.tx_freq = 0.0
        self.gain = 0.0
        self.angle = 0.0
        self.pattern_file = b"!"
        self.reduction = 0
        self.anomaly = 300.0
        self.water_level = 0.0
        self.pattern_path = None


def read_project_file(path, params):
    with open(path, "rb") as f:
        stream = LineStream(f.read())
    values = {}
    for number in range(1, 31):
        if number in SEPARATOR_LINES:
            stream.line()
            continue
        stream.read_until(b" ")
        value = stream.line()
        values[number] = value if value else b""
    first = lambda n: (split_words(values[n]) or [b""])[0]
    params.name = first(2)
    params.coarse = low8(c_atol(values[4]))
    params.compensation = low8(c_atol(values[5]))
    for line, target in ((7, params.lat), (8, params.lon)):
        words = split_words(values[line]) + [b""] * 3
        target[:] = [c_strtod(words[i]) for i in range(3)]
    params.north, params.south, params.east, params.west = (
        low32(c_atol(values[n])) for n in (10, 11, 12, 13))
    params.rx_alt, params.rx_loss, params.rx_impedance = (
        c_strtod(values[n]) for n in (15, 16, 17))
    params.tx_alt, params.tx_loss, params.tx_power, params.tx_freq = (
        c_strtod(values[n]) for n in (19, 20, 21, 22))
    params.gain = c_strtod(values[24])
    params.angle = c_strtod(values[25])
    params.pattern_file = first(26)
    params.reduction = low8(c_atol(values[28]))
    params.anomaly = c_strtod(values[29])


def fields_round_trip(params, flood_mode, water_level_text):
    """ParametersToFields then FieldsToParameters: the fields' formats."""
    def fixed(value, decimals):
        return c_strtod(picture_text(value, decimals).encode())

    def position(dms):
        return [float(trunc(dms[0])), float(trunc(dms[1])), fixed(dms[2], 4)]

    params.anomaly = c_strtod(("%.15g" % params.anomaly).encode())
    params.lat = position(params.lat)
    params.lon = position(params.lon)
    if flood_mode:
        # The field shows the level with two decimals; a level given to the
        # batch is typed into the field as it stands.
        params.water_level = fixed(params.water_level, 2)
        if water_level_text is not None:
            params.water_level = c_strtod(water_level_text.encode())
        return
    for attr in ("tx_alt", "tx_loss", "gain", "tx_power", "angle",
                 "rx_alt", "rx_loss"):
        setattr(params, attr, fixed(getattr(params, attr), 2))
    params.tx_freq = fixed(params.tx_freq, 3)
    params.reduction = 1 if params.reduction != 0 else 0


def picture_text(value, decimals):
    """A "0.00"-style field text: the value as shown with 15 significant
    digits, rounded half away from zero to the decimals (4.005 shows 4.01);
    a negative value that rounds to zero shows without its sign."""
    if math.isnan(value):
        return "NAN"
    if math.isinf(value):
        return "-INF" if value < 0 else "INF"
    shown = decimal.Decimal("%.14e" % abs(value))
    rounded = shown.quantize(decimal.Decimal(1).scaleb(-decimals),
                             rounding=decimal.ROUND_HALF_UP)
    text = format(rounded, "f")
    return "-" + text if value < 0 and rounded != 0 else text


def project_file_bytes(params):
    def dms(v):
        return b"%03.0f %02.0f %02.5f" % (v[0], v[1], v[2])

    values = {
        2: params.name,
        4: b"%d" % params.coarse,
        5: b"%d" % params.compensation,
        7: dms(params.lat),
        8: dms(params.lon),
        10: b"%d" % params.north, 11: b"%d" % params.south,
        12: b"%d" % params.east, 13: b"%d" % params.west,
        15: b"%4.2f" % params.rx_alt, 16: b"%4.2f" % params.rx_loss,
        17: b"%4.2f" % params.rx_impedance,
        19: b"%4.2f" % params.tx_alt, 20: b"%4.2f" % params.tx_loss,
        21: b"%4.2f" % params.tx_power, 22: b"%f" % params.tx_freq,
        24: b"%4.2f" % params.gain, 25: b"%4.2f" % params.angle,
        26: params.pattern_file,
        28: b"%d" % params.reduction,
        29: b"%g" % params.anomaly,
    }
    out = []
    for number in range(1, 31):
        if number in SEPARATOR_LINES:
            out.append(SEPARATOR_LINES[number])
        else:
            out.append(KEYS[number] + values[number])
    return b"".join(line + b"\r\n" for line in out)


def read_settings(program_folder):
    """(FloodMode, TKY2JGD_Parameter name) from Dorx.ini, defaults if absent."""
    path = os.path.join(program_folder, "Dorx.ini")
    if not os.path.exists(path):
        return 0, b"tky2jgd.par"
    with open(path, "rb") as f:
        stream = LineStream(f.read())
    stream.line()
    stream.read_until(b" ")
    flood = c_atol(stream.line() or b"")
    stream.line()
    stream.read_until(b" ")
    name = (split_words(stream.line() or b"") or [b""])[0]
    return (0 if flood == 0 else 1), name


# ----------------------------------------------------------------------------
# Datum-shift table
# ----------------------------------------------------------------------------

DATUM_CAPACITY = 1048576
END_CODE = 99999999


class DatumTable:
    def __init__(self):
        self.codes = []
        self.lat = []
        self.lon = []
        self.index = []
        self.converted_bytes = None  # expected Dorx.par after a conversion

    @property
    def count(self):
        return len(self.codes)

    def _read_entries(self, stream):
        while self.count < DATUM_CAPACITY:
            line = stream.line()
            if line is None or stream.failed and not line:
                break
            words = split_words(line) + [b""] * 3
            self.codes.append(low32(c_atol(words[0])))
            self.lat.append(c_strtod(words[1]))
            self.lon.append(c_strtod(words[2]))
            if stream.failed:
                break

    def load(self, path):
        with open(path, "rb") as f:
            self._read_entries(LineStream(f.read()))
        self._build_index()

    def convert(self, source):
        with open(source, "rb") as f:
            stream = LineStream(f.read())
        stream.line()
        self._read_entries(stream)
        n = self.count
        codes, lat, lon = self.codes, self.lat, self.lon
        for i in range(n):
            for j in range(i, n):
                if codes[i] > codes[j]:
                    codes[i], codes[j] = codes[j], codes[i]
                    lat[i], lat[j] = lat[j], lat[i]
                    lon[i], lon[j] = lon[j], lon[i]
        self._build_index()
        lines = [b"%08d %2.6f %2.6f" % (codes[p], lat[p], lon[p]) for p in range(n)]
        lines.append(b"%08d %2.6f %2.6f" % (END_CODE, 0.0, 0.0))
        self.converted_bytes = b"".join(line + b"\r\n" for line in lines)

    def adopt_written_order(self, written):
        """Takes the order of equal codes from the Dorx.par the run wrote.

        Equal codes keep no particular order in the conversion, so any order
        among them is right; the run's lookups follow the order it wrote.
        Returns a text describing the first mismatch, or None.
        """
        lines = [b"%08d %2.6f %2.6f" % (self.codes[p], self.lat[p], self.lon[p])
                 for p in range(self.count)]
        got = text_mode(written).split(b"\n")
        if got and got[-1] == b"":
            got.pop()
        end_line = b"%08d %2.6f %2.6f" % (END_CODE, 0.0, 0.0)
        if len(got) != self.count + 1 or got[-1] != end_line:
            return "Dorx.par has %d lines, expected %d ending in %r" % (
                len(got), self.count + 1, end_line)
        start = 0
        order = []
        while start < self.count:
            end = start
            while end < self.count and self.codes[end] == self.codes[start]:
                end += 1
            mine = {}
            for p in range(start, end):
                mine.setdefault(lines[p], []).append(p)
            for q in range(start, end):
                if got[q] not in mine or not mine[got[q]]:
                    return "Dorx.par line %d: expected one of %r, got %r" % (
                        q + 1, sorted(set(lines[start:end])), got[q])
                order.append(mine[got[q]].pop(0))
            start = end
        self.codes = [self.codes[p] for p in order]
        self.lat = [self.lat[p] for p in order]
        self.lon = [self.lon[p] for p in order]
        self._build_index()
        return None

    def _build_index(self):
        step = self.count // 128
        self.index = [(self.code(k * step), k * step) for k in range(128)]
        self.index.append((END_CODE, self.count))

    def code(self, p):
        return self.codes[p] if p < self.count else END_CODE

    def lookup(self, key):
        if not self.index:
            return 0.0, 0.0
        for k in range(128):
            if self.index[k][0] <= key <= self.index[k + 1][0]:
                break
        else:
            return 0.0, 0.0
        for p in range(self.index[k][1], self.count):
            if self.code(p) <= key <= self.code(p + 1):
                return self.lat[p], self.lon[p]
        return 0.0, 0.0


# ----------------------------------------------------------------------------
# Antenna pattern
# ----------------------------------------------------------------------------

class AntennaPattern:
    def __init__(self):
        self.angles = []
        self.factors = []
        self.count = 0

    def load(self, data, azimuth):
        stream = LineStream(data)
        stream.line()
        stream.read_until(b" ")
        stream.line()
        for _ in range(3):
            stream.line()
        angles, factors = [], []
        for _ in range(3637):
            line = stream.line()
            if line is None or (stream.failed and not line):
                break
            if stream.failed:
                break
            words = split_words(line)
            # "*END*" as first or second field ends the data, also on a line
            # of its own (a line "*END*" closes every pattern file).
            if b"*END*" in words[:2]:
                break
            if len(words) < 2:
                continue
            angles.append(c_strtod(words[0]))
            factors.append(c_strtod(words[1]))
        count = len(angles)
        low_angle, low_factor = 180.0, None
        high_angle, high_factor = 180.0, None
        for i in range(count):
            t = trunc((angles[i] + azimuth) * 1000)
            angles[i] = c_rem(t, 360000) * 0.001
            if angles[i] < low_angle:
                low_angle, low_factor = angles[i], factors[i]
            if angles[i] > high_angle:
                high_angle, high_factor = angles[i], factors[i]
        if low_factor is None or high_factor is None:
            raise SystemExit("pattern without rows on both sides of 180 degrees: "
                             "its wrap rows are not defined, choose another file")
        angles += [0.0, 360.0]
        factors += [low_factor, high_factor]
        for i in range(count + 1):
            for j in range(i, count + 1):
                if angles[i] > angles[j]:
                    angles[i], angles[j] = angles[j], angles[i]
                    factors[i], factors[j] = factors[j], factors[i]
        self.angles, self.factors, self.count = angles, factors, count

    def factor_at(self, bearing):
        angles = self.angles
        k = self.count
        for i in range(self.count):
            if angles[i] <= bearing <= angles[i + 1]:
                k = i
                break
        if abs(angles[k] - bearing) < abs(angles[k + 1] - bearing):
            factor = self.factors[k]
        else:
            factor = self.factors[k + 1]
        return factor if factor > 0 else 0.0000001


# ----------------------------------------------------------------------------
# Cell store: record files and the access cache
# ----------------------------------------------------------------------------

class RecordFile:
    """A store file as records by number; missing numbers are holes."""

    def __init__(self):
        self.records = {}
        self.length = 0  # in records

    def read(self, n):
        if n < 0 or n >= self.length:
            return None  # beyond the end: nothing transferred
        return self.records.get(n, (0.0,) * SLOTS)

    def write(self, n, record):
        if n < 0:
            raise SystemExit("negative record number %d" % n)
        self.records[n] = tuple(record)
        self.length = max(self.length, n + 1)


class Store:
    READ_TYPES = {11: "A", 13: "B", 15: "A", 17: "B", 51: "B"}
    WRITE_TYPES = {31: "A", 33: "B", 35: "A", 37: "B"}

    def __init__(self, run):
        self.run = run
        self.files = {"A": None, "B": None}
        self.current = [NO_DATA] * SLOTS
        self.sample = [NO_DATA] * SLOTS
        self.cache = [-9999] * 128

    def record_number(self, a, b):
        p = self.run.params
        w, e, s, c = p.west, p.east, p.south, p.coarse
        if p.reduction == 0:
            return (w + e) * (s + b) + (w + a)
        return (trunc((w + e) / c) * trunc((s + b) / c)) + trunc((w + a) / c)

    def access(self, kind, a, b):
        if kind == 0:
            self.cache = [-9999] * 128
            return 0
        n = self.record_number(a, b)
        if kind not in self.READ_TYPES and kind not in self.WRITE_TYPES:
            return kind
        if self.cache[kind] == n:
            return -1
        self.cache[kind] = n
        if kind in self.READ_TYPES:
            record = self.files[self.READ_TYPES[kind]].read(n)
            if record is not None:
                if kind == 51:
                    self.sample = list(record)
                else:
                    self.current = list(record)
        else:
            self.files[self.WRITE_TYPES[kind]].write(n, self.current)
        return 1


# ----------------------------------------------------------------------------
# Terrain tiles
# ----------------------------------------------------------------------------

class GridPosition:
    __slots__ = ("lat_code", "sec_row", "fine_row", "lat_sec",
                 "lon_code", "sec_col", "fine_col", "lon_sec")


def grid_latitude(g, lat):
    g.lat_code = trunc(lat / 3600 * 1.5)
    m = lat / 60
    m = m - 40 * trunc(m / 40)
    g.sec_row = trunc(m / 5)
    m = m - 5 * g.sec_row
    g.fine_row = trunc(m * 60 / 1.5)
    g.lat_sec = trunc(m * 60)


def grid_longitude(g, lon):
    g.lon_code = trunc(lon / 3600 - 100)
    m = lon / 60
    m = m - 60 * trunc(m / 60)
    g.sec_col = trunc(m / 7.5)
    m = m - 7.5 * g.sec_col
    g.fine_col = trunc(m * 60 / 2.25)
    g.lon_sec = trunc(m * 60)


def tile_int(field):
    """A 5-character elevation field read as a decimal integer."""
    return c_atol(field)


class Terrain:
    LINE_LIMIT = 1010

    def __init__(self, mesh_folder, datum):
        self.mesh = mesh_folder
        self.datum = datum
        # Each slot holds the text of one line (up to a zero byte); a field
        # beyond the end of a short line has no characters and reads as 0.
        self.slots = [b""] * 201
        self.loaded = None
        self.tile_loads = []
        self.missing = set()

    def _load(self, path):
        try:
            with open(path, "rb") as f:
                data = text_mode(f.read())
        except OSError:
            return False
        pos = 0
        for t in range(201):
            if pos >= len(data):
                break
            end = data.find(b"\n", pos)
            end = len(data) if end < 0 else end + 1
            end = min(end, pos + self.LINE_LIMIT)
            line = data[pos:end]
            pos = end
            self.slots[200 - t] = line.split(b"\0", 1)[0]
        return True

    def read_cell(self, g):
        """(elevation, latitude shift, longitude shift) of a grid position."""
        key = int("%d%d%d%d%d%d" % (g.lat_code, g.lon_code, g.sec_row,
                                    g.sec_col, trunc(g.lat_sec / 30),
                                    trunc(g.lon_sec / 45)))
        shift = self.datum.lookup(key)
        path = os.path.join(self.mesh, "%d%d" % (g.lat_code, g.lon_code),
                            "%d%d%d%d.mem" % (g.lat_code, g.lon_code,
                                              g.sec_row, g.sec_col))
        if path != self.loaded:
            if not self._load(path):
                self.missing.add(path)
                return -9999, shift[0], shift[1]
            self.loaded = path
            self.tile_loads.append(path)
        pos = 9 + 5 * g.fine_col
        elevation = tile_int(self.slots[g.fine_row][pos:pos + 5])
        return elevation, shift[0], shift[1]


# ----------------------------------------------------------------------------
# The run
# ----------------------------------------------------------------------------

K_RAD = 4.848136811728395e-6
EARTH_DIAMETER = 12756274
INV_R = 1.567855942887398e-07
INV_PI = 0.31830988614222805
IMAGE_K = 1275627400.0
IMAGE_ALPHA = 1.0100285024434156e-09
IMAGE_BETA = 1.5150427536651234e-09
BULGE = 5.879459785827743e-08


class Run:
    def __init__(self, params, flood_mode, terrain, pattern, anomaly):
        self.params = params
        self.flood = flood_mode
        self.terrain = terrain
        self.pattern = pattern
        self.anomaly = anomaly
        self.store = Store(self)
        self.src_lat = self.src_lon = 0.0
        self.src_elevation = 0
        self.elev_max = 0.0
        self.elev_min = 3800.0
        self.image_height = self.image_width = 0.0

    # -- pass 1 --------------------------------------------------------------
    def load_terrain(self):
        p, st, g = self.params, self.store, GridPosition()
        self.src_lat = p.lat[0] * 3600 + p.lat[1] * 60 + p.lat[2]
        self.src_lon = p.lon[0] * 3600 + p.lon[1] * 60 + p.lon[2]
        self.elev_max, self.elev_min = 0.0, 3800.0
        best_lat = best_lon = 999999.99
        near_row = near_col = 0
        near_tokyo_lat = near_tokyo_lon = 0.0
        rows, cols = p.south + p.north, p.west + p.east
        st.access(0, 0, 0)
        cell_lat = self.src_lat - p.south * 1.5
        for b in range(-p.south, p.north):
            grid_latitude(g, cell_lat)
            cell_lon = self.src_lon - p.west * 2.25
            for a in range(-p.west, p.east):
                grid_longitude(g, cell_lon)
                elevation, dlat, dlon = self.terrain.read_cell(g)
                rec = [NO_DATA] * SLOTS
                rec[0], rec[1], rec[2], rec[3], rec[4] = (
                    float(elevation), cell_lat, cell_lon, dlat, dlon)
                st.current = rec
                j = cell_lat + dlat
                if abs(best_lat - self.src_lat) > abs(j - self.src_lat):
                    near_tokyo_lat, near_row, best_lat = cell_lat, b + p.south, j
                j = cell_lon + dlon
                if abs(best_lon - self.src_lon) > abs(j - self.src_lon):
                    near_tokyo_lon, near_col, best_lon = cell_lon, a + p.west, j
                e = rec[0] * 0.1 if rec[0] > -9999 else -10.0
                if e > self.elev_max:
                    self.elev_max = e
                if e < self.elev_min:
                    self.elev_min = e
                st.access(31, a, b)
                # Terrain painting of the cell sizes the map (code 5001).
                self.image_height = rows * (math.sin(IMAGE_ALPHA) * IMAGE_K)
                self.image_width = cols * (math.sin(IMAGE_BETA) * IMAGE_K
                                           * math.cos((rec[1] + rec[3]) * K_RAD))
                cell_lon += 2.25
            cell_lat += 1.5
        p.north = p.south + p.north - near_row
        p.south = near_row
        p.east = p.west + p.east - near_col
        p.west = near_col
        grid_latitude(g, near_tokyo_lat)
        grid_longitude(g, near_tokyo_lon)
        self.src_elevation = self.terrain.read_cell(g)[0]
        v = p.compensation
        if self.flood == 0 and v > 0:
            best = self.src_elevation
            best_pos = None
            cell_lat = near_tokyo_lat - v * 1.5
            for _r in range(-v, v + 1):
                grid_latitude(g, cell_lat)
                cell_lon = near_tokyo_lon - v * 2.25
                for _c in range(-v, v + 1):
                    grid_longitude(g, cell_lon)
                    elevation, dlat, dlon = self.terrain.read_cell(g)
                    if elevation > best:
                        best = elevation
                        best_pos = (cell_lat + dlat, cell_lon + dlon)
                    cell_lon += 2.25
                cell_lat += 1.5
            if best > self.src_elevation:
                for target, pos in ((p.lat, best_pos[0]), (p.lon, best_pos[1])):
                    degrees = trunc(pos / 3600)
                    minutes = trunc(pos / 60 - degrees * 60)
                    target[:] = [float(degrees), float(minutes),
                                 pos - degrees * 3600 - minutes * 60]
                self.src_elevation = best

    # -- passes 2 and 3 ------------------------------------------------------
    def remove_anomalies(self, kind):
        p, st = self.params, self.store
        threshold = p.anomaly
        st.access(0, 0, 0)
        if kind == 3:
            self.elev_max, self.elev_min = 0.0, 3800.0
        if kind == 1:
            lines = [[(a, b) for a in range(-p.west, p.east)]
                     for b in range(-p.south, p.north)]
        else:
            lines = [[(a, b) for b in range(-p.south, p.north)]
                     for a in range(-p.west, p.east)]
        for line in lines:
            for index, (a, b) in enumerate(line):
                st.access(13, a, b)
                rec = st.current
                e = rec[0] * 0.1 if rec[0] > -9999 else -10.0
                # The first cell of a line is never lowered.
                if index > 0 and e - prev_mag > threshold:
                    rec[0] = prev_value
                prev_mag = abs(e)
                prev_value = rec[0]
                st.access(31, a, b)
                if kind == 3:
                    e2 = rec[0] * 0.1 if rec[0] > -9999 else -10.0
                    if e2 > self.elev_max:
                        self.elev_max = e2
                    if e2 < self.elev_min:
                        self.elev_min = e2

    # -- pass 4 --------------------------------------------------------------
    def tx_height(self):
        # A station cell without elevation stands on 0 m.
        ground = 0.0 if self.src_elevation == -9999 else self.src_elevation * 0.1
        return ground + self.params.tx_alt

    def geometry(self):
        p, st = self.params, self.store
        st.access(0, 0, 0)
        h1 = self.tx_height()
        use_pattern = self.flood == 0 and p.pattern_file != b"!"
        for b in range(-p.south, p.north):
            for a in range(-p.west, p.east):
                if st.access(11, a, b) != 1:
                    continue
                rec = st.current
                g = 0.0 if trunc(rec[0]) == -9999 else rec[0] * 0.1
                h2 = g + p.rx_alt
                phi = rec[1] + rec[3]
                lam = rec[2] + rec[4]
                dy = math.sin((phi - self.src_lat) * K_RAD / 2) * EARTH_DIAMETER
                dx = (math.sin((lam - self.src_lon) * K_RAD / 2) * EARTH_DIAMETER
                      * math.cos(phi * K_RAD))
                d = math.sqrt(dy * dy + dx * dx)
                alpha = abs(math.asin(d / 2 * INV_R))
                e_part = math.cos(alpha) * (h2 - h1)
                h_part = math.sin(alpha) * (h2 + h1) + d
                rec[5], rec[6], rec[7], rec[8] = dy, dx, d, alpha
                rec[9] = math.sqrt(e_part * e_part + h_part * h_part)
                rec[14] = 1.0
                if use_pattern:
                    rec[14] = self.pattern.factor_at(bearing(dx, dy, a, b))
                st.access(33, a, b)

    # -- pass 5 --------------------------------------------------------------
    def flood_pass(self):
        p, st = self.params, self.store
        st.access(0, 0, 0)

        def cell(a, b):
            st.access(13, a, b)
            rec = st.current
            if rec[0] * 0.1 > -10:
                rec[13] = p.water_level - rec[0] * 0.1
            st.access(35, a, b)

        east_run = list(range(0, p.east)) + list(range(0, -p.west - 1, -1))
        north_run = list(range(0, p.north)) + list(range(0, -p.south - 1, -1))
        for rows in (range(0, p.north), range(0, -p.south - 1, -1)):
            for b in rows:
                for a in east_run:
                    cell(a, b)
        for cols in (range(0, p.east), range(0, -p.west - 1, -1)):
            for a in cols:
                for b in north_run:
                    cell(a, b)

    def field_strength_pass(self):
        p, st = self.params, self.store
        st.access(0, 0, 0)
        origin_lat = p.lat[0] * 3600 + p.lat[1] * 60 + trunc(p.lat[2])
        origin_lon = p.lon[0] * 3600 + p.lon[1] * 60 + trunc(p.lon[2])
        tracer = ProfileTracer(self, origin_lat, origin_lon)
        c = p.coarse
        row_fs = [0.0] * 4545
        row_los = [0.0] * 4545
        fs, los = 0.0, 0.0
        for b in range(-p.south, p.north):
            if p.reduction != 0:
                for a in range(-p.west, p.east):
                    if st.access(13, a, b) == 1:
                        fs, los = tracer.trace()
                        st.current[12] = fs
                        st.current[11] = float(los)
                        st.access(35, a, b)
                continue
            if not (c_rem(b, c) != 0 and b != -p.south):
                j = 0
                for a in range(-p.west, p.east):
                    if c_rem(a, c) == 0 or a == -p.west:
                        st.access(13, a, b)
                        fs, los = tracer.trace()
                    row_fs[j], row_los[j] = fs, los
                    j += 1
            for l, a in enumerate(range(-p.west, p.east)):
                st.access(13, a, b)
                st.current[12] = row_fs[l]
                st.current[11] = float(row_los[l])
                st.access(35, a, b)

    def run(self, anomaly):
        files = {"$=$": RecordFile()}
        st = self.store
        st.files["A"] = files["$=$"]
        self.load_terrain()
        if anomaly:
            files["$$$"] = RecordFile()
            st.files["B"], st.files["A"] = files["$=$"], files["$$$"]
            self.remove_anomalies(1)
            files["$=$"] = RecordFile()
            st.files["B"], st.files["A"] = files["$$$"], files["$=$"]
            self.remove_anomalies(3)
        if self.params.reduction > 0:
            self.image_height /= self.params.coarse
            self.image_width /= self.params.coarse
        files["$$$"] = RecordFile()
        st.files["A"], st.files["B"] = files["$=$"], files["$$$"]
        self.geometry()
        result = RecordFile()
        st.files["B"], st.files["A"] = files["$$$"], result
        header = self.header_bytes()
        if self.flood:
            self.flood_pass()
        else:
            self.field_strength_pass()
        return header, result

    def header_bytes(self):
        p = self.params

        def text(value):
            return value[:127].ljust(128, b"\0")

        parts = [
            text(p.name), text(p.pattern_file), b"S8\0\0",
            struct.pack("<bbbb", p.reduction, p.coarse, 0, p.compensation),
            struct.pack("<8d", *p.lat, *p.lon, self.src_lat, self.src_lon),
            struct.pack("<8i", self.src_elevation, p.north, p.south, p.east,
                        p.west, -9999, -9999, -9999),
            struct.pack("<16d", p.rx_alt, p.rx_loss, p.rx_impedance, p.tx_alt,
                        p.tx_loss, p.tx_power, p.tx_freq, p.gain, p.angle,
                        -9999.0, self.image_height, self.image_width,
                        self.elev_max, self.elev_min,
                        p.water_level if self.flood else 0.0, -9999.0),
        ]
        header = b"".join(parts)
        assert len(header) == HEADER_BYTES
        return header


def bearing(dx, dy, a, b):
    beta = 90.0
    if dx != 0:
        beta = abs(math.atan(dy / dx)) * 180 * INV_PI
    if a == 0:
        if b > 0:
            return 0.0
        if b < 0:
            return 180.0
        return beta
    if b == 0:
        return 90.0 if a > 0 else 270.0
    if a > 0:
        return 90 - beta if b > 0 else 90 + beta
    return 270 + beta if b > 0 else 270 - beta


class ProfileTracer:
    """TraceProfile and its steps for the cell in CurrentRecord."""

    def __init__(self, run, origin_lat, origin_lon):
        p = run.params
        self.run = run
        self.store = run.store
        self.origin_lat = origin_lat
        self.origin_lon = origin_lon
        self.h1 = run.tx_height()
        self.f = p.tx_freq
        self.budget = (10 * c_log10(p.tx_power) + p.gain, p.tx_loss + p.rx_loss,
                       10 * c_log10(4 * p.rx_impedance))
        b_file = self.store.files["B"]
        self.sample_s0 = {}
        self.sample_s7 = {}
        for n, rec in b_file.records.items():
            self.sample_s0[n] = rec[0]
            self.sample_s7[n] = rec[7]
        self.b_length = b_file.length

    def trace(self):
        st, p = self.store, self.run.params
        rec = st.current
        t = (rec[1] + rec[3] - self.origin_lat) * (2.0 / 3.0)
        u = (rec[2] + rec[4] - self.origin_lon) * (4.0 / 9.0)
        h1 = self.h1
        ground = 0.0 if rec[0] == -9999 else rec[0] * 0.1
        h2 = ground + p.rx_alt
        d = rec[7]
        # Walk state.
        best_h = None
        best_d = 0.0
        los = 1
        last_r = last_q = 0
        north, south, east, west = p.north, p.south, p.east, p.west
        wide = p.reduction != 0
        coarse = p.coarse
        cols = west + east
        cache = st.cache
        s0map, s7map, blen = self.sample_s0, self.sample_s7, self.b_length
        sample = st.sample

        def samples():
            a_step = 0.0
            if abs(rec[5]) <= abs(rec[6]):
                w = t / u if u != 0 else 0.0
                if u >= 0:
                    while a_step < u:
                        a_step += 0.1
                        yield w * a_step, a_step
                else:
                    while a_step > u:
                        a_step -= 0.1
                        yield w * a_step, a_step
            else:
                v = u / t if t != 0 else 0.0
                if t >= 0:
                    while a_step < t:
                        a_step += 0.1
                        yield a_step, v * a_step
                else:
                    while a_step > t:
                        a_step -= 0.1
                        yield a_step, v * a_step

        for r, c in samples():
            rr, qq = int(r), int(c)
            if rr == last_r and qq == last_q:
                continue
            last_r, last_q = rr, qq
            # A sample outside the area is not read and is no obstacle.
            if not (-south <= rr < north and -west <= qq < east):
                continue
            if wide:
                n = (trunc(cols / coarse) * trunc((south + rr) / coarse)
                     + trunc((west + qq) / coarse))
            else:
                n = cols * (south + rr) + (west + qq)
            if cache[51] == n:
                continue
            cache[51] = n
            if 0 <= n < blen:
                sample[0] = s0map.get(n, 0.0)
                sample[7] = s7map.get(n, 0.0)
            d_o = sample[7]
            z = h2 + (h1 - h2) * c_div(d - d_o, d)
            if sample[0] * 0.1 > z:
                los = -1
                if best_h is None or sample[0] > best_h:
                    best_h, best_d = sample[0], d_o
        return self.field_strength(rec, h1, h2, d, best_h, best_d), los

    def field_strength(self, rec, h1, h2, d, best_h, best_d):
        f = self.f
        l0 = 20 * c_log10(12.566370616 * rec[9] * f * (1 / 299.792458))
        j = 0.0
        if best_h is not None:
            dk, hk = best_d, best_h
            z = c_div((d - dk) * h1 + h2 * dk, d) - (d - dk) * dk * BULGE
            fresnel = c_sqrt(c_div(abs(d - dk) * dk, d) * (299.792458 / f))
            if fresnel > 0:
                nu = (hk * 0.1 - z) / fresnel
                if nu > 1:
                    j += 20 * c_log10(6.283185308 * nu
                                      * (1 + 1 / (17 * nu ** 4 + 6)))
                elif -0.5 <= nu <= 1:
                    j += 6.02 + 12.32 * nu - 3.63 * nu ** 3 + 1.63 * nu ** 4
        gains, losses, impedance = self.budget
        return (gains + 10 * c_log10(rec[14]) - (losses + l0 + j)
                + impedance + 90)


# ----------------------------------------------------------------------------
# Comparison
# ----------------------------------------------------------------------------

HEADER_FIELDS = [
    ("Project_Name", 0, "text128"), ("Antenna_Pattern_File", 128, "text128"),
    ("FormatTag", 256, "raw4"), ("Flag_Reduction", 260, "b"), ("Coarse", 261, "b"),
    ("reserved262", 262, "b"), ("Compensation", 263, "b"),
    ("lat degrees", 264, "d"), ("lat minutes", 272, "d"), ("lat seconds", 280, "d"),
    ("lon degrees", 288, "d"), ("lon minutes", 296, "d"), ("lon seconds", 304, "d"),
    ("SourceLatSeconds", 312, "d"), ("SourceLonSeconds", 320, "d"),
    ("SourceElevation", 328, "i"), ("Range_North", 332, "i"),
    ("Range_South", 336, "i"), ("Range_East", 340, "i"), ("Range_West", 344, "i"),
    ("reserved348", 348, "i"), ("reserved352", 352, "i"), ("reserved356", 356, "i"),
    ("Rx_Altitude", 360, "d"), ("Rx_Loss", 368, "d"), ("Rx_Impedance", 376, "d"),
    ("Tx_Altitude", 384, "d"), ("Tx_Loss", 392, "d"), ("Tx_Power", 400, "d"),
    ("Tx_Frequency", 408, "d"), ("Antenna_Gain", 416, "d"),
    ("Antenna_Angle", 424, "d"), ("reserved432", 432, "d"),
    ("ImageHeight", 440, "d"), ("ImageWidth", 448, "d"),
    ("ElevationMax", 456, "d"), ("ElevationMin", 464, "d"),
    ("WaterLevel", 472, "d"), ("reserved480", 480, "d"),
]


def header_value(data, offset, kind):
    if kind == "text128":
        field = data[offset:offset + 128]
        return field.split(b"\0", 1)[0]
    if kind == "raw4":
        return data[offset:offset + 4]
    size = {"b": 1, "i": 4, "d": 8}[kind]
    return struct.unpack_from("<" + kind, data, offset)[0]


def same_number(x, y):
    if x == y or (math.isnan(x) and math.isnan(y)):
        return True
    return abs(x - y) <= 1e-9 * max(abs(x), abs(y)) or abs(x - y) <= 1e-12


SLOT_NAMES = {0: "elevation", 1: "lat", 2: "lon", 3: "dlat", 4: "dlon", 5: "dy",
              6: "dx", 7: "distance", 8: "half angle", 9: "antenna distance",
              11: "line of sight", 12: "field strength", 13: "flood depth",
              14: "pattern factor"}


class Report:
    def __init__(self, max_diffs):
        self.max_diffs = max_diffs
        self.count = 0

    def diff(self, text):
        self.count += 1
        if self.count <= self.max_diffs:
            print("  DIFF " + text)
        elif self.count == self.max_diffs + 1:
            print("  ... further differences not shown")


def compare_header(expected, actual, report):
    for name, offset, kind in HEADER_FIELDS:
        want = header_value(expected, offset, kind)
        got = header_value(actual, offset, kind)
        equal = want == got or (kind == "d" and math.isnan(want) and math.isnan(got))
        if not equal:
            report.diff("header %s (offset %d): expected %r, got %r"
                        % (name, offset, want, got))
    for offset in (0, 128):
        field = actual[offset:offset + 128]
        tail = field.split(b"\0", 1)[1] if b"\0" in field else b""
        if tail.strip(b"\0"):
            print("  note: header text field at %d has bytes after its terminator"
                  % offset)


def compare_records(expected, actual_bytes, params, report):
    body = actual_bytes[HEADER_BYTES:]
    expected_len = HEADER_BYTES + expected.length * 160
    if len(actual_bytes) != expected_len:
        report.diff("result file length: expected %d bytes (%d records), got %d"
                    % (expected_len, expected.length, len(actual_bytes)))
    cols = params.west + params.east
    slot_diffs = {}
    for n in range(expected.length):
        want = expected.read(n)
        raw = body[n * 160:(n + 1) * 160]
        if len(raw) < 160:
            report.diff("record %d missing" % n)
            continue
        got = struct.unpack("<20d", raw)
        for slot in range(SLOTS):
            if not same_number(want[slot], got[slot]):
                slot_diffs[slot] = slot_diffs.get(slot, 0) + 1
                if params.reduction == 0:
                    where = "a=%d b=%d" % (n % cols - params.west,
                                           n // cols - params.south)
                else:
                    where = "reduced"
                report.diff("record %d (%s) slot %d %s: expected %.17g, got %.17g"
                            % (n, where, slot, SLOT_NAMES.get(slot, ""),
                               want[slot], got[slot]))
    if slot_diffs:
        print("  differing values per slot: " + ", ".join(
            "%d: %d" % item for item in sorted(slot_diffs.items())))


def compare_bytes(label, expected, actual, report):
    if expected == actual:
        return
    limit = min(len(expected), len(actual))
    first = next((i for i in range(limit) if expected[i] != actual[i]), limit)
    line = expected[:first].count(b"\n") + 1
    report.diff("%s differs from byte %d (line %d): expected %r..., got %r..."
                % (label, first, line, expected[first:first + 40],
                   actual[first:first + 40]))


def fs_name(raw):
    """The file-system name of a Shift-JIS name."""
    try:
        return os.fsencode(raw.decode("cp932"))
    except UnicodeDecodeError:
        return raw


# ----------------------------------------------------------------------------
# Main
# ----------------------------------------------------------------------------

def main(argv):
    ap = argparse.ArgumentParser(description="cross-check a dorx-batch calc run")
    ap.add_argument("project")
    ap.add_argument("--mesh", required=True)
    ap.add_argument("--program-folder", required=True)
    ap.add_argument("--anomaly", action="store_true")
    ap.add_argument("--pattern")
    ap.add_argument("--water-level")
    ap.add_argument("--batch", help="dorx-batch to run first (with --overwrite)")
    ap.add_argument("--result", help="result file of an earlier run")
    ap.add_argument("--max-diffs", type=int, default=20)
    args = ap.parse_args(argv)

    program = args.program_folder
    flood, tky_name = read_settings(program)
    datum = DatumTable()
    par_path = os.path.join(program, "Dorx.par")
    if os.path.exists(par_path):
        datum.load(par_path)
        datum_note = "Dorx.par loaded (%d entries)" % datum.count
    elif os.path.exists(os.path.join(os.fsencode(program), tky_name)):
        datum.convert(os.path.join(os.fsencode(program), tky_name))
        datum_note = "converted %s (%d entries)" % (tky_name.decode("cp932"),
                                                   datum.count)
    else:
        datum_note = "no datum table"

    result_path = args.result
    if args.batch:
        command = [args.batch, "calc", args.project, "--mesh", args.mesh,
                   "--program-folder", program, "--overwrite"]
        if args.anomaly:
            command.append("--anomaly")
        if args.pattern:
            command += ["--pattern", args.pattern]
        if args.water_level is not None:
            command += ["--water-level", args.water_level]
        done = subprocess.run(command, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE)
        if done.returncode != 0:
            print("dorx-batch failed (%d): %s %s" % (
                done.returncode, done.stdout.decode(errors="replace"),
                done.stderr.decode(errors="replace")))
            return 1
        result_path = os.fsencode(done.stdout.strip().splitlines()[-1].decode())

    report = Report(args.max_diffs)
    if datum.converted_bytes is not None and args.batch:
        try:
            with open(par_path, "rb") as f:
                written = f.read()
            if written.replace(b"\r\n", b"\n") == written:
                report.diff("Dorx.par lines do not end in CR LF")
            problem = datum.adopt_written_order(written)
            if problem:
                report.diff(problem)
        except OSError:
            report.diff("Dorx.par was not written")

    params = Parameters()
    params.water_level = 10.0 if flood else 0.0
    read_project_file(args.project, params)
    if args.pattern:
        params.pattern_file = os.fsencode(os.path.basename(args.pattern))
        params.pattern_path = args.pattern
    fields_round_trip(params, flood, args.water_level)

    pattern = AntennaPattern()
    if params.pattern_file != b"!":
        try:
            if params.pattern_path is None:
                raise OSError
            with open(params.pattern_path, "rb") as f:
                pattern.load(f.read(), params.angle)
        except OSError:
            params.pattern_file = b"!"
    project_copy = project_file_bytes(params)

    terrain = Terrain(args.mesh, datum)
    run = Run(params, flood, terrain, pattern, args.anomaly)
    header, records = run.run(args.anomaly)

    name = fs_name(params.name)
    if result_path is None:
        result_path = os.path.join(os.fsencode(program), name,
                                   name + (b".dorw" if flood else b".dorx"))
    if isinstance(result_path, str):
        result_path = os.fsencode(result_path)
    copy_path = os.path.join(os.path.dirname(result_path), name + b".xix")

    print("scenario: %s, %s mode, %s, %d x %d cells, coarse %d%s%s%s" % (
        os.path.basename(args.project), "flood" if flood else "field-strength",
        datum_note, params.south + params.north, params.west + params.east,
        params.coarse, ", reduced" if params.reduction else "",
        ", anomaly" if args.anomaly else "",
        ", pattern" if params.pattern_file != b"!" else ""))
    if terrain.missing:
        print("  tiles missing: " + ", ".join(
            os.path.basename(m) for m in sorted(terrain.missing)))
    try:
        with open(copy_path, "rb") as f:
            compare_bytes("project copy", project_copy, f.read(), report)
    except OSError:
        report.diff("project copy %r not found" % copy_path)
    try:
        with open(result_path, "rb") as f:
            actual = f.read()
    except OSError:
        report.diff("result file %r not found" % result_path)
        actual = None
    if actual is not None:
        if len(actual) < HEADER_BYTES:
            report.diff("result file shorter than its header")
        else:
            compare_header(header, actual, report)
            compare_records(records, actual, params, report)
    if report.count:
        print("RESULT: %d difference(s)" % report.count)
        return 1
    print("RESULT: match (project copy, header, %d records)" % records.length)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

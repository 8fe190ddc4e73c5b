#!/usr/bin/env python3
"""Runs calc_check.py over a set of small calculation scenarios.

Usage: calc_scenarios.py BUILD_DIR WORK_DIR [NAME...]

BUILD_DIR holds app/dorx-batch and tools/dorx-demo-terrain. WORK_DIR is
emptied and filled with demo terrain, edited tiles (a missing tile, a short
tile, spikes and odd fields), program folders for both modes, a datum
parameter file, an antenna pattern and one project file per scenario. Each
scenario runs dorx-batch and checks its output; the last line sums up.
"""

import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, "calc_check.py")

# Around the summit of the demo volcano: tiles 523875/76 and 533805/06.
SUMMIT = ("035 21 38.40", "138 43 38.40")
# Inside tile 523876, which the "damaged" terrain folder lacks.
IN_MISSING_TILE = ("035 19 00.00", "138 46 00.00")


def project_lines(default_path, **values):
    """The default project with values replaced by line number (1-based)."""
    with open(default_path, "rb") as f:
        lines = f.read().split(b"\r\n")
    lf = values.pop("LF", False)
    for number, value in values.items():
        index = int(number[1:]) - 1
        if isinstance(value, str):
            value = value.encode("cp932")
        lines[index] = lines[index][:37] + b"    " + value
    return (b"\n" if lf else b"\r\n").join(lines)


def project(name, lat, lon, north, south, east, west, coarse=1, compensation=0,
            reduction=0, anomaly="300", angle="0.00", name_text=None, **extra):
    values = dict(l2=name_text or name, l4=str(coarse), l5=str(compensation),
                  l7=lat, l8=lon, l10=str(north), l11=str(south), l12=str(east),
                  l13=str(west), l25=angle, l28=str(reduction), l29=anomaly)
    values.update(extra)
    return values


SCENARIOS = [
    # name, program folder, mesh folder, project values, options
    ("plain", "prog", "mesh",
     project("plain", *SUMMIT, 100, 100, 100, 100), []),
    ("coarse3_asym_comp", "prog", "mesh",
     project("coarse3", *SUMMIT, 60, 140, 130, 90, coarse=3, compensation=3), []),
    ("wide3_partial", "prog", "mesh",
     project("wide3", *SUMMIT, 102, 100, 100, 102, coarse=3, reduction=1), []),
    ("wide4_comp_anomaly", "prog", "mesh_damaged",
     project("wide4", *SUMMIT, 120, 130, 110, 150, coarse=4, reduction=1,
             compensation=2, anomaly="40"), ["--anomaly"]),
    ("comp_moves_north_west", "prog", "mesh",
     project("compnw", "035 21 33.90", "138 43 45.15", 100, 100, 100, 100,
             coarse=2, compensation=5), []),
    ("pattern", "prog", "mesh",
     project("pattern", *SUMMIT, 100, 100, 110, 100, coarse=2, angle="37.50"),
     ["--pattern", "PATTERN"]),
    ("anomaly_spikes", "prog", "mesh_damaged",
     project("spikes", *SUMMIT, 100, 100, 100, 100, coarse=2, anomaly="25.5"),
     ["--anomaly"]),
    ("missing_short_tiles", "prog", "mesh_damaged",
     project("damaged", *IN_MISSING_TILE, 100, 100, 100, 100, coarse=2), []),
    ("missing_station_comp", "prog", "mesh_damaged",
     project("nodata", *IN_MISSING_TILE, 100, 100, 100, 100, coarse=3,
             compensation=4), []),
    ("japanese_name", "prog", "mesh",
     project("jp", *SUMMIT, 110, 90, 95, 105, coarse=2,
             name_text="表示点ソ観測"), []),
    ("odd_tiles", "prog", "mesh_odd",
     project("odd", *SUMMIT, 100, 100, 100, 100, coarse=2), []),
    ("project_quirks", "prog", "mesh",
     project("quirks", "035 21 38.456789", "138.7 43 38.40", 100, 100, 100, 100,
             coarse="2x", anomaly="1234.56789012345678", name_text="Mt Fuji",
             l17="75.125", l22="500.12345", l24="4.005", l21="100", LF=True), []),
    ("flood_comp_pattern_named", "prog_flood", "mesh",
     project("floodpat", *SUMMIT, 100, 100, 100, 100, coarse=3, compensation=3,
             l26="pattern.txt"), []),
    ("flood", "prog_flood", "mesh_damaged",
     project("flood", *SUMMIT, 100, 100, 100, 100), ["--water-level", "2350.555"]),
    ("flood_wide_anomaly", "prog_flood", "mesh_damaged",
     project("floodwide", *SUMMIT, 101, 100, 100, 103, coarse=2, reduction=1,
             anomaly="60"), ["--anomaly", "--water-level", "1800.25"]),
    ("datum_converted", "prog_datum", "mesh",
     project("datum1", *SUMMIT, 100, 100, 100, 100, coarse=2, compensation=2), []),
    ("datum_loaded", "prog_datum", "mesh",
     project("datum2", *SUMMIT, 100, 100, 100, 100, coarse=2, compensation=2), []),
]

PATTERN_TEXT = (
    "cross-check pattern\r\n"
    "name test_pattern\r\n"
    "free text\r\n"
    "free text\r\n"
    "angle factor\r\n"
    + "".join("%d %s\r\n" % (angle, factor) for angle, factor in [
        (-50, "0.7"), (0, "1.0"), (30, "0.8"), (60, "0.5"), (90, "0.25"), (120, "0.1"),
        (150, "0.05"), (180, "0"), (210, "0.05"), (240, "0.1"),
        (270, "0.3"), (300, "0.6"), (330, "0.9"), (345.5, "0.95")])
    + "100\t0.9\r\n" + "200\r\n" + "320 -0.5\r\n" + "*END*\r\n" + "10 0.01\r\n")


def edit_tile(path, keep_rows=None, cells=()):
    """Replaces elevation fields (fine row from south, column) and cuts rows."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    for row, column, text in cells:
        line = bytearray(lines[200 - row])
        pos = 9 + 5 * column
        line[pos:pos + 5] = text.encode().rjust(5)
        lines[200 - row] = bytes(line)
    if keep_rows is not None:
        lines = lines[:1 + keep_rows]
        lines.append(b"")
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))


def prepare(build, work):
    if os.path.exists(work):
        shutil.rmtree(work)
    os.makedirs(work)
    demo = os.path.join(build, "tools", "dorx-demo-terrain")
    subprocess.run([demo, os.path.join(work, "mesh"), "35.26", "35.44",
                    "138.6", "138.9"], check=True, stdout=subprocess.DEVNULL)
    damaged = os.path.join(work, "mesh_damaged")
    shutil.copytree(os.path.join(work, "mesh"), damaged)
    os.remove(os.path.join(damaged, "5238", "523876.mem"))
    # Spikes (0.1 m units) next to the summit, a no-data cell and odd fields.
    spikes = [(row, column, "39000") for row, column in
              ((150, 150), (150, 151), (130, 160), (100, 120), (120, 140))]
    spikes += [(80, 155, "-9999"), (81, 155, "  abc"), (82, 155, " +123")]
    edit_tile(os.path.join(damaged, "5338", "533805.mem"), keep_rows=120,
              cells=spikes)
    make_odd_tiles(work)
    for folder in ("prog", "prog_flood", "prog_datum"):
        os.makedirs(os.path.join(work, folder))
    batch = os.path.join(build, "app", "dorx-batch")
    # One throw-away start-up writes the defaults (Dorx.xix, Dorx.ini).
    subprocess.run([batch, "calc", "none.xix", "--mesh", work,
                    "--program-folder", os.path.join(work, "prog")],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for folder in ("prog_flood", "prog_datum"):
        for name in ("Dorx.ini", "Dorx.xix"):
            shutil.copy(os.path.join(work, "prog", name),
                        os.path.join(work, folder, name))
    ini = os.path.join(work, "prog_flood", "Dorx.ini")
    with open(ini, "rb") as f:
        text = f.read()
    with open(ini, "wb") as f:
        f.write(text.replace(b"(int)      0", b"(int)      1", 1))
    write_datum_source(os.path.join(work, "prog_datum", "tky2jgd.par"))
    with open(os.path.join(work, "pattern.txt"), "wb") as f:
        f.write(PATTERN_TEXT.encode())


def make_odd_tiles(work):
    """LF line ends, an over-long line that splits, a tile cut mid-line."""
    odd = os.path.join(work, "mesh_odd")
    shutil.copytree(os.path.join(work, "mesh"), odd)
    path = os.path.join(odd, "5338", "533806.mem")
    with open(path, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(data.replace(b"\r\n", b"\n"))
    path = os.path.join(odd, "5338", "533805.mem")
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    lines[200 - 150] = lines[200 - 150] + b"12345"  # 1014 characters
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))
    path = os.path.join(odd, "5238", "523875.mem")
    with open(path, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(data[:1 + data.find(b"\n") + 1010 * 40 + 517])


def exchange_sorted(entries):
    """The datum conversion's exchange sort on text lines, by code."""
    rows = list(entries)
    for i in range(len(rows)):
        for j in range(i, len(rows)):
            if int(rows[i].split()[0]) > int(rows[j].split()[0]):
                rows[i], rows[j] = rows[j], rows[i]
    return rows


def write_datum_source(path):
    """A few third-mesh cells around the summit, unsorted, with gaps."""
    rows = ["MeshCode dB(sec) dL(sec)"]
    entries = []
    for sec_row, sec_col, base in ((7, 5, 52387500), (7, 6, 52387600),
                                   (0, 5, 53380500), (0, 6, 53380600)):
        for d7 in range(10):
            for d8 in range(10):
                if (d7 * 10 + d8) % 7 == 3:
                    continue  # gaps: such keys take the entry below
                if base == 52387500 and d7 < 5:
                    continue  # below the first code: no shift
                code = base + d7 * 10 + d8
                entries.append("%d   %.5f %.5f  extra" % (
                    code, 11.6 + 0.013 * d7 - 0.004 * d8 + 0.05 * sec_row,
                    -11.8 + 0.009 * d8 + 0.002 * d7 - 0.03 * sec_col))
    entries.reverse()
    # Equal codes: the exchange sort decides which one a lookup finds.
    # Equal codes placed where the exchange sort swaps them past their
    # twins, so that a stable sort would find the other entry.
    for duplicate in ("53380612 12.00000 -12.00000", "52387655 10.00000 -10.00000"):
        code = int(duplicate.split()[0])
        for position in range(len(entries) + 1):
            trial = entries[:position] + [duplicate] + entries[position:]
            in_file = [e for e in trial if int(e.split()[0]) == code]
            ordered = [e for e in exchange_sorted(trial) if int(e.split()[0]) == code]
            if in_file != ordered:
                entries = trial
                break
    rows += entries
    with open(path, "wb") as f:
        f.write(("\r\n".join(rows) + "\r\n").encode())


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    build, work = (os.path.abspath(x) for x in argv[:2])
    chosen = set(argv[2:])
    prepare(build, work)
    batch = os.path.join(build, "app", "dorx-batch")
    failed = []
    for name, prog, mesh, values, options in SCENARIOS:
        if chosen and name not in chosen:
            continue
        prog_dir = os.path.join(work, prog)
        path = os.path.join(work, name + ".xix")
        with open(path, "wb") as f:
            f.write(project_lines(os.path.join(prog_dir, "Dorx.xix"), **values))
        options = [os.path.join(work, "pattern.txt") if o == "PATTERN" else o
                   for o in options]
        print("=== " + name, flush=True)
        done = subprocess.run([sys.executable, CHECK, path, "--mesh",
                               os.path.join(work, mesh), "--program-folder",
                               prog_dir, "--batch", batch] + options)
        if done.returncode != 0:
            failed.append(name)
    print("scenarios with differences: " + (", ".join(failed) or "none"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

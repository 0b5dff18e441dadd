#!/usr/bin/env python3
# Places the sample plots in a GIS with GDAL: gdalinfo must report each PNG's
# corners at its limits report's minimum and maximum (plus the set's
# constants) within half a pixel, and name the coordinate system exactly when
# one was given.
#
# Usage: georeferenced_plot.py QUADREL_BINARY WORK_DIR

import json
import os
import re
import shutil
import subprocess
import sys

DPI = "20"  # enough pixels to measure by, few enough to be quick
SHIFT = (500000.0, 7000000.0)  # the constants given to a copy of set 2


class Mismatch(Exception):
    pass


def run(command):
    result = subprocess.run(command, capture_output=True, text=True,
                            env=dict(os.environ, SOURCE_DATE_EPOCH="0"))
    if result.returncode != 0:
        raise Mismatch(f"{' '.join(command)} exited {result.returncode}:\n{result.stderr}")
    return result.stdout


def reported_limits(quadrel, grid, set_number):
    # (X minimum, Y minimum, X maximum, Y maximum) from the report's rows.
    rows = {}
    for line in run([quadrel, "limits", "--grid", grid, "--set", set_number]).splitlines():
        match = re.match(r"([XY])-Axis:\s+(\S+)\s+(\S+)", line)
        if match:
            rows[match.group(1)] = (float(match.group(2)), float(match.group(3)))
    return rows["X"][0], rows["Y"][0], rows["X"][1], rows["Y"][1]


def check_plot(quadrel, grid, set_number, png, shift=(0.0, 0.0), crs=None):
    run([quadrel, "plot", "--grid", grid, "--set", set_number, "--output", png, "--dpi", DPI]
        + (["--crs", crs] if crs else []))
    info = json.loads(run(["gdalinfo", "-json", png]))
    x0, y0, x1, y1 = reported_limits(quadrel, grid, set_number)
    pixel_x, pixel_y = info["geoTransform"][1], -info["geoTransform"][5]
    corners = info["cornerCoordinates"]
    expected = {"upperLeft": (x0, y1), "lowerRight": (x1, y0)}
    for corner, (x, y) in expected.items():
        got_x, got_y = corners[corner]
        # The report shows a tenth of a unit; half a pixel besides.
        if abs(got_x - x - shift[0]) > pixel_x / 2 + 0.05 or \
                abs(got_y - y - shift[1]) > pixel_y / 2 + 0.05:
            raise Mismatch(f"{png}: {corner} at {got_x}, {got_y}; the report gives {x}, {y}"
                           f" shifted by {shift}")
    named = info.get("coordinateSystem", {}).get("wkt", "")
    if crs and f'ID["EPSG",{crs.split(":")[1]}]]' not in named:
        raise Mismatch(f"{png}: gdalinfo names no {crs}: {named[:200]}")
    if not crs and named:
        raise Mismatch(f"{png}: a coordinate system is claimed though none was given")
    print(f"{os.path.basename(png)}: corners {corners['upperLeft']} {corners['lowerRight']}"
          f", pixel {pixel_x:.4f} by {pixel_y:.4f}, crs {crs or 'none'}")


def main(quadrel, work):
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    run([quadrel, "samples", "--dir", work])
    grid = os.path.join(work, "QDLGrid.SAM")
    check_plot(quadrel, grid, "1", os.path.join(work, "s1.png"))
    check_plot(quadrel, grid, "2", os.path.join(work, "s2.png"), crs="EPSG:32633")
    with open(grid, encoding="utf-8") as file:
        text = file.read()
    shifted = os.path.join(work, "shifted.dat")
    with open(shifted, "w", encoding="utf-8") as file:
        file.write(text.replace(" 20600  21600  500 2500.0  0  0.0", " 20600  21600  500 2500.0"
                                f"  0  {SHIFT[0]}").replace(
            " 19550  20150  500 2500.0  0  0.0", f" 19550  20150  500 2500.0  0  {SHIFT[1]}"))
    check_plot(quadrel, shifted, "2", os.path.join(work, "shifted.png"), shift=SHIFT)


if __name__ == "__main__":
    try:
        main(sys.argv[1], sys.argv[2])
    except Mismatch as error:
        print(error, file=sys.stderr)
        sys.exit(1)

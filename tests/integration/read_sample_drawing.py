#!/usr/bin/env python3
# Reads drawings of the sample files with two independent DXF readers: ezdxf
# must find every TEXT, LINE and POLYLINE that the file holds, type by type,
# and GDAL's DXF driver must make one feature of each. A Company designation
# with accents must come back from ezdxf as it was typed.
#
# Usage: read_sample_drawing.py QUADREL_BINARY WORK_DIR

import collections
import os
import re
import shutil
import subprocess
import sys

ACCENTED_COMPANY = "Géologie Mañana"


class Mismatch(Exception):
    pass


def run(command):
    # SOURCE_DATE_EPOCH makes the title block's date the same on every run.
    result = subprocess.run(command, env=dict(os.environ, SOURCE_DATE_EPOCH="0"),
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise Mismatch(f"{' '.join(command)} exited {result.returncode}:\n{result.stderr}")


def check_drawing(path):
    import ezdxf  # noqa: PLC0415 - imported here so that a missing module names the file

    # The entity types that the group codes of the file name.
    with open(path, "rb") as file:
        lines = file.read().decode("cp1252").split("\r\n")
    counts = collections.Counter(value for code, value in zip(lines[0::2], lines[1::2])
                                 if code.strip() == "0")
    in_file = {kind: counts[kind] for kind in ("TEXT", "LINE", "POLYLINE") if counts[kind]}
    document = ezdxf.readfile(path)
    read = dict(collections.Counter(entity.dxftype() for entity in document.modelspace()))
    ogr = subprocess.run(["ogrinfo", "-ro", "-al", "-so", path], capture_output=True, text=True,
                         check=True).stdout
    features = sum(int(n) for n in re.findall(r"^Feature Count: (\d+)$", ogr, re.MULTILINE))
    print(f"{os.path.basename(path)}: file {in_file}; ezdxf {read}; ogrinfo {features} features")
    if not in_file or read != in_file or features != sum(in_file.values()):
        raise Mismatch(f"{path}: the readers did not see every entity the file holds")
    return document.modelspace()


def edited(source, target, edit):
    with open(source, encoding="utf-8") as file:
        lines = file.read().split("\n")
    with open(target, "w", encoding="utf-8") as file:
        file.write("\n".join(edit(line) for line in lines))
    return target


def main(quadrel, work):
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    grid, title = os.path.join(work, "QDLGrid.SAM"), os.path.join(work, "QDLTitle.SAM")
    run([quadrel, "samples", "--dir", work])
    accented = edited(title, os.path.join(work, "accented.dat"), lambda line: line.replace(
        "Fly-By-Night Mining Company ", ACCENTED_COMPANY.ljust(28)))
    type_b = edited(grid, os.path.join(work, "type_b.dat"),
                    lambda line: "B" + line[1:] if "/ Title block type" in line else line)
    drawings = {
        "sample.dxf": (["--grid", grid, "--title", title], "Title_Block_A"),
        "sample_set1.dxf": (["--grid", grid, "--set", "1", "--title", title], "Title_Block_A"),
        "sample_type_b.dxf": (["--grid", type_b, "--title", title], "Title_Block_B"),
        "sample_accents.dxf": (["--grid", grid, "--title", accented], "Title_Block_A"),
    }
    for name, (options, block) in drawings.items():
        path = os.path.join(work, name)
        run([quadrel, "dxf", *options, "--output", path])
        modelspace = check_drawing(path)
        if block not in {entity.dxf.layer for entity in modelspace}:
            raise Mismatch(f"{name}: no {block} drawn")
        texts = [entity.dxf.text for entity in modelspace.query("TEXT")]
        if name == "sample_accents.dxf" and ACCENTED_COMPANY not in texts:
            raise Mismatch(f"{name}: ezdxf did not read back {ACCENTED_COMPANY!r}")
    print(f"all {len(drawings)} drawings read in full by ezdxf and ogrinfo")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:3])
    except ImportError as error:
        sys.exit(f"read_sample_drawing: {error} for {sys.executable} "
                 "(scripts/install-deps.sh installs python3-ezdxf)")
    except (Mismatch, subprocess.CalledProcessError, OSError) as error:
        sys.exit(f"read_sample_drawing: {error}")

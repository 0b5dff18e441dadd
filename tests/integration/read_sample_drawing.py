#!/usr/bin/env python3
"""Reads the drawings of the sample files with two independent DXF readers.

ezdxf must find every TEXT, LINE and POLYLINE that the file holds, type by
type, and GDAL's DXF driver must make one feature of each. A Company
designation with accents must come back from ezdxf as it was typed.

Usage: read_sample_drawing.py QUADREL_BINARY WORK_DIR
"""

import collections
import os
import re
import shutil
import subprocess
import sys

ACCENTED_COMPANY = "Géologie Mañana"
COUNTED_TYPES = ("TEXT", "LINE", "POLYLINE")
# The date in the title block: SOURCE_DATE_EPOCH makes the drawings the same
# on every run.
QUADREL_ENV = dict(os.environ, SOURCE_DATE_EPOCH="0")


class Mismatch(Exception):
    pass


def run(command):
    result = subprocess.run(command, env=QUADREL_ENV, capture_output=True, text=True)
    if result.returncode != 0:
        raise Mismatch(
            f"{' '.join(command)} exited {result.returncode}:\n{result.stdout}{result.stderr}"
        )
    return result.stdout


def scanned_entities(path):
    """Counts the entities of the ENTITIES section from the group codes."""
    with open(path, "rb") as file:
        lines = file.read().decode("cp1252").split("\r\n")
    if lines[-1] == "":
        lines.pop()
    if len(lines) % 2 != 0:
        raise Mismatch(f"{path}: an odd number of lines ({len(lines)}), not code/value pairs")
    counts = collections.Counter()
    section = None
    previous = None
    for index in range(0, len(lines), 2):
        code, value = lines[index].strip(), lines[index + 1]
        if code == "2" and previous == ("0", "SECTION"):
            section = value
        elif code == "0" and value == "ENDSEC":
            section = None
        elif code == "0" and section == "ENTITIES":
            counts[value] += 1
        previous = (code, value)
    unknown = set(counts) - set(COUNTED_TYPES) - {"VERTEX", "SEQEND"}
    if unknown:
        raise Mismatch(f"{path}: entity types this test does not know: {sorted(unknown)}")
    if counts["SEQEND"] != counts["POLYLINE"]:
        raise Mismatch(f"{path}: {counts['POLYLINE']} POLYLINE but {counts['SEQEND']} SEQEND")
    return {kind: counts[kind] for kind in COUNTED_TYPES}


def ezdxf_entities(path):
    import ezdxf  # noqa: PLC0415 - imported here so that a missing module names the file

    document = ezdxf.readfile(path)
    modelspace = document.modelspace()
    counts = collections.Counter(entity.dxftype() for entity in modelspace)
    if sum(counts.values()) != len(modelspace):
        raise Mismatch(f"{path}: ezdxf's model space does not add up")
    return document, dict(counts)


def ogr_feature_count(path):
    output = subprocess.run(
        ["ogrinfo", "-ro", "-al", "-so", path], capture_output=True, text=True, check=True
    ).stdout
    counts = [int(found) for found in re.findall(r"^Feature Count: (\d+)$", output, re.MULTILINE)]
    if not counts:
        raise Mismatch(f"ogrinfo reported no feature count for {path}:\n{output}")
    return sum(counts)


def check_drawing(path):
    scanned = scanned_entities(path)
    document, read = ezdxf_entities(path)
    features = ogr_feature_count(path)
    total = sum(scanned.values())
    summary = ", ".join(f"{scanned[kind]} {kind}" for kind in COUNTED_TYPES)
    print(f"{os.path.basename(path)}: {summary}; ezdxf {read}; ogrinfo {features} features")
    if total == 0:
        raise Mismatch(f"{path}: the drawing holds no entity")
    if read != {kind: count for kind, count in scanned.items() if count > 0}:
        raise Mismatch(f"{path}: ezdxf read {read}, the file holds {scanned}")
    if features != total:
        raise Mismatch(f"{path}: ogrinfo counted {features} features, the file holds {total} entities")
    return document


def title_file_with_accents(sample, target):
    """The sample title file with Company designation 1 of its first set
    replaced; the value stands before the "/" of the line."""
    with open(sample, encoding="utf-8") as file:
        lines = file.read().split("\n")
    comment = lines[0][lines[0].index("/"):]
    lines[0] = ACCENTED_COMPANY.ljust(30) + comment
    with open(target, "w", encoding="utf-8") as file:
        file.write("\n".join(lines))


def grid_file_with_type_b(sample, target):
    """The sample grid file with the title block type of every set set to B."""
    with open(sample, encoding="utf-8") as file:
        lines = file.read().split("\n")
    changed = 0
    for index, line in enumerate(lines):
        if "/ Title block type" in line:
            lines[index] = "B" + line[1:]
            changed += 1
    if changed == 0:
        raise Mismatch(f"{sample}: no title block type line found")
    with open(target, "w", encoding="utf-8") as file:
        file.write("\n".join(lines))


def main(arguments):
    if len(arguments) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    quadrel, work = arguments[1], arguments[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    grid = os.path.join(work, "QDLGrid.SAM")
    title = os.path.join(work, "QDLTitle.SAM")
    run([quadrel, "samples", "--dir", work])

    accented_title = os.path.join(work, "accented_title.dat")
    title_file_with_accents(title, accented_title)
    type_b_grid = os.path.join(work, "type_b_grid.dat")
    grid_file_with_type_b(grid, type_b_grid)

    drawings = {
        "sample.dxf": ["--grid", grid, "--title", title],
        "sample_set1.dxf": ["--grid", grid, "--set", "1", "--title", title],
        "sample_type_b.dxf": ["--grid", type_b_grid, "--title", title],
        "sample_accents.dxf": ["--grid", grid, "--title", accented_title],
    }
    documents = {}
    for name, options in drawings.items():
        path = os.path.join(work, name)
        run([quadrel, "dxf", *options, "--output", path])
        documents[name] = check_drawing(path)

    layers = {entity.dxf.layer for entity in documents["sample_type_b.dxf"].modelspace()}
    if "Title_Block_B" not in layers or "Title_Block_A" in layers:
        raise Mismatch(f"sample_type_b.dxf: expected a type B title block, found layers {sorted(layers)}")
    if "Title_Block_A" not in {e.dxf.layer for e in documents["sample.dxf"].modelspace()}:
        raise Mismatch("sample.dxf: the sample grid set plots no type A title block")

    texts = [e.dxf.text for e in documents["sample_accents.dxf"].modelspace().query("TEXT")]
    if ACCENTED_COMPANY not in texts:
        near = [text for text in texts if "ologie" in text]
        raise Mismatch(f"sample_accents.dxf: ezdxf did not read back {ACCENTED_COMPANY!r}: {near}")
    print(f"sample_accents.dxf: ezdxf reads back {ACCENTED_COMPANY!r}")
    print(f"all {len(drawings)} drawings read in full by ezdxf and ogrinfo")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except ImportError as error:
        print(f"read_sample_drawing: {error} for {sys.executable} "
              "(scripts/install-deps.sh installs python3-ezdxf)", file=sys.stderr)
        sys.exit(1)
    except (Mismatch, subprocess.CalledProcessError, OSError) as error:
        print(f"read_sample_drawing: {error}", file=sys.stderr)
        sys.exit(1)

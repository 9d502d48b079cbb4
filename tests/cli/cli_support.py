"""Runs the real vorna-analyse and makes the files its tests need."""

import json
import os
import pathlib
import shutil
import struct
import subprocess
import tempfile
import unittest

import jsonschema

ROOT = pathlib.Path(__file__).resolve().parents[2]
SAMPLES = ROOT / "samples"
SCHEMA = json.loads((ROOT / "docs" / "vorna-analyse.schema.json").read_text())
COMMAND = os.environ.get("VORNA_ANALYSE", str(ROOT / "build" / "native" / "vorna-analyse"))

# The settings file of the defaults: 768 bytes of folder fields, then the
# numbers (the image the window writes on a first End).
DEFAULT_NUMBERS = bytes.fromhex(
    "00004D44000075440000803F000000000000803F0000C841000090409A594B43"
    "66A65343000048C30000C8C2CDCCCCBCCDCCCC3C000048C30000C8C20000C0BF"
    "0000C03F000080BF0000E842000080BF5839B43B0000484400007A4400000000"
    "000000416666263FCDCC4C3F000000000000C842000000000000204100001643"
    "00004843000002C30000B4C28FC2F5BC8FC2F53C000002C30000B4C2000040C0"
    "000040400000C84200000243000000009A99193F14000000")
GEO_RES_LIMIT_LOW_OFFSET = 768


def default_settings_image():
    return bytes(768) + DEFAULT_NUMBERS


def with_float(image, offset, value):
    return image[:offset] + struct.pack("<f", value) + image[offset + 4:]


def report_text(test_name, rows, date="03/14/2026", line_end="\r\n"):
    """A report: header lines, then one record line per (box, v1, v2, v3, v4)."""
    lines = ["VORNA seismic recorder", "V.ORNA-4 SYSTEM TEST", "", "Crew : 7    Line : 1204",
             f"M/D/Y : {date}", f"TEST Name : {test_name}          Mode : Field", "",
             "Seq   Box     Ch 1      Ch 2      Ch 3      Ch 4"]
    for seq, row in enumerate(rows, start=1):
        lines.append(f"  {seq:<4}  {row[0]:<6}" + "".join(f"  {v:>8}" for v in row[1:]))
    return (line_end.join(lines) + line_end).encode("latin-1")


IN_SPEC_ROWS = [(501, "900.0", "905.2", "910.0", "899.5"), (502, "850.0", "860.0", "870.0", "880.0")]
OUT_OF_SPEC_ROWS = [(601, "900.0", "810.5", "910.0", "990.25"), (602, "850.0", "860.0", "870.0", "880.0"),
                    (603, "700", "900", "900", "900")]


def run(*args, cwd=None, check_stderr_lines=True):
    """The command with `args`; its exit code, standard output and error as text."""
    result = subprocess.run([COMMAND, *map(str, args)], cwd=cwd, capture_output=True, timeout=120)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8")


def validate(document):
    jsonschema.Draft202012Validator(SCHEMA).validate(document)
    return document


def listing(folder):
    """Every file below `folder` with its bytes."""
    return {p.relative_to(folder): p.read_bytes() for p in sorted(pathlib.Path(folder).rglob("*")) if p.is_file()}


class CommandTest(unittest.TestCase):
    """A fresh temporary folder per test."""

    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="vorna-cli-"))
        self.addCleanup(shutil.rmtree, self.folder, True)

    def write(self, name, data):
        path = self.folder / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        return path

    def json_run(self, *args, expect=None, cwd=None):
        """Runs with --json - and returns (exit code, schema-valid document, stderr)."""
        code, out, err = run("--json", "-", *args, cwd=cwd)
        if expect is not None:
            self.assertEqual(code, expect, err)
        document = validate(json.loads(out))
        self.assertEqual(document["summary"]["exit_code"], code)
        return code, document, err

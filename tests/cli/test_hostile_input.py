"""Hostile inputs: whatever the bytes, a status, an exit code, one line on
standard error naming the file, and nothing written beside the inputs."""

import concurrent.futures
import json
import os
import pathlib
import random
import unittest

from cli_support import (CommandTest, IN_SPEC_ROWS, default_settings_image, listing, report_text, run,
                         validate)

TEST_NAMES = ["Channel gain matching", "Common mode rejection", "Correlator test", "Crossfeed isolation",
              "DC offset", "Distortion", "Dynamic range", "Geophone leakage", "Geophone pulse",
              "Geophone resistance", "Ground noise", "Preamp gain step accuracy", "Pulse response",
              "Self diagnosis", "Stacker test", "System noise"]
HUNDRED_MB = 100 * 1024 * 1024


def sparse_file(path, head, size):
    """`head`, then zero bytes up to `size` (a sparse file: nothing is written for them)."""
    with open(path, "wb") as f:
        f.write(head)
        f.truncate(size)
    return path


def nul_in_every_field():
    text = report_text("Geophone resistance", IN_SPEC_ROWS)
    return (text.replace(b"Crew", b"C\0rew").replace(b"03/14", b"0\x003/14").replace(b".0", b"\0.0")
            .replace(b"Geophone", b"Geo\0phone", 1))


class HostileReports(CommandTest):
    def hostile_cases(self):
        """(file name, bytes or None for a file already made, status, problem on stderr or None)."""
        rng = random.Random(14)
        self.write("huge_values.txt", report_text("Geophone resistance", [
            (701, "1e999", "-1e-999", "9" * 10000, "900"), (702, "900", "900", "900", "900")]))
        sparse_file(self.folder / "one_line_100mb.txt", b"V.ORNA-4 SYSTEM TEST", HUNDRED_MB)
        return [
            ("noise.bin", bytes(rng.randrange(256) for _ in range(65536)), "not_a_report",
             "Not a valid VORNA Test File"),
            ("nul_fields.txt", nul_in_every_field(), "unknown_type", "Unknown Test type Geo"),
            ("one_line_100mb.txt", None, "unknown_type", "Unknown Test type "),
            ("ctrl_z_first.txt", b"\x1a" + report_text("Geophone resistance", IN_SPEC_ROWS), "not_a_report",
             "Not a valid VORNA Test File"),
            ("huge_values.txt", None, "analysed", None),
            ("headers_only.txt", report_text("Geophone resistance", []), "analysed", None),
            ("n" * 251 + ".txt", report_text("Geophone resistance", IN_SPEC_ROWS), "analysed", None),
            ("caf\xe9_\xff.txt", report_text("Geophone resistance", IN_SPEC_ROWS), "analysed", None),
        ]

    def test_each_hostile_report_gets_its_status_and_exit_code(self):
        for name, data, status, problem in self.hostile_cases():
            with self.subTest(file=name):
                path = self.folder / os.fsdecode(os.fsencode(name)) if data is None else self.write(
                    os.fsdecode(name.encode("latin-1")), data)
                code, document, err = self.json_run(path)
                report = document["reports"][0]
                self.assertEqual(report["status"], status, err)
                self.assertEqual(code, 2 if problem else document["summary"]["exit_code"])
                if problem:
                    self.assertEqual(len(err.splitlines()), 1, err)
                    self.assertIn(problem, err)
                    self.assertIn(path.name, err)
                else:
                    self.assertEqual(err, "")

    def test_extreme_numbers_are_out_of_specification_and_json_stays_strict(self):
        self.write("huge_values.txt", report_text("Geophone resistance", [
            (701, "1e999", "-1e-999", "9" * 10000, "900"), (702, "900", "900", "900", "900")]))
        code, document, err = self.json_run(self.folder / "huge_values.txt", expect=1)
        report = document["reports"][0]
        self.assertEqual(report["values"], 8)
        self.assertEqual([b["box"] for b in report["out_of_spec"]], [701])
        # Infinities have no JSON number: they are written as null.
        self.assertEqual([(c["channel"], c["value"]) for c in report["out_of_spec"][0]["channels"]],
                         [(1, None), (2, 0), (3, None)])
        self.assertEqual(json.dumps(document, allow_nan=False).count("Infinity"), 0)

    def test_a_report_of_headers_only_is_analysed_with_no_values(self):
        self.write("headers_only.txt", report_text("Geophone resistance", []))
        code, out, err = run(self.folder / "headers_only.txt")
        self.assertEqual((code, err), (0, ""))
        code, document, err = self.json_run(self.folder / "headers_only.txt", expect=0)
        report = document["reports"][0]
        self.assertEqual((report["values"], report["displayed"], report["in_spec"]), (0, 0, 0))

    def test_every_test_name_with_one_byte_changed_is_an_unknown_type(self):
        for index, name in enumerate(TEST_NAMES):
            changed = name[:3] + chr(ord(name[3]) ^ 0x20) + name[4:]
            self.write(f"changed_{index:02}.txt", report_text(changed, IN_SPEC_ROWS))
        code, document, err = self.json_run(self.folder, expect=2)
        self.assertEqual({r["status"] for r in document["reports"]}, {"unknown_type"})
        lines = err.splitlines()
        self.assertEqual(len(lines), len(TEST_NAMES), err)
        for index, line in enumerate(lines):
            self.assertIn(f"changed_{index:02}.txt: Unknown Test type ", line)

    def test_a_folder_of_hostile_files_is_left_exactly_as_it_was(self):
        for name, data, status, problem in self.hostile_cases():
            if data is not None:
                self.write(os.fsdecode(name.encode("latin-1")), data)
        (self.folder / "T0413.txt").mkdir()  # a folder with a report's name
        os.symlink(self.folder / "vanished.txt", self.folder / "gone.txt")  # listed, then absent
        before = listing(self.folder)
        os.chmod(self.folder, 0o555)
        self.addCleanup(os.chmod, self.folder, 0o755)
        code, document, err = self.json_run(self.folder, expect=2)
        self.assertEqual(listing(self.folder), before)
        self.assertEqual(sorted(os.listdir(self.folder)), sorted(
            [p.name for p in before] + ["T0413.txt", "gone.txt"]))
        files = [pathlib.Path(r["file"]).name for r in document["reports"]]
        self.assertNotIn("T0413.txt", files)
        for line in err.splitlines():
            self.assertTrue(any(name in line for name in files), line)


class HostileSettings(CommandTest):
    def test_a_settings_file_of_every_length_up_to_1000_bytes(self):
        report = self.write("geo.txt", report_text("Geophone resistance", IN_SPEC_ROWS))
        image = default_settings_image() + bytes(range(48))

        def run_with_length(length):
            settings = self.write(f"settings{length}.def", image[:length])
            return length, run("--json", "-", "-q", "--settings", settings, report)

        lengths = range(0, 1001)
        if os.environ.get("VORNA_SANITIZED"):
            lengths = sorted(set(range(0, 1001, 25)) | {1, 2, 3, 4, 947, 948, 951, 952, 953, 999, 1000})
        with concurrent.futures.ThreadPoolExecutor(4) as pool:
            for length, (code, out, err) in pool.map(run_with_length, lengths):
                with self.subTest(length=length):
                    self.assertIn(code, (0, 1), err)
                    self.assertEqual(err, "")
                    validate(json.loads(out))

    def test_a_settings_file_of_several_gigabytes_reads_its_first_952_bytes(self):
        report = self.write("geo.txt", report_text("Geophone resistance", IN_SPEC_ROWS))
        settings = sparse_file(self.folder / "huge.def", default_settings_image(), 5 * 1024 ** 3)
        code, huge, err = self.json_run("--settings", settings, report, expect=0)
        code, default, err = self.json_run(report, expect=0, cwd=self.folder)
        self.assertEqual(huge["reports"], default["reports"])


if __name__ == "__main__":
    unittest.main()

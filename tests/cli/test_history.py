"""The history of runs: recording, the trend of each box, and files the history must refuse."""

import json
import os
import pathlib
import signal
import sqlite3
import stat
import subprocess
import time
import unittest

import jsonschema

from cli_support import COMMAND, ROOT, CommandTest, IN_SPEC_ROWS, report_text, run

HISTORY_SCHEMA = json.loads((ROOT / "docs" / "vorna-analyse-history.schema.json").read_text())
STOPPING_COMMAND = os.environ.get("VORNA_ANALYSE_STOPPING", str(ROOT / "build" / "native" / "vorna-analyse-stopping"))

# Three evenings of a crew: (folder, date as the report writes it, [(file, test, rows)]).
DAYS = [
    ("day1", "03/12/2026", [("res.txt", "Geophone resistance",
                             [(601, "700", "900", "900", "900"), (603, "900", "900", "999", "900"),
                              (604, "900", "900", "900", "900")])]),
    ("day2", "03/13/2026", [("res.txt", "Geophone resistance",
                             [(601, "705", "900", "900", "900"), (604, "900", "900", "900", "900")]),
                            ("leak.txt", "Geophone leakage", [(601, "9", "0.5", "0.5", "0.5")])]),
    ("day3", "03/14/2026", [("res.txt", "Geophone resistance",
                             [(601, "710", "900", "900", "900"), (602, "900", "811.5", "900", "900")])]),
]


def database_rows(path):
    """Every row of the history, read with Python's own sqlite3."""
    with sqlite3.connect(path) as db:
        return {table: sorted(db.execute(f"SELECT * FROM {table}").fetchall()) for table in ("reports", "failures")}


class HistoryTest(CommandTest):
    def setUp(self):
        super().setUp()
        for folder, date, reports in DAYS:
            for name, test, rows in reports:
                self.write(f"{folder}/{name}", report_text(test, rows, date=date))
        self.db = self.folder / "history.db"

    def record(self, *folders, expect=1):
        for folder in folders:
            code, out, err = run("-q", "--history", self.db, self.folder / folder)
            self.assertEqual(code, expect, err)
            self.assertEqual(err, "")

    def history_json(self, *args):
        code, out, err = run("history", self.db, "--json", "-", *args)
        self.assertEqual(code, 0, err)
        document = json.loads(out)
        jsonschema.Draft202012Validator(HISTORY_SCHEMA).validate(document)
        return document


class Trends(HistoryTest):
    def test_boxes_failing_on_most_days_come_first_with_their_failures_by_date(self):
        self.record("day1", "day2", "day3")
        boxes = self.history_json()["boxes"]
        summary = [(b["box"], b["failing_days"], b["first_failed"], b["last_failed"], len(b["failures"]))
                   for b in boxes]
        self.assertEqual(summary, [(601, 3, "12-03-2026", "14-03-2026", 4),
                                   (602, 1, "14-03-2026", "14-03-2026", 1),
                                   (603, 1, "12-03-2026", "12-03-2026", 1)])
        box_601 = [(f["test_date"], f["test_name"], f["unit"], [(c["channel"], c["value"]) for c in f["channels"]])
                   for f in boxes[0]["failures"]]
        self.assertEqual(box_601, [("12-03-2026", "Geophone resistance", "Ohm", [(1, 700)]),
                                   ("13-03-2026", "Geophone leakage", "MOhm", [(1, 9)]),
                                   ("13-03-2026", "Geophone resistance", "Ohm", [(1, 705)]),
                                   ("14-03-2026", "Geophone resistance", "Ohm", [(1, 710)])])
        self.assertEqual(boxes[1]["failures"][0]["channels"], [{"channel": 2, "value": 811.5}])
        self.assertTrue(boxes[0]["failures"][0]["file"].endswith("day1/res.txt"))

        code, out, err = run("history", self.db)
        self.assertEqual((code, err), (0, ""))
        lines = out.splitlines()
        self.assertEqual(lines[0].split()[:6], ["Box", "Days", "First", "Last", "Date", "Test"])
        self.assertRegex(lines[1], r"^601 +3 +12-03-2026 +14-03-2026 +12-03-2026 +Geophone resistance +1: 700 Ohm ")
        self.assertEqual([line.split()[0] for line in lines[1:] if not line.startswith(" ")], ["601", "602", "603"])

    def test_box_test_and_since_narrow_the_failures(self):
        self.record("day1", "day2", "day3")
        cases = [
            (["--box", "603"], [(603, 1)]),
            (["--test", "geophone LEAKAGE"], [(601, 1)]),
            (["--since", "13-03-2026"], [(601, 2), (602, 1)]),
            (["--box", "601", "--since", "14-03-2026"], [(601, 1)]),
            (["--box", "604"], []),
        ]
        for args, expected in cases:
            with self.subTest(args=args):
                boxes = self.history_json(*args)["boxes"]
                self.assertEqual([(b["box"], b["failing_days"]) for b in boxes], expected)
        code, out, err = run("history", self.db, "--box", "604")
        self.assertEqual((code, out), (0, "No box failed in the recorded runs.\n"))
        code, out, err = run("history", self.db, "--since", "2026-03-13")
        self.assertEqual(code, 64)
        self.assertIn("--since", err)

    def test_recording_the_same_reports_again_adds_nothing(self):
        self.record("day1", "day2")
        before = database_rows(self.db)
        self.assertEqual(len(before["reports"]), 3)
        # The same folder again, and the same bytes under another name.
        self.record("day1", "day2")
        self.write("copy/renamed.txt", (self.folder / "day1" / "res.txt").read_bytes())
        self.record("copy")
        self.assertEqual(database_rows(self.db), before)
        self.record("day3")
        self.assertEqual(len(database_rows(self.db)["reports"]), 4)

    def test_an_in_spec_report_is_recorded_without_failures_and_other_files_not_at_all(self):
        self.write("mixed/in.txt", report_text("Geophone resistance", IN_SPEC_ROWS))
        self.write("mixed/stacker.txt", report_text("Stacker test", []))
        self.write("mixed/notes.txt", b"notes\r\n")
        self.record("mixed", expect=0)
        rows = database_rows(self.db)
        self.assertEqual(len(rows["reports"]), 1)
        self.assertEqual(rows["failures"], [])


class RefusedFiles(HistoryTest):
    def refused(self, path, mention):
        """Recording into, and reading, `path` give exit 2 and one line naming it; the file stays as it was."""
        before = path.read_bytes()
        mode = path.stat().st_mode
        for args in (["--history", path, self.folder / "day1"], ["history", path]):
            with self.subTest(args=args[0]):
                code, out, err = run(*args)
                self.assertEqual(code, 2, err)
                self.assertEqual(out, "")
                self.assertEqual(len(err.splitlines()), 1, err)
                self.assertIn(f"{path}: ", err)
                self.assertIn(mention, err)
                self.assertEqual(path.read_bytes(), before)
                self.assertEqual(path.stat().st_mode, mode)
        self.assertFalse(pathlib.Path(str(path) + "-journal").exists())

    def test_a_file_that_is_not_sqlite(self):
        path = self.write("notes.db", report_text("Geophone resistance", IN_SPEC_ROWS))
        self.refused(path, "not a history database")

    def test_a_database_of_another_program(self):
        with sqlite3.connect(self.folder / "other.db") as db:
            db.execute("CREATE TABLE invoices (amount REAL)")
        self.refused(self.folder / "other.db", "not a history database")

    def test_a_database_of_a_newer_schema(self):
        self.record("day1")
        with sqlite3.connect(self.db) as db:
            db.execute("PRAGMA user_version = 7")
        self.refused(self.db, "schema version 7, newer than this program's (1)")

    def test_a_read_only_file_is_not_recorded_into_but_can_be_read(self):
        self.record("day1")
        before = self.db.read_bytes()
        self.db.chmod(stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        code, out, err = run("--history", self.db, self.folder / "day2")
        self.assertEqual(code, 2)
        self.assertEqual(out, "")
        self.assertIn(f"{self.db}: the history file is read-only", err)
        self.assertEqual(self.db.read_bytes(), before)
        self.assertEqual([b["box"] for b in self.history_json()["boxes"]], [601, 603])

    def test_reading_a_history_that_does_not_exist(self):
        code, out, err = run("history", self.folder / "absent.db")
        self.assertEqual(code, 2)
        self.assertIn("absent.db: no such history file", err)
        self.assertFalse((self.folder / "absent.db").exists())


class Interrupted(HistoryTest):
    def test_a_run_killed_inside_its_recording_leaves_the_history_as_it_was(self):
        self.record("day1")
        before = database_rows(self.db)
        marker = self.folder / "stopped"
        environment = dict(os.environ, VORNA_STOP_AFTER_REPORTS="2", VORNA_STOP_MARKER=str(marker))
        # day2 and day3 hold three new reports: the run stops after writing two of them.
        process = subprocess.Popen([STOPPING_COMMAND, "-q", "--history", self.db, self.folder / "day2",
                                    self.folder / "day3"], env=environment, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + 60
            while not marker.exists() and process.poll() is None and time.monotonic() < deadline:
                time.sleep(0.05)
            self.assertTrue(marker.exists(), "the recording never reached its second report")
        finally:
            process.send_signal(signal.SIGKILL)
            process.wait(timeout=60)
        self.assertEqual(process.returncode, -signal.SIGKILL)

        with sqlite3.connect(self.db) as db:
            self.assertEqual(db.execute("PRAGMA integrity_check").fetchone(), ("ok",))
        self.assertEqual(database_rows(self.db), before)
        # The next evening's run records all of them.
        self.record("day2", "day3")
        self.assertEqual(len(database_rows(self.db)["reports"]), 4)
        self.assertEqual([b["failing_days"] for b in self.history_json()["boxes"]], [3, 1, 1])


if __name__ == "__main__":
    unittest.main()

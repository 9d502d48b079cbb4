"""Statuses, exit codes, problems on standard error and the table."""

import os
import pathlib
import subprocess
import unittest

from cli_support import (COMMAND, CommandTest, IN_SPEC_ROWS, OUT_OF_SPEC_ROWS, SAMPLES, listing, report_text, run)


class ExitCodes(CommandTest):
    def test_each_outcome_gives_its_exit_code_and_one_line_per_problem(self):
        self.write("in.txt", report_text("Geophone resistance", IN_SPEC_ROWS))
        self.write("out.txt", report_text("Geophone resistance", OUT_OF_SPEC_ROWS))
        self.write("shopping.txt", b"Shopping list\r\n")
        self.write("unknown.txt", report_text("Geophone resistence", IN_SPEC_ROWS))
        self.write("stacker.txt", report_text("Stacker test", []))
        empty = self.folder / "empty"
        empty.mkdir()
        cases = [
            (["in.txt"], 0, []),
            (["out.txt"], 1, []),
            (["in.txt", "out.txt"], 1, []),
            (["stacker.txt", "in.txt"], 0, []),
            (["shopping.txt"], 2, ["shopping.txt: Not a valid VORNA Test File"]),
            (["unknown.txt", "out.txt"], 2, ["unknown.txt: Unknown Test type Geophone resistence"]),
            (["absent.txt", "in.txt"], 2, ["absent.txt: No such file or directory"]),
            (["empty"], 2, ["no report found"]),
            (["stacker.txt"], 0, []),
        ]
        for args, expected, problems in cases:
            with self.subTest(args=args):
                code, out, err = run(*args, cwd=self.folder)
                self.assertEqual(code, expected, err)
                lines = err.splitlines()
                self.assertEqual(len(lines), len(problems), err)
                for line, problem in zip(lines, problems):
                    self.assertTrue(line.startswith("vorna-analyse: "), line)
                    self.assertIn(problem, line)

    def test_a_pipe_named_on_the_command_line_is_unreadable_and_never_opened(self):
        os.mkfifo(self.folder / "pipe")
        code, document, err = self.json_run(self.folder / "pipe", expect=2)
        self.assertEqual(document["reports"][0]["status"], "unreadable")
        self.assertIn("pipe: not an ordinary file", err)

    def test_bad_options_are_usage_errors(self):
        report = SAMPLES / "geophone_resistance.txt"
        cases = [
            ([report, "--no-such-option"], "no-such-option"),
            ([], "PATH"),
            ([report, "--set", "GeoResLimitLo=830"], "GeoResLimitLow, GeoResLimitHigh"),
            ([report, "--set", "GeoResLimitLow"], "NAME=VALUE"),
            ([report, "--chart-size", "900"], "--chart-size"),
            ([report, "--chart-size", "0x600"], "--chart-size"),
            ([report, "-j", "0"], "jobs"),
            ([report, "--settings", self.folder / "absent.def"], "absent.def"),
            (["history"], "FILE"),
            (["history", self.folder / "h.db", "--since", "31-02"], "--since"),
        ]
        for args, mention in cases:
            with self.subTest(args=args):
                code, out, err = run(*args)
                self.assertEqual(code, 64)
                self.assertEqual(out, "")
                self.assertEqual(len(err.splitlines()), 1, err)
                self.assertIn(str(mention), err)

    def test_help_and_version(self):
        code, out, err = run("--help")
        self.assertEqual(code, 0)
        for option in ("--recursive", "--settings", "--set", "--json", "--csv", "--charts", "--chart-size",
                       "--jobs", "--quiet", "--version", "--history", "--html", "history"):
            self.assertIn(option, out)
        code, out, err = run("--version")
        self.assertEqual((code, out.strip()), (0, "vorna-analyse 1.0.0"))


class Table(CommandTest):
    def test_one_row_per_file_then_the_boxes_sorted_by_number(self):
        self.write("b_out.txt", report_text("Geophone resistance", OUT_OF_SPEC_ROWS))
        self.write("a_leak.txt", report_text("Geophone leakage", [(603, "0.5", "7", "0.5", "0.5"),
                                                                   (17, "9", "0.5", "0.5", "0.5")]))
        self.write("c_stacker.txt", report_text("Stacker test", []))
        self.write("d_notes.txt", b"notes\r\n")
        code, out, err = run(".", cwd=self.folder)
        self.assertEqual(code, 1, err)
        self.assertEqual(err, "")
        lines = out.splitlines()
        self.assertEqual(lines[0].split(), ["File", "Test", "Date", "Values", "Displayed", "In", "spec", "Out",
                                            "of", "spec"])
        self.assertRegex(lines[1], r"^\./a_leak\.txt +Geophone leakage +14-03-2026 +8 +\S+% +75\.0% +2 boxes$")
        self.assertRegex(lines[2], r"^\./b_out\.txt +Geophone resistance +14-03-2026 +12 +\S+% +75\.0% +2 boxes$")
        self.assertRegex(lines[3], r"^\./c_stacker\.txt +Stacker test +14-03-2026 +Cannot analyse the Stacker Test$")
        self.assertRegex(lines[4], r"^\./d_notes\.txt +Not a valid VORNA Test File$")
        self.assertEqual(lines[6], "Out of specification: 3 boxes, 5 channels")
        boxes = [line.split()[0] for line in lines[8:] if not line.startswith(" ")]
        self.assertEqual(boxes, ["17", "601", "603"])
        self.assertIn("2: 810.5 Ohm, 4: 990.25 Ohm", out)
        box_603 = [line for line in lines[8:] if "603" in line or line.startswith(" ")]
        self.assertIn("Geophone leakage", box_603[0])   # a_leak comes first in input order
        self.assertIn("1: 700 Ohm", box_603[1])

    def test_quiet_prints_nothing_and_keeps_the_exit_code(self):
        self.write("out.txt", report_text("Geophone resistance", OUT_OF_SPEC_ROWS))
        self.assertEqual(run("-q", self.folder / "out.txt"), (1, "", ""))


class Progress(CommandTest):
    def run_with_standard_error_on(self, terminal, paths):
        """Runs -q -j 1 over `paths` with standard error on a terminal or a
        pipe; returns what standard error received."""
        if not terminal:
            return run("-q", "-j", "1", *paths)[2]
        main, secondary = os.openpty()
        process = subprocess.Popen([COMMAND, "-q", "-j", "1", *map(str, paths)], stdout=subprocess.DEVNULL,
                                   stderr=secondary)
        os.close(secondary)
        received = b""
        while True:
            try:
                chunk = os.read(main, 4096)
            except OSError:  # the terminal's far end has closed
                break
            if not chunk:
                break
            received += chunk
        os.close(main)
        process.wait(timeout=120)
        return received.decode("utf-8", "replace")

    def test_a_long_run_shows_progress_on_a_terminal_and_nothing_on_a_pipe(self):
        # A run of several seconds: one large report named many times.
        record = b"  1     501     900.0     905.2     910.0     899.5\r\n"
        report = self.write("big.txt", report_text("Geophone resistance", IN_SPEC_ROWS) + record * 2_000_000)
        paths = [report] * (4 if os.environ.get("VORNA_SANITIZED") else 8)
        shown = self.run_with_standard_error_on(True, paths)
        self.assertRegex(shown, r"\d+/%d files, [\d.]+ of [\d.]+ MB, [\d.]+ MB/s" % len(paths))
        self.assertEqual(self.run_with_standard_error_on(False, paths), "")

    def test_a_short_run_shows_no_progress_even_on_a_terminal(self):
        report = self.write("small.txt", report_text("Geophone resistance", IN_SPEC_ROWS))
        self.assertEqual(self.run_with_standard_error_on(True, [report]), "")


class NothingLeftBehind(CommandTest):
    def test_a_folder_of_odd_files_is_listed_and_nothing_is_written_beside_them(self):
        self.write("geo_lf.txt", report_text("Geophone resistance", OUT_OF_SPEC_ROWS, line_end="\n"))
        self.write("tmp.txt", b"Box 501 Channel(s) 1\r\n")
        self.write("chart.bmp", b"BM" + bytes(100))
        self.write("correlator.txt", report_text("Correlator test", []))
        self.write("empty.txt", b"")
        self.write("ctrl_z.txt", b"\x1a" + report_text("Geophone resistance", IN_SPEC_ROWS))
        before = listing(self.folder)
        code, document, err = self.json_run(self.folder, expect=1)
        self.assertEqual(err, "")
        self.assertEqual(listing(self.folder), before)
        self.assertFalse(any(p.name.upper().endswith(".TXT.TXT") for p in self.folder.iterdir()))
        statuses = {pathlib.Path(r["file"]).name: r["status"] for r in document["reports"]}
        self.assertEqual(statuses, {"chart.bmp": "not_a_report", "correlator.txt": "not_analysed",
                                    "ctrl_z.txt": "not_a_report", "empty.txt": "not_a_report",
                                    "geo_lf.txt": "analysed", "tmp.txt": "not_a_report"})
        lf = next(r for r in document["reports"] if r["file"].endswith("geo_lf.txt"))
        self.assertEqual([b["box"] for b in lf["out_of_spec"]], [601, 603])
        self.assertEqual(document["summary"]["failed"], 0)

    def test_recursive_walk_is_sorted_and_charts_of_equal_names_are_kept_apart(self):
        for day in ("day2", "day1"):
            self.write(f"in/{day}/T0413.txt", report_text("Geophone resistance", IN_SPEC_ROWS))
        self.write("in/a.txt", report_text("Geophone resistance", IN_SPEC_ROWS))
        code, document, err = self.json_run("in", expect=0, cwd=self.folder)
        self.assertEqual([r["file"] for r in document["reports"]], ["in/a.txt"])
        code, document, err = self.json_run("-r", "in/", "--charts", "charts", expect=0, cwd=self.folder)
        self.assertEqual([r["file"] for r in document["reports"]],
                         ["in/a.txt", "in/day1/T0413.txt", "in/day2/T0413.txt"])
        self.assertEqual(sorted(p.name for p in (self.folder / "charts").iterdir()),
                         ["T0413.txt-2.png", "T0413.txt-2.svg", "T0413.txt.png", "T0413.txt.svg",
                          "a.txt.png", "a.txt.svg"])


if __name__ == "__main__":
    unittest.main()

"""JSON, CSV and chart files, settings, and the same outputs whatever the number of jobs."""

import csv
import io
import json
import pathlib
import subprocess
import unittest

import pandas

from cli_support import (CommandTest, GEO_RES_LIMIT_LOW_OFFSET, OUT_OF_SPEC_ROWS, SAMPLES, default_settings_image,
                         report_text, run, with_float)


def failing_channels(report_path, low, high):
    """The boxes out of specification, read from the report by hand: [(box, [(channel, value)])]."""
    boxes = []
    for line in pathlib.Path(report_path).read_bytes().replace(b"\r", b"\n").split(b"\n"):
        fields = line.split()
        if len(fields) != 6 or not fields[0].isdigit():
            continue
        values = [float(v) for v in fields[2:]]
        failing = [(ch, v) for ch, v in enumerate(values, start=1) if not low <= v <= high]
        if failing:
            boxes.append((float(fields[1]), failing))
    return boxes


class Json(CommandTest):
    def test_samples_give_a_valid_document_whose_failures_are_those_of_the_report(self):
        code, document, err = self.json_run(SAMPLES, expect=2)
        summary = document["summary"]
        self.assertEqual((summary["files"], summary["analysed"], summary["not_analysed"], summary["failed"]),
                         (19, 13, 4, 1))
        reports = {pathlib.Path(r["file"]).name: r for r in document["reports"]}
        self.assertEqual(reports["stacker_test.txt"]["message"], "Cannot analyse the Stacker Test")
        self.assertEqual(reports["not_a_report.txt"]["status"], "not_a_report")
        for name in ("geophone_resistance.txt", "geophone_resistance_lf.txt"):
            report = reports[name]
            self.assertEqual((report["limit_low"], report["limit_high"], report["unit"]), (820, 980, "Ohm"))
            expected = failing_channels(SAMPLES / name, 820, 980)
            got = [(b["box"], [(c["channel"], c["value"]) for c in b["channels"]]) for b in report["out_of_spec"]]
            self.assertEqual(got, expected)
            self.assertEqual(sum(bar["count"] for bar in report["bars"]), report["displayed"])
            self.assertEqual(report["values"], 4 * report["box_count"])
        # The cross-report list: sorted by box, each failure of every report once.
        boxes = [b["box"] for b in document["boxes"]]
        self.assertEqual(boxes, sorted(boxes))
        self.assertEqual(len(boxes), summary["out_of_spec_boxes"])
        self.assertEqual(sum(len(b["failures"]) for b in document["boxes"]),
                         sum(len(c["channels"]) for r in document["reports"] for c in r["out_of_spec"]))

    def test_numbers_are_the_shortest_text_of_the_float(self):
        self.write("geo.txt", report_text("Geophone resistance", [(501, "905.2", "810.1", "0.1", "1e30")]))
        code, out, err = run("--json", "-", "--set", "GeoResLimitLow=830.3", "geo.txt", cwd=self.folder)
        self.assertEqual(code, 1, err)
        self.assertIn('"limit_low": 830.3,', out)
        self.assertIn('"value": 810.1', out)
        self.assertIn('"value": 0.1', out)
        self.assertIn('"value": 1e+30', out)
        self.assertNotIn("810.09", out)
        self.assertNotIn("830.29", out)


class Csv(CommandTest):
    def test_three_files_read_by_pandas_agree_with_the_json_even_for_odd_file_names(self):
        odd = 'day 1, "north" caf\u00e9.txt'
        self.write(odd, report_text("Geophone resistance", OUT_OF_SPEC_ROWS))
        self.write("resistance.txt", (SAMPLES / "geophone_resistance.txt").read_bytes())
        self.write("stacker.txt", (SAMPLES / "stacker_test.txt").read_bytes())
        code, document, err = self.json_run("--csv", "csv", ".", expect=1, cwd=self.folder)
        raw = (self.folder / "csv" / "reports.csv").read_bytes()
        self.assertFalse(raw.startswith(b"\xef\xbb\xbf"))
        self.assertIn('"./day 1, ""north"" caf\u00e9.txt"'.encode("utf-8"), raw)

        reports = pandas.read_csv(self.folder / "csv" / "reports.csv", keep_default_na=False)
        failures = pandas.read_csv(self.folder / "csv" / "failures.csv", keep_default_na=False)
        bars = pandas.read_csv(self.folder / "csv" / "bars.csv")
        self.assertEqual(list(reports["file"]), [r["file"] for r in document["reports"]])
        self.assertEqual(list(reports["status"]), [r["status"] for r in document["reports"]])
        for row, report in zip(reports.to_dict("records"), document["reports"]):
            for field in ("message", "test_name", "test_date", "unit"):
                self.assertEqual(row[field], report[field])
            if report["status"] == "analysed":
                for field in ("limit_low", "limit_high", "value_scale", "display_low", "display_high",
                              "box_count", "values", "displayed", "in_spec"):
                    self.assertEqual(float(row[field]), report[field], field)
                self.assertEqual(int(row["out_of_spec_boxes"]), len(report["out_of_spec"]))
            else:
                self.assertEqual(row["values"], "")

        expected_failures = [(r["file"], b["box"], c["channel"], c["value"])
                             for r in document["reports"] for b in r["out_of_spec"] for c in b["channels"]]
        self.assertEqual([tuple(x) for x in failures[["file", "box", "channel", "value"]].itertuples(index=False)],
                         expected_failures)
        self.assertTrue((failures["unit"] == "Ohm").all())
        expected_bars = [(r["file"], k, b["low"], b["high"], b["count"])
                         for r in document["reports"] for k, b in enumerate(r["bars"], start=1)]
        self.assertEqual([tuple(x) for x in bars.itertuples(index=False)], expected_bars)


class Settings(CommandTest):
    def limits_and_bars(self, *args, cwd=None):
        code, document, err = self.json_run(*args, cwd=cwd)
        report = document["reports"][0]
        return report["limit_low"], len(report["bars"]), [b["box"] for b in report["out_of_spec"]]

    def test_set_settings_file_and_the_file_in_the_current_folder(self):
        self.write("geo.txt", report_text("Geophone resistance", [(501, "825", "900", "900", "900"),
                                                                  (502, "900", "900", "900", "900")]))
        self.assertEqual(self.limits_and_bars("geo.txt", cwd=self.folder), (820, 20, []))
        self.assertEqual(self.limits_and_bars("--set", "GeoResLimitLow=830", "--set", "HistogramBars=30",
                                              "geo.txt", cwd=self.folder), (830, 30, [501]))
        # A bar count outside 10..30 is taken as 20, as in the window.
        self.assertEqual(self.limits_and_bars("--set", "HistogramBars=31", "geo.txt", cwd=self.folder)[1], 20)

        self.write("strict.def", with_float(default_settings_image(), GEO_RES_LIMIT_LOW_OFFSET, 850.0))
        self.assertEqual(self.limits_and_bars("--settings", "strict.def", "geo.txt", cwd=self.folder),
                         (850, 20, [501]))
        self.assertEqual(self.limits_and_bars("--settings", "strict.def", "--set", "GeoResLimitLow=800",
                                              "geo.txt", cwd=self.folder), (800, 20, []))
        (self.folder / "strict.def").rename(self.folder / "VORNAanalyser.def")
        self.assertEqual(self.limits_and_bars("geo.txt", cwd=self.folder), (850, 20, [501]))


class Jobs(CommandTest):
    def test_one_and_four_workers_write_the_same_outputs(self):
        for index in range(12):
            sample = sorted(SAMPLES.iterdir())[index % 19]
            self.write(f"in/{index:02d}_{sample.name}", sample.read_bytes())
        outputs = []
        for jobs in ("1", "4"):
            code, out, err = run("-j", jobs, "--json", f"out{jobs}.json", "--csv", f"csv{jobs}", "in", cwd=self.folder)
            files = {name: (self.folder / f"csv{jobs}" / name).read_bytes()
                     for name in ("reports.csv", "failures.csv", "bars.csv")}
            outputs.append((code, out, err, (self.folder / f"out{jobs}.json").read_bytes(), files))
        self.assertEqual(outputs[0], outputs[1])


class Charts(CommandTest):
    def test_a_png_and_an_svg_of_the_size_asked_for_each_analysed_report(self):
        code, document, err = self.json_run("--charts", self.folder / "charts", "--chart-size", "640x480",
                                            SAMPLES, expect=2)
        analysed = [pathlib.Path(r["file"]).name for r in document["reports"] if r["status"] == "analysed"]
        written = sorted(p.name for p in (self.folder / "charts").iterdir())
        self.assertEqual(written, sorted([n + ".png" for n in analysed] + [n + ".svg" for n in analysed]))
        for name in ("geophone_resistance.txt.png", "geophone_resistance.txt.svg"):
            size = subprocess.run(["identify", "-format", "%w %h", str(self.folder / "charts" / name)],
                                  capture_output=True, text=True, check=True).stdout
            self.assertEqual(size, "640 480", name)
        # Bars of pure green on white, as the window draws them.
        colours = subprocess.run(["convert", str(self.folder / "charts" / "geophone_resistance.txt.png"),
                                  "-format", "%c", "histogram:info:-"], capture_output=True, text=True).stdout
        self.assertIn("#00FF00", colours)
        self.assertIn("#FF0000", colours)
        self.assertIn("#FFFFFF", colours)


if __name__ == "__main__":
    unittest.main()

"""The day report: one self-contained HTML page, read by a real browser (headless Chromium)."""

import html.parser
import pathlib
import re
import shutil
import subprocess
import tempfile
import unittest

from cli_support import SAMPLES, CommandTest, run

CHROMIUM = shutil.which("chromium")


class PageParts(html.parser.HTMLParser):
    """The elements, ids and in-page references of a page."""

    def __init__(self):
        super().__init__()
        self.tags, self.ids, self.references, self.outside = [], [], [], []

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        for name, value in attrs:
            value = value or ""
            if name == "id":
                self.ids.append(value)
            if name in ("href", "xlink:href", "src") and value.startswith("#"):
                self.references.append(value[1:])
            elif name in ("href", "xlink:href", "src"):
                self.outside.append(value)
            self.references += re.findall(r"url\(#([^)]+)\)", value)


def chromium(*args):
    """Runs headless Chromium with a fresh profile; it must finish within two minutes."""
    profile = tempfile.mkdtemp(prefix="vorna-chromium-")
    try:
        subprocess.run([CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                        "--disable-background-networking", "--disable-component-update", "--disable-sync",
                        f"--user-data-dir={profile}", *args], capture_output=True, timeout=120, check=True)
    finally:
        shutil.rmtree(profile, True)


class DayReport(CommandTest):
    def make(self, *paths, expect):
        code, document, err = self.json_run("--html", self.folder / "day.html", *paths, expect=expect)
        page = (self.folder / "day.html").read_text(encoding="utf-8")
        parts = PageParts()
        parts.feed(page)
        return document, page, parts

    def test_one_self_contained_page_with_every_table_and_one_chart_per_analysed_report(self):
        document, page, parts = self.make(SAMPLES, expect=2)
        analysed = [r for r in document["reports"] if r["status"] == "analysed"]
        self.assertEqual(parts.tags.count("svg"), len(analysed))
        self.assertEqual(page.count('<figure class="chart">'), len(analysed))
        self.assertNotIn("script", parts.tags)
        self.assertNotIn("link", parts.tags)
        self.assertEqual(parts.outside, [])
        # Each chart keeps its own glyphs and clips.
        self.assertEqual(len(parts.ids), len(set(parts.ids)))
        self.assertTrue(set(parts.references) <= set(parts.ids), set(parts.references) - set(parts.ids))
        # Every file in the reports table, the boxes as in the JSON.
        self.assertEqual(page.count("<tr class="), len(document["reports"]))
        self.assertIn("Cannot analyse the Stacker Test", page)
        self.assertIn(f"Out of specification: {document['summary']['out_of_spec_boxes']} boxes", page)
        boxes_table = page[page.index('<table class="boxes">'):]
        for box in document["boxes"]:
            self.assertIn(f'<td class="number">{box["box"]:g}</td>', boxes_table)

    def test_texts_are_escaped(self):
        self.write("a<b>&c.txt", (SAMPLES / "geophone_resistance.txt").read_bytes())
        document, page, parts = self.make(self.folder / "a<b>&c.txt", expect=1)
        self.assertIn("a&lt;b&gt;&amp;c.txt", page)
        self.assertNotIn("b", parts.tags)


@unittest.skipIf(CHROMIUM is None, "chromium is not installed (scripts/setup installs it)")
class InTheBrowser(CommandTest):
    def test_the_browser_draws_the_charts_and_prints_a4_pages_with_landscape_charts(self):
        code, out, err = run("--html", self.folder / "day.html", "-q", SAMPLES / "geophone_resistance.txt",
                             SAMPLES / "dc_offset.txt", SAMPLES / "stacker_test.txt")
        self.assertEqual(code, 1, err)
        url = (self.folder / "day.html").as_uri()

        chromium("--hide-scrollbars", "--window-size=1000,3000", f"--screenshot={self.folder / 'day.png'}", url)
        # The first chart is where the topmost pure-green bar stands: the
        # browser must have drawn the SVG there, with its labels in black.
        green = subprocess.run(["convert", str(self.folder / "day.png"), "-fill", "black", "+opaque", "#00FF00",
                                "-format", "%@", "info:"], capture_output=True, text=True, check=True).stdout
        width, height, left, top = map(int, re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", green).groups())
        self.assertGreater(width * height, 0)
        self.assertGreater(top, 300, "the tables stand above the charts")
        region = f"{min(900, 1000 - 10)}x400+10+{max(0, top - 100)}"
        colours = subprocess.run(["convert", str(self.folder / "day.png"), "-crop", region, "+repage", "-format", "%c",
                                  "histogram:info:-"], capture_output=True, text=True, check=True).stdout
        self.assertIn("#00FF00", colours)
        self.assertIn("#FF0000", colours)      # the limit markers
        self.assertRegex(colours, r"#000000|#0[0-9A-F]0[0-9A-F]0[0-9A-F]")
        self.assertGreater(len(colours.splitlines()), 10, "the chart area is not blank")

        chromium("--no-pdf-header-footer", f"--print-to-pdf={self.folder / 'day.pdf'}", url)
        info = subprocess.run(["pdfinfo", "-f", "1", "-l", "100", str(self.folder / "day.pdf")],
                              capture_output=True, text=True, check=True).stdout
        pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
        sizes = [tuple(float(v) for v in m) for m in re.findall(r"^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+)", info, re.M)]
        self.assertGreaterEqual(pages, 3)
        self.assertEqual(len(sizes), pages)
        portrait, landscape = (595, 842), (842, 595)
        self.assertEqual(tuple(round(v) for v in sizes[0]), portrait)
        # The two charts, each on a landscape page of its own, end the document.
        self.assertEqual([tuple(round(v) for v in s) for s in sizes[-2:]], [landscape, landscape])


if __name__ == "__main__":
    unittest.main()

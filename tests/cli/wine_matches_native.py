#!/usr/bin/env python3
"""The Windows console build under Wine, on samples/: the same JSON as the
native build, and one 24-bit BMP chart of the size asked per analysed report.
The history and the day report, which the native build alone has, are
refused as usage errors, and nothing is written.

    wine_matches_native.py WINDOWS_EXE NATIVE_COMMAND
"""

import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]


def run(command, charts):
    # The same relative paths for both, so that file names compare.
    result = subprocess.run([*command, "--json", "-", "--charts", str(charts), "samples/"], cwd=ROOT,
                            capture_output=True, timeout=600)
    return result.returncode, json.loads(result.stdout.decode("utf-8"))


def main():
    windows_exe, native = sys.argv[1], sys.argv[2]
    if not os.access(native, os.X_OK):
        sys.exit(f"the native build is needed first: {native}")
    wine = os.environ.get("WINELOADER", "wine")
    work = pathlib.Path(tempfile.mkdtemp(prefix="vorna-wine-cli-"))
    try:
        windows_code, windows = run([wine, windows_exe], work / "bmp")
        native_code, expected = run([native], work / "png")
        failures = []
        if (windows_code, windows) != (native_code, expected):
            failures.append(f"JSON differs (exit {windows_code} under Wine, {native_code} natively)")
            for mine, theirs in zip(windows["reports"], expected["reports"]):
                if mine != theirs:
                    failures.append(f"  first report that differs: {mine['file']}")
                    break
        analysed = [pathlib.Path(r["file"]).name for r in expected["reports"] if r["status"] == "analysed"]
        charts = sorted(p.name for p in (work / "bmp").iterdir()) if (work / "bmp").is_dir() else []
        if charts != sorted(name + ".bmp" for name in analysed):
            failures.append(f"charts written: {charts}")
        for chart in charts:
            described = subprocess.run(["identify", "-format", "%m %w %h %[channels] %z", str(work / "bmp" / chart)],
                                       capture_output=True, text=True).stdout
            if described != "BMP3 900 600 srgb 8" and described != "BMP 900 600 srgb 8":
                failures.append(f"{chart}: {described}")
        # Relative names: CLI11 reads "/x" as an option on Windows.
        for args, mention in ((["--history", "h.db", "."], "--history is not available"),
                              (["--html", "day.html", "."], "--html is not available"),
                              (["history", "h.db"], "history is not available")):
            refused = subprocess.run([wine, windows_exe, *args], cwd=work, capture_output=True, timeout=600)
            error = refused.stderr.decode("utf-8", "replace")
            if refused.returncode != 64 or mention not in error or refused.stdout:
                failures.append(f"{args[0]}: exit {refused.returncode}, {error.strip()!r}")
        if (work / "h.db").exists() or (work / "day.html").exists():
            failures.append("a refused option wrote a file")
        print(f"{len(expected['reports'])} reports, {len(analysed)} charts, exit {windows_code} under Wine")
        if failures:
            print("\n".join(failures))
            sys.exit(1)
        print("the same JSON as the native build; every chart a 900x600 BMP; --history, --html and history refused")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()

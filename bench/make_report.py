#!/usr/bin/env python3
"""Writes a Geophone resistance report of N boxes (default 1,000,000) with CR LF
line ends: four values per box spread over the display range 800..1000 Ohm,
a few percent of them outside the limits 820..980.

    bench/make_report.py OUT.txt [BOXES]
"""

import random
import sys


def main():
    path = sys.argv[1]
    boxes = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    rng = random.Random(20260314)
    header = ["VORNA seismic recorder", "V.ORNA-4 SYSTEM TEST", "", "Crew : 7    Line : 1204",
              "M/D/Y : 03/14/2026", "TEST Name : Geophone resistance          Mode : Field", "",
              "Seq   Box     Ch 1      Ch 2      Ch 3      Ch 4",
              "----------------------------------------------------"]
    with open(path, "w", newline="") as out:
        out.write("\r\n".join(header) + "\r\n")
        lines = []
        for box in range(1, boxes + 1):
            # The sequence number never reads as 0, which would end the record lines.
            # Mostly between the limits; about 4 % of the values in the 20 Ohm bands outside them.
            values = [rng.uniform(820.0, 980.0) if rng.random() > 0.04 else rng.choice(
                (rng.uniform(800.0, 820.0), rng.uniform(980.0, 1000.0))) for _ in range(4)]
            lines.append(f"  {box % 9999 + 1:<4}  {500 + box % 3000:<6}" + "".join(f"  {v:8.1f}" for v in values))
            if len(lines) == 10000:
                out.write("\r\n".join(lines) + "\r\n")
                lines.clear()
        if lines:
            out.write("\r\n".join(lines) + "\r\n")


if __name__ == "__main__":
    main()

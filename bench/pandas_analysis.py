#!/usr/bin/python3
"""What an engineer would write with pandas and numpy for one report: the
record lines read with pandas.read_csv, the limits 820..980, 20 bars over
800..1000 with numpy.histogram, and the list of failing boxes.

    bench/pandas_analysis.py REPORT
"""
import sys

import numpy
import pandas

LIMIT_LOW, LIMIT_HIGH = 820.0, 980.0
DISPLAY_LOW, DISPLAY_HIGH, BARS = 800.0, 1000.0, 20
HEADER_LINES = 8

table = pandas.read_csv(sys.argv[1], delim_whitespace=True, header=None, skiprows=HEADER_LINES,
                        names=["seq", "box", "ch1", "ch2", "ch3", "ch4"])
values = table[["ch1", "ch2", "ch3", "ch4"]].to_numpy(dtype=numpy.float32)
counts, edges = numpy.histogram(values, bins=BARS, range=(DISPLAY_LOW, DISPLAY_HIGH))
outside = (values < LIMIT_LOW) | (values > LIMIT_HIGH)
failing = table["box"].to_numpy()[outside.any(axis=1)]
in_spec = values.size - int(outside.sum())
print("values %d, in specification %d, boxes out of specification %d"
      % (values.size, in_spec, failing.size))
print("bars", " ".join(str(count) for count in counts))

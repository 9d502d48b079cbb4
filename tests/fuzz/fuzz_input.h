#pragma once
// How a fuzz input is split into settings and report bytes, and the
// comparison of two analysis results that the differential check needs.

#include <string>
#include <string_view>

#include "settings/settings_record.h"
#include "testfile/analysis.h"

namespace vorna::fuzzing {

// An input that starts with 0xFF carries settings in its next 20 bytes:
// the bar count (int32) and four floats written into every display low,
// display high, low limit and high limit field (little-endian, raw bits,
// so NaN, infinities and inverted ranges all occur). Any other input is a
// report analysed with the default settings.
struct SettingsAndReport {
  Settings settings;
  std::string_view report;
};
SettingsAndReport SplitInput(std::string_view bytes);

// The first difference between two results, field by field, with floats
// compared bit for bit; empty when they are equal.
std::string FirstDifference(const AnalysisResult& a, const AnalysisResult& b);

// A file in the temporary folder named after `purpose` and this process,
// so that parallel runs never share one.
std::string ScratchFilePath(const std::string& purpose);

}  // namespace vorna::fuzzing

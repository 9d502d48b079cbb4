#pragma once
// The table of test types: the test name read from a report selects the
// unit, display range, test limits and value scale of its analysis, or the
// message that refuses it. Settings named by a row are taken from the
// record handed to the lookup, at the moment of the lookup.

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"
#include "testfile/channel_statistics.h"

namespace vorna {

// One end of a range or limit: a settings field, or a fixed constant where
// the settings offer no editable value (field is null then).
struct TestTypeBound {
  float Settings::*field = nullptr;
  float constant = 0;
};

struct TestTypeRow {
  std::string_view TestName;
  bool Analysed = false;
  std::string_view UnitText;       // analysed rows
  TestTypeBound DisplayLow, DisplayHigh, LimitLow, LimitHigh;
  float ValueScale = 1;            // also divides the display range
  std::string_view Message;        // rows that are not analysed
};

// The rows in lookup order: the twelve analysed types, then the four that
// are recognised and refused.
const std::vector<TestTypeRow>& TestTypeTable();

// Everything the analysis of one report needs from its test type.
struct TestTypeValues {
  std::string UnitText;
  float DisplayLow = 0;
  float DisplayHigh = 0;
  SpecLimits Limits;
};

struct TestTypeChoice {
  bool Analysed = false;
  bool Recognised = false; // a row of the table matched: analysed or refused
  TestTypeValues Values;   // when Analysed
  std::string Message;     // when not: the text of the refusing message box
};

// Looks `testName` up byte for byte (case-sensitive) in the table; the first
// equal row applies. An analysed row gives its values from `record` (for a
// value scale other than 1 the display range is divided by it); a refused
// row gives its message; any other name, also empty, gives
// "Unknown Test type " followed by the name.
TestTypeChoice LookUpTestType(std::string_view testName, const Settings& record);

}  // namespace vorna

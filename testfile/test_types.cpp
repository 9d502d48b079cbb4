#include "testfile/test_types.h"

namespace vorna {
namespace {

TestTypeBound Field(float Settings::*field) { return TestTypeBound{field, 0}; }
TestTypeBound Fixed(float constant) { return TestTypeBound{nullptr, constant}; }

TestTypeRow Analysed(std::string_view name, std::string_view unit, float Settings::*displayLow,
                     float Settings::*displayHigh, TestTypeBound limitLow, TestTypeBound limitHigh,
                     float valueScale = 1) {
  TestTypeRow row;
  row.TestName = name;
  row.Analysed = true;
  row.UnitText = unit;
  row.DisplayLow = Field(displayLow);
  row.DisplayHigh = Field(displayHigh);
  row.LimitLow = limitLow;
  row.LimitHigh = limitHigh;
  row.ValueScale = valueScale;
  return row;
}

TestTypeRow Refused(std::string_view name, std::string_view message) {
  TestTypeRow row;
  row.TestName = name;
  row.Message = message;
  return row;
}

float ValueOf(const TestTypeBound& bound, const Settings& record) {
  return bound.field != nullptr ? record.*bound.field : bound.constant;
}

}  // namespace

const std::vector<TestTypeRow>& TestTypeTable() {
  using S = Settings;
  static const std::vector<TestTypeRow> table = {
      Analysed("System noise", "uV", &S::SysNoiseDisplayLow, &S::SysNoiseDisplayHigh, Fixed(-1),
               Field(&S::SysNoiseLimitHigh)),
      Analysed("Pulse response", "", &S::SysPulseDisplayLow, &S::SysPulseDisplayHigh,
               Field(&S::SysPulseLimitLow), Field(&S::SysPulseLimitHigh)),
      Analysed("Geophone resistance", "Ohm", &S::GeoResDisplayLow, &S::GeoResDisplayHigh,
               Field(&S::GeoResLimitLow), Field(&S::GeoResLimitHigh)),
      Analysed("Geophone leakage", "MOhm", &S::GeoLkgDisplayLow, &S::GeoLkgDisplayHigh, Fixed(-1),
               Field(&S::GeoLkgLimit)),
      // The report's values are in a unit 1000 times that of the settings.
      Analysed("Ground noise", "uV", &S::GndNoiseDisplayLow, &S::GndNoiseDisplayHigh, Fixed(-1),
               Field(&S::GndNoiseLimitHigh), 1000),
      Analysed("Geophone pulse", "", &S::GeoPulseDisplayLow, &S::GeoPulseDisplayHigh,
               Field(&S::GeoPulseLimitLow), Field(&S::GeoPulseLimitHigh)),
      Analysed("Crossfeed isolation", "dB", &S::CrossfeedDisplayLow, &S::CrossfeedDisplayHigh,
               Fixed(-2000), Field(&S::CrossfeedLimit)),
      Analysed("Channel gain matching", "%", &S::GainMatchDisplayLow, &S::GainMatchDisplayHigh,
               Field(&S::GainMatchLimitLow), Field(&S::GainMatchLimitHigh)),
      Analysed("Common mode rejection", "dB", &S::CmrrDisplayLow, &S::CmrrDisplayHigh, Fixed(-2000),
               Field(&S::CmrrLimit)),
      Analysed("DC offset", "uV", &S::DcOffsetDisplayLow, &S::DcOffsetDisplayHigh,
               Field(&S::DcOffsetLimitLow), Field(&S::DcOffsetLimitHigh)),
      Analysed("Dynamic range", "dB", &S::DynRangeDisplayLow, &S::DynRangeDisplayHigh,
               Field(&S::DynRangeLimitLow), Fixed(2000)),
      Analysed("Distortion", "%", &S::DistortionDisplayLow, &S::DistortionDisplayHigh, Fixed(0),
               Field(&S::DistortionLimitHigh)),
      Refused("Correlator test", "Cannot analyse the Correlator Test"),
      Refused("Stacker test", "Cannot analyse the Stacker Test"),
      Refused("Self diagnosis", "Cannot analyse the Self Diagnosis Test"),
      Refused("Preamp gain step accuracy", "Cannot analyse the Preamp Gain Step Accuracy Test"),
  };
  return table;
}

TestTypeChoice LookUpTestType(std::string_view testName, const Settings& record) {
  TestTypeChoice choice;
  for (const TestTypeRow& row : TestTypeTable()) {
    if (row.TestName != testName) continue;
    choice.Recognised = true;
    if (!row.Analysed) {
      choice.Message = std::string(row.Message);
      return choice;
    }
    choice.Analysed = true;
    choice.Values.UnitText = std::string(row.UnitText);
    choice.Values.DisplayLow = ValueOf(row.DisplayLow, record) / row.ValueScale;
    choice.Values.DisplayHigh = ValueOf(row.DisplayHigh, record) / row.ValueScale;
    choice.Values.Limits.LimitLow = ValueOf(row.LimitLow, record);
    choice.Values.Limits.LimitHigh = ValueOf(row.LimitHigh, record);
    choice.Values.Limits.ValueScale = row.ValueScale;
    return choice;
  }
  choice.Message = "Unknown Test type " + std::string(testName);
  return choice;
}

}  // namespace vorna

#include "testfile/test_types.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

// A record in which every number field holds its own marker value, so that
// a row reading the wrong field shows up.
Settings MarkedRecord() {
  Settings record = DefaultSettings();
  float marker = 101;
  for (const SettingsField& field : SettingsFieldTable()) {
    if (field.kind == FieldKind::Float) record.*field.number = marker++;
  }
  return record;
}

struct AnalysedCase {
  const char* name;
  const char* unit;
  float Settings::*displayLow;
  float Settings::*displayHigh;
  float Settings::*limitLow;  // null: the fixed value below
  float fixedLow;
  float Settings::*limitHigh;
  float fixedHigh;
};

TEST(TestTypeTable, AnalysedTypesTakeTheirUnitRangeAndLimits) {
  using S = Settings;
  const AnalysedCase cases[] = {
      {"System noise", "uV", &S::SysNoiseDisplayLow, &S::SysNoiseDisplayHigh, nullptr, -1, &S::SysNoiseLimitHigh, 0},
      {"Pulse response", "", &S::SysPulseDisplayLow, &S::SysPulseDisplayHigh, &S::SysPulseLimitLow, 0, &S::SysPulseLimitHigh, 0},
      {"Geophone resistance", "Ohm", &S::GeoResDisplayLow, &S::GeoResDisplayHigh, &S::GeoResLimitLow, 0, &S::GeoResLimitHigh, 0},
      {"Geophone leakage", "MOhm", &S::GeoLkgDisplayLow, &S::GeoLkgDisplayHigh, nullptr, -1, &S::GeoLkgLimit, 0},
      {"Geophone pulse", "", &S::GeoPulseDisplayLow, &S::GeoPulseDisplayHigh, &S::GeoPulseLimitLow, 0, &S::GeoPulseLimitHigh, 0},
      {"Crossfeed isolation", "dB", &S::CrossfeedDisplayLow, &S::CrossfeedDisplayHigh, nullptr, -2000, &S::CrossfeedLimit, 0},
      {"Channel gain matching", "%", &S::GainMatchDisplayLow, &S::GainMatchDisplayHigh, &S::GainMatchLimitLow, 0, &S::GainMatchLimitHigh, 0},
      {"Common mode rejection", "dB", &S::CmrrDisplayLow, &S::CmrrDisplayHigh, nullptr, -2000, &S::CmrrLimit, 0},
      {"DC offset", "uV", &S::DcOffsetDisplayLow, &S::DcOffsetDisplayHigh, &S::DcOffsetLimitLow, 0, &S::DcOffsetLimitHigh, 0},
      {"Dynamic range", "dB", &S::DynRangeDisplayLow, &S::DynRangeDisplayHigh, &S::DynRangeLimitLow, 0, nullptr, 2000},
      {"Distortion", "%", &S::DistortionDisplayLow, &S::DistortionDisplayHigh, nullptr, 0, &S::DistortionLimitHigh, 0},
  };
  const Settings record = MarkedRecord();
  for (const AnalysedCase& c : cases) {
    const TestTypeChoice choice = LookUpTestType(c.name, record);
    ASSERT_TRUE(choice.Analysed) << c.name;
    EXPECT_EQ(choice.Values.UnitText, c.unit) << c.name;
    EXPECT_EQ(choice.Values.DisplayLow, record.*c.displayLow) << c.name;
    EXPECT_EQ(choice.Values.DisplayHigh, record.*c.displayHigh) << c.name;
    EXPECT_EQ(choice.Values.Limits.LimitLow, c.limitLow ? record.*c.limitLow : c.fixedLow) << c.name;
    EXPECT_EQ(choice.Values.Limits.LimitHigh, c.limitHigh ? record.*c.limitHigh : c.fixedHigh) << c.name;
    EXPECT_EQ(choice.Values.Limits.ValueScale, 1.0f) << c.name;
  }
}

TEST(TestTypeTable, GroundNoiseDividesItsDisplayRangeAndScalesValuesBy1000) {
  Settings record = DefaultSettings();
  record.GndNoiseDisplayLow = 10;
  record.GndNoiseDisplayHigh = 100;
  record.GndNoiseLimitHigh = 25;
  const TestTypeChoice choice = LookUpTestType("Ground noise", record);
  ASSERT_TRUE(choice.Analysed);
  EXPECT_EQ(choice.Values.UnitText, "uV");
  EXPECT_EQ(choice.Values.DisplayLow, 0.01f);
  EXPECT_EQ(choice.Values.DisplayHigh, 0.1f);
  EXPECT_EQ(choice.Values.Limits.LimitLow, -1.0f);
  EXPECT_EQ(choice.Values.Limits.LimitHigh, 25.0f);
  EXPECT_EQ(choice.Values.Limits.ValueScale, 1000.0f);
}

TEST(TestTypeTable, OtherNamesAreRefusedWithTheirMessage) {
  const std::pair<std::string, std::string> cases[] = {
      {"Correlator test", "Cannot analyse the Correlator Test"},
      {"Stacker test", "Cannot analyse the Stacker Test"},
      {"Self diagnosis", "Cannot analyse the Self Diagnosis Test"},
      {"Preamp gain step accuracy", "Cannot analyse the Preamp Gain Step Accuracy Test"},
      {"System Noise", "Unknown Test type System Noise"},  // names match case-sensitively
      {"DC offset ", "Unknown Test type DC offset "},
      {"", "Unknown Test type "},
  };
  for (const auto& [name, message] : cases) {
    const TestTypeChoice choice = LookUpTestType(name, DefaultSettings());
    EXPECT_FALSE(choice.Analysed) << name;
    EXPECT_EQ(choice.Message, message) << name;
  }
}

}  // namespace
}  // namespace vorna

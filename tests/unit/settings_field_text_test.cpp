#include "settings/settings_field_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorna {
namespace {

TEST(FindSettingsField, FindsEveryTableFieldByItsExactName) {
  for (const SettingsField& field : SettingsFieldTable()) {
    EXPECT_EQ(FindSettingsField(field.name), &field) << field.name;
  }
  EXPECT_EQ(FindSettingsField("georeslimitlow"), nullptr);
  EXPECT_EQ(FindSettingsField("GeoResLimitLow "), nullptr);
  EXPECT_EQ(FindSettingsField(""), nullptr);
}

TEST(SetFieldFromText, ReadsTheTextAsTheWindowsBoxesDo) {
  Settings record = DefaultSettings();
  SetFieldFromText(record, *FindSettingsField("GeoResLimitLow"), "  905.2xyz");
  EXPECT_EQ(record.GeoResLimitLow, 905.2f);
  SetFieldFromText(record, *FindSettingsField("GndNoiseLimitHigh"), "&H10");
  EXPECT_EQ(record.GndNoiseLimitHigh, 16.0f);
  SetFieldFromText(record, *FindSettingsField("GeoLkgLimit"), "no number");
  EXPECT_EQ(record.GeoLkgLimit, 0.0f);
  SetFieldFromText(record, *FindSettingsField("GeoResDisplayHigh"), "1e999");
  EXPECT_TRUE(std::isinf(record.GeoResDisplayHigh));

  // The bar count: nearest integer, halves to even, never wrapped.
  SetFieldFromText(record, *FindSettingsField("HistogramBars"), "12.5");
  EXPECT_EQ(record.HistogramBars, 12);
  SetFieldFromText(record, *FindSettingsField("HistogramBars"), "1e20");
  EXPECT_EQ(record.HistogramBars, 2147483647);

  SetFieldFromText(record, *FindSettingsField("TestFileFolderField"), "C:\\tests");
  EXPECT_EQ(FolderOfField(record.TestFileFolderField), "C:\\tests");
}

}  // namespace
}  // namespace vorna

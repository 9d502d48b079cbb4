#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace vorna {
namespace {

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// The numbers of the default image from offset 768 on, written out by hand
// from the field table of the file format.
const char* const kDefaultNumbersHex =
    "00004D44000075440000803F000000000000803F0000C841000090409A594B43"
    "66A65343000048C30000C8C2CDCCCCBCCDCCCC3C000048C30000C8C20000C0BF"
    "0000C03F000080BF0000E842000080BF5839B43B0000484400007A4400000000"
    "000000416666263FCDCC4C3F000000000000C842000000000000204100001643"
    "00004843000002C30000B4C28FC2F5BC8FC2F53C000002C30000B4C2000040C0"
    "000040400000C84200000243000000009A99193F14000000";

TEST(SettingsImage, DefaultImageIsPinnedByteForByte) {
  std::string image = SettingsImage(DefaultSettings());
  ASSERT_EQ(image.size(), 952u);
  EXPECT_EQ(image.substr(0, 768), std::string(768, '\0'));
  EXPECT_EQ(image.substr(768), FromHex(kDefaultNumbersHex));
  EXPECT_EQ(image.substr(796, 4), "\x9A\x59\x4B\x43");
  EXPECT_EQ(image.substr(848, 4), "\x58\x39\xB4\x3B");
  EXPECT_EQ(image.substr(948, 4), std::string("\x14\0\0\0", 4));
}

TEST(SettingsImage, ShortAndEmptyFilesFillFromTheStartAndLeaveZeros) {
  Settings empty = SettingsFromImage("");
  EXPECT_EQ(SettingsImage(empty), std::string(952, '\0'));
  EXPECT_EQ(empty.HistogramBars, 0);

  std::string defaults = SettingsImage(DefaultSettings());
  Settings shortened = SettingsFromImage(defaults.substr(0, 800));
  EXPECT_EQ(shortened.SysPulseLimitLow, 203.35f);  // offset 796, complete
  EXPECT_EQ(shortened.SysPulseLimitHigh, 0.0f);    // offset 800, missing
  EXPECT_EQ(shortened.HistogramBars, 0);
}

TEST(SettingsImage, AnyBytesSurviveALoadAndSave) {
  std::string image(952, '\0');
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 37 + 11);
  // A signalling NaN, infinities and a negative bar count among them.
  const char* signallingNan = "\x01\x00\x80\x7F";
  std::memcpy(&image[768], signallingNan, 4);
  std::memcpy(&image[772], "\x00\x00\x80\xFF", 4);
  std::memcpy(&image[948], "\xF6\xFF\xFF\xFF", 4);
  Settings settings = SettingsFromImage(image + "tail");
  EXPECT_TRUE(std::isnan(settings.GeoResLimitLow));
  EXPECT_EQ(settings.HistogramBars, -10);
  EXPECT_EQ(SettingsImage(settings), image);
}

TEST(SettingsFieldTable, OffsetsFollowEachOtherWithoutGaps) {
  std::size_t expected = 0;
  for (const SettingsField& field : SettingsFieldTable()) {
    EXPECT_EQ(field.offset, expected) << field.name;
    expected += field.kind == FieldKind::Folder ? 256 : 4;
  }
  EXPECT_EQ(expected, 952u);
}

TEST(SettingsFieldTable, MainWindowBoxesInBindingOrder) {
  std::vector<int> boxes;
  for (const SettingsField* field : FieldsEditedIn(EditedIn::MainWindow)) {
    boxes.push_back(field->boxId);
  }
  EXPECT_EQ(boxes, (std::vector<int>{1007, 1008, 1010, 1013, 1014, 1017, 1029, 1030, 1032, 1045,
                                     1027, 1034, 1046, 1036}));
}

TEST(SettingsFieldTable, DialogBoxesInIdentifierOrderWithTheBarCountLast) {
  std::vector<int> boxes;
  for (const SettingsField* field : FieldsEditedIn(EditedIn::SettingsDialog)) {
    boxes.push_back(field->boxId);
  }
  ASSERT_EQ(boxes.size(), 28u);
  for (std::size_t i = 0; i + 1 < boxes.size(); ++i) EXPECT_EQ(boxes[i], 1068 + int(i));
  EXPECT_EQ(boxes.back(), 1099);
}

TEST(FolderField, StoredBlankPaddedAndReadBackTrimmed) {
  FolderField field = FolderFieldOf("D:\\Tests\\");
  std::string bytes(field.data(), field.size());
  EXPECT_EQ(bytes.substr(0, 9), "D:\\Tests\\");
  EXPECT_EQ(bytes.substr(9), std::string(247, ' '));
  EXPECT_EQ(FolderOfField(field), "D:\\Tests\\");

  EXPECT_EQ(FolderOfField(FolderField{}), "");
  EXPECT_EQ(FolderOfField(FolderFieldOf(std::string(300, 'a'))), std::string(256, 'a'));
  FolderField tabbed = FolderFieldOf("  \tC:\\x\\\t  ");
  EXPECT_EQ(FolderOfField(tabbed), "\tC:\\x\\\t");
}

}  // namespace
}  // namespace vorna

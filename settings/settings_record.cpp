#include "settings/settings_record.h"

#include "settings/window_controls.h"
#include "util/text_helpers.h"

#include <algorithm>
#include <cstring>

namespace vorna {
namespace {

using R = Settings;

SettingsField Folder(const char* name, std::size_t offset, FolderField R::*member) {
  return {name, offset, FieldKind::Folder, 0, EditedIn::Nowhere, 0, member, nullptr, nullptr};
}

SettingsField Number(const char* name, std::size_t offset, float R::*member, float defaultValue,
                     EditedIn editedIn, int boxId) {
  return {name, offset, FieldKind::Float, defaultValue, editedIn, boxId, nullptr, member, nullptr};
}

constexpr EditedIn kMain = EditedIn::MainWindow;
constexpr EditedIn kDialog = EditedIn::SettingsDialog;
constexpr EditedIn kNowhere = EditedIn::Nowhere;

std::vector<SettingsField> BuildTable() {
  return {
      Folder("ReservedPath", 0, &R::ReservedPath),
      Folder("TestFileFolderField", 256, &R::TestFileFolderField),
      Folder("BmpFolderField", 512, &R::BmpFolderField),
      Number("GeoResLimitLow", 768, &R::GeoResLimitLow, 820.0f, kMain, kGeoResLimitLowBox),
      Number("GeoResLimitHigh", 772, &R::GeoResLimitHigh, 980.0f, kMain, kGeoResLimitHighBox),
      Number("GeoLkgLimit", 776, &R::GeoLkgLimit, 1.0f, kMain, kGeoLkgLimitBox),
      Number("GeoPulseLimitLow", 780, &R::GeoPulseLimitLow, 0.0f, kMain, kGeoPulseLimitLowBox),
      Number("GeoPulseLimitHigh", 784, &R::GeoPulseLimitHigh, 1.0f, kMain, kGeoPulseLimitHighBox),
      Number("GndNoiseLimitHigh", 788, &R::GndNoiseLimitHigh, 25.0f, kMain, kGndNoiseLimitHighBox),
      Number("SysNoiseLimitHigh", 792, &R::SysNoiseLimitHigh, 4.5f, kDialog, kSysNoiseLimitHighBox),
      Number("SysPulseLimitLow", 796, &R::SysPulseLimitLow, 203.35f, kDialog, kSysPulseLimitLowBox),
      Number("SysPulseLimitHigh", 800, &R::SysPulseLimitHigh, 211.65f, kDialog, kSysPulseLimitHighBox),
      Number("CrossfeedLimit", 804, &R::CrossfeedLimit, -200.0f, kDialog, kCrossfeedLimitBox),
      Number("CrossfeedSpare", 808, &R::CrossfeedSpare, -100.0f, kNowhere, 0),
      Number("GainMatchLimitLow", 812, &R::GainMatchLimitLow, -0.025f, kDialog, kGainMatchLimitLowBox),
      Number("GainMatchLimitHigh", 816, &R::GainMatchLimitHigh, 0.025f, kDialog, kGainMatchLimitHighBox),
      Number("CmrrLimit", 820, &R::CmrrLimit, -200.0f, kDialog, kCmrrLimitBox),
      Number("CmrrSpare", 824, &R::CmrrSpare, -100.0f, kNowhere, 0),
      Number("DcOffsetLimitLow", 828, &R::DcOffsetLimitLow, -1.5f, kDialog, kDcOffsetLimitLowBox),
      Number("DcOffsetLimitHigh", 832, &R::DcOffsetLimitHigh, 1.5f, kDialog, kDcOffsetLimitHighBox),
      Number("DynRangeLimitLow", 836, &R::DynRangeLimitLow, -1.0f, kDialog, kDynRangeLimitLowBox),
      Number("DynRangeSpare", 840, &R::DynRangeSpare, 116.0f, kNowhere, 0),
      Number("DistortionSpare", 844, &R::DistortionSpare, -1.0f, kNowhere, 0),
      Number("DistortionLimitHigh", 848, &R::DistortionLimitHigh, 0.0055f, kDialog, kDistortionLimitHighBox),
      Number("GeoResDisplayLow", 852, &R::GeoResDisplayLow, 800.0f, kMain, kGeoResDisplayLowBox),
      Number("GeoResDisplayHigh", 856, &R::GeoResDisplayHigh, 1000.0f, kMain, kGeoResDisplayHighBox),
      Number("GeoLkgDisplayLow", 860, &R::GeoLkgDisplayLow, 0.0f, kMain, kGeoLkgDisplayLowBox),
      Number("GeoLkgDisplayHigh", 864, &R::GeoLkgDisplayHigh, 8.0f, kMain, kGeoLkgDisplayHighBox),
      Number("GeoPulseDisplayLow", 868, &R::GeoPulseDisplayLow, 0.65f, kMain, kGeoPulseDisplayLowBox),
      Number("GeoPulseDisplayHigh", 872, &R::GeoPulseDisplayHigh, 0.8f, kMain, kGeoPulseDisplayHighBox),
      Number("GndNoiseDisplayLow", 876, &R::GndNoiseDisplayLow, 0.0f, kMain, kGndNoiseDisplayLowBox),
      Number("GndNoiseDisplayHigh", 880, &R::GndNoiseDisplayHigh, 100.0f, kMain, kGndNoiseDisplayHighBox),
      Number("SysNoiseDisplayLow", 884, &R::SysNoiseDisplayLow, 0.0f, kDialog, kSysNoiseDisplayLowBox),
      Number("SysNoiseDisplayHigh", 888, &R::SysNoiseDisplayHigh, 10.0f, kDialog, kSysNoiseDisplayHighBox),
      Number("SysPulseDisplayLow", 892, &R::SysPulseDisplayLow, 150.0f, kDialog, kSysPulseDisplayLowBox),
      Number("SysPulseDisplayHigh", 896, &R::SysPulseDisplayHigh, 200.0f, kDialog, kSysPulseDisplayHighBox),
      Number("CrossfeedDisplayLow", 900, &R::CrossfeedDisplayLow, -130.0f, kDialog, kCrossfeedDisplayLowBox),
      Number("CrossfeedDisplayHigh", 904, &R::CrossfeedDisplayHigh, -90.0f, kDialog, kCrossfeedDisplayHighBox),
      Number("GainMatchDisplayLow", 908, &R::GainMatchDisplayLow, -0.03f, kDialog, kGainMatchDisplayLowBox),
      Number("GainMatchDisplayHigh", 912, &R::GainMatchDisplayHigh, 0.03f, kDialog, kGainMatchDisplayHighBox),
      Number("CmrrDisplayLow", 916, &R::CmrrDisplayLow, -130.0f, kDialog, kCmrrDisplayLowBox),
      Number("CmrrDisplayHigh", 920, &R::CmrrDisplayHigh, -90.0f, kDialog, kCmrrDisplayHighBox),
      Number("DcOffsetDisplayLow", 924, &R::DcOffsetDisplayLow, -3.0f, kDialog, kDcOffsetDisplayLowBox),
      Number("DcOffsetDisplayHigh", 928, &R::DcOffsetDisplayHigh, 3.0f, kDialog, kDcOffsetDisplayHighBox),
      Number("DynRangeDisplayLow", 932, &R::DynRangeDisplayLow, 100.0f, kDialog, kDynRangeDisplayLowBox),
      Number("DynRangeDisplayHigh", 936, &R::DynRangeDisplayHigh, 130.0f, kDialog, kDynRangeDisplayHighBox),
      Number("DistortionDisplayLow", 940, &R::DistortionDisplayLow, 0.0f, kDialog, kDistortionDisplayLowBox),
      Number("DistortionDisplayHigh", 944, &R::DistortionDisplayHigh, 0.6f, kDialog, kDistortionDisplayHighBox),
      {"HistogramBars", 948, FieldKind::Integer, 20.0f, kDialog, kHistogramBarsBox, nullptr, nullptr,
       &R::HistogramBars},
  };
}

std::uint32_t ReadLittleEndian32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void WriteLittleEndian32(std::uint32_t value, unsigned char* bytes) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

const std::vector<SettingsField>& SettingsFieldTable() {
  static const std::vector<SettingsField> table = BuildTable();
  return table;
}

std::vector<const SettingsField*> FieldsEditedIn(EditedIn window) {
  std::vector<const SettingsField*> fields;
  for (const SettingsField& field : SettingsFieldTable()) {
    if (field.editedIn == window) fields.push_back(&field);
  }
  return fields;
}

Settings DefaultSettings() {
  Settings record;
  for (const SettingsField& field : SettingsFieldTable()) {
    if (field.kind == FieldKind::Float) record.*field.number = field.defaultValue;
    if (field.kind == FieldKind::Integer) {
      record.*field.integer = static_cast<std::int32_t>(field.defaultValue);
    }
  }
  return record;
}

std::string SettingsImage(const Settings& record) {
  std::string image(kSettingsImageSize, '\0');
  auto* bytes = reinterpret_cast<unsigned char*>(image.data());
  for (const SettingsField& field : SettingsFieldTable()) {
    unsigned char* at = bytes + field.offset;
    switch (field.kind) {
      case FieldKind::Folder:
        std::memcpy(at, (record.*field.folder).data(), kFolderFieldSize);
        break;
      case FieldKind::Float: {
        std::uint32_t bits;
        std::memcpy(&bits, &(record.*field.number), 4);
        WriteLittleEndian32(bits, at);
        break;
      }
      case FieldKind::Integer:
        WriteLittleEndian32(static_cast<std::uint32_t>(record.*field.integer), at);
        break;
    }
  }
  return image;
}

Settings SettingsFromImage(const std::string& bytes) {
  std::string image = bytes.substr(0, kSettingsImageSize);
  image.resize(kSettingsImageSize, '\0');
  const auto* data = reinterpret_cast<const unsigned char*>(image.data());
  Settings record;
  for (const SettingsField& field : SettingsFieldTable()) {
    const unsigned char* at = data + field.offset;
    switch (field.kind) {
      case FieldKind::Folder:
        std::memcpy((record.*field.folder).data(), at, kFolderFieldSize);
        break;
      case FieldKind::Float: {
        std::uint32_t bits = ReadLittleEndian32(at);
        std::memcpy(&(record.*field.number), &bits, 4);
        break;
      }
      case FieldKind::Integer:
        record.*field.integer = static_cast<std::int32_t>(ReadLittleEndian32(at));
        break;
    }
  }
  return record;
}

FolderField FolderFieldOf(const std::string& folder) {
  FolderField field;
  field.fill(' ');
  std::memcpy(field.data(), folder.data(), std::min(folder.size(), kFolderFieldSize));
  return field;
}

std::string FolderOfField(const FolderField& field) {
  if (field[0] == '\0') return {};
  return TrimBlanks(std::string_view(field.data(), field.size()));
}

}  // namespace vorna

#pragma once
// The settings record: every test limit, display range, the bar count and
// the three folder fields, one byte-for-byte image of "VORNAanalyser.def".
// One table (SettingsFieldTable) describes each field once; the defaults,
// the file image and the box bindings of both windows all read it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorna {

constexpr std::size_t kSettingsImageSize = 952;
constexpr std::size_t kFolderFieldSize = 256;

using FolderField = std::array<char, kFolderFieldSize>;

struct Settings {
  FolderField ReservedPath{};
  FolderField TestFileFolderField{};
  FolderField BmpFolderField{};
  float GeoResLimitLow = 0;
  float GeoResLimitHigh = 0;
  float GeoLkgLimit = 0;
  float GeoPulseLimitLow = 0;
  float GeoPulseLimitHigh = 0;
  float GndNoiseLimitHigh = 0;
  float SysNoiseLimitHigh = 0;
  float SysPulseLimitLow = 0;
  float SysPulseLimitHigh = 0;
  float CrossfeedLimit = 0;
  float CrossfeedSpare = 0;
  float GainMatchLimitLow = 0;
  float GainMatchLimitHigh = 0;
  float CmrrLimit = 0;
  float CmrrSpare = 0;
  float DcOffsetLimitLow = 0;
  float DcOffsetLimitHigh = 0;
  float DynRangeLimitLow = 0;
  float DynRangeSpare = 0;
  float DistortionSpare = 0;
  float DistortionLimitHigh = 0;
  float GeoResDisplayLow = 0;
  float GeoResDisplayHigh = 0;
  float GeoLkgDisplayLow = 0;
  float GeoLkgDisplayHigh = 0;
  float GeoPulseDisplayLow = 0;
  float GeoPulseDisplayHigh = 0;
  float GndNoiseDisplayLow = 0;
  float GndNoiseDisplayHigh = 0;
  float SysNoiseDisplayLow = 0;
  float SysNoiseDisplayHigh = 0;
  float SysPulseDisplayLow = 0;
  float SysPulseDisplayHigh = 0;
  float CrossfeedDisplayLow = 0;
  float CrossfeedDisplayHigh = 0;
  float GainMatchDisplayLow = 0;
  float GainMatchDisplayHigh = 0;
  float CmrrDisplayLow = 0;
  float CmrrDisplayHigh = 0;
  float DcOffsetDisplayLow = 0;
  float DcOffsetDisplayHigh = 0;
  float DynRangeDisplayLow = 0;
  float DynRangeDisplayHigh = 0;
  float DistortionDisplayLow = 0;
  float DistortionDisplayHigh = 0;
  std::int32_t HistogramBars = 0;
};

enum class FieldKind { Folder, Float, Integer };

// The window whose box edits a field.
enum class EditedIn { Nowhere, MainWindow, SettingsDialog };

struct SettingsField {
  const char* name;
  std::size_t offset;
  FieldKind kind;
  float defaultValue;  // numeric fields only; folders default to zero bytes
  EditedIn editedIn;
  int boxId;  // control identifier of the editing box, 0 when none
  FolderField Settings::*folder;
  float Settings::*number;
  std::int32_t Settings::*integer;
};

// Every field in file order.
const std::vector<SettingsField>& SettingsFieldTable();

// The fields edited in one window, in file order. For the main window this
// is the order in which its boxes are filled and read back; for the
// settings dialog it is identifier order, the bar count last.
std::vector<const SettingsField*> FieldsEditedIn(EditedIn window);

// Every numeric field at its default, the folder fields all zero.
Settings DefaultSettings();

// The record as the 952 bytes of the settings file (little-endian).
std::string SettingsImage(const Settings& record);

// A record from the bytes of a settings file: the first 952 bytes fill the
// record from its start, missing ones are zero, later ones are ignored.
// No value is checked or replaced.
Settings SettingsFromImage(const std::string& bytes);

// A folder text as stored: left-aligned, blank-padded, cut after 256 bytes.
FolderField FolderFieldOf(const std::string& folder);

// A folder as read back: empty when the first byte is zero, else the field
// with leading and trailing blanks removed.
std::string FolderOfField(const FolderField& field);

}  // namespace vorna

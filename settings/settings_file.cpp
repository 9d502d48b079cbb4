#include "settings/settings_file.h"

#include "util/file_access.h"
#include "util/text_helpers.h"

namespace vorna {

Settings SettingsRecord;
std::string StartFolder;
std::string LastTestFolder;
std::string LastBmpFolder;

std::string StartFolderOf(const std::string& workingDirectory) {
  return ReplaceAll(workingDirectory + "\\", "\\\\", "\\");
}

Settings ReadSettingsFile(const std::string& path) {
  if (!IsOrdinaryFile(path)) return DefaultSettings();
  return SettingsFromImage(ReadFileStart(path, kSettingsImageSize));
}

void LoadSettings() {
  StartFolder = StartFolderOf(CurrentDirectory());
  SettingsRecord = ReadSettingsFile(StartFolder + kSettingsFileName);
  LastTestFolder = FolderOfField(SettingsRecord.TestFileFolderField);
  LastBmpFolder = FolderOfField(SettingsRecord.BmpFolderField);
}

void SaveSettings() {
  // A field that already reads back as LastTestFolder keeps its exact bytes,
  // so a file the program did not write survives a save unchanged.
  if (FolderOfField(SettingsRecord.TestFileFolderField) != LastTestFolder) {
    SettingsRecord.TestFileFolderField = FolderFieldOf(LastTestFolder);
  }
  if (IsReadOnly(StartFolder).value_or(false)) return;
  WriteAtOffset(StartFolder + kSettingsFileName, 0, SettingsImage(SettingsRecord));
}

}  // namespace vorna

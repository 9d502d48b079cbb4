#pragma once
// The process-wide settings and the settings file "VORNAanalyser.def" in
// the folder that was current at start-up.

#include <string>

#include "settings/settings_record.h"

namespace vorna {

extern Settings SettingsRecord;
// The working directory at start-up with one trailing backslash.
extern std::string StartFolder;
// Folders of the last test file opened and the last bitmap saved.
extern std::string LastTestFolder;
extern std::string LastBmpFolder;

inline constexpr const char* kSettingsFileName = "VORNAanalyser.def";

// The start folder for a working directory: one backslash appended, then
// every doubled backslash replaced by a single one.
std::string StartFolderOf(const std::string& workingDirectory);

// Fixes StartFolder and fills SettingsRecord from the settings file, or
// from the defaults when no ordinary file of that name exists (hidden and
// system files count as absent). A present file is taken as it is: short
// files are filled with zero bytes and no default replaces any value.
// Never reports anything.
void LoadSettings();

// Copies LastTestFolder into its field and writes the 952 bytes at the
// start of the settings file, creating it when absent and never truncating
// it. Skips the write when the start folder is read-only. Never reports.
void SaveSettings();

}  // namespace vorna

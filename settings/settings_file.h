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

// The settings in the file at `path`: the defaults when no ordinary file of
// that name exists (hidden and system files count as absent), else its
// first 952 bytes as they are (a short file filled with zero bytes, no
// default replacing any value; a file that cannot be read gives all zeros).
// Reads no more than 952 bytes, whatever the file's size.
Settings ReadSettingsFile(const std::string& path);

// Fixes StartFolder and fills SettingsRecord from the settings file, or
// from the defaults when there is none (see ReadSettingsFile). Never
// reports anything.
void LoadSettings();

// Copies LastTestFolder into its field and writes the 952 bytes at the
// start of the settings file, creating it when absent and never truncating
// it. Skips the write when the start folder is read-only. Never reports.
void SaveSettings();

}  // namespace vorna

#pragma once
// One settings field set from a text, as a box of either window is read
// back: the text-number rule, rounded to float, or to the nearest integer
// (halves to even) for the bar count. Also used by the command line's
// "--set NAME=VALUE".

#include <string_view>

#include "settings/settings_record.h"

namespace vorna {

// The field of the table with exactly this name (case-sensitive); null
// when there is none.
const SettingsField* FindSettingsField(std::string_view name);

// Sets `field` of `record` from `text` without any check: a number field
// takes TextNumber(text) (0 when the text holds no number), a folder field
// the text as it would be stored (FolderFieldOf).
void SetFieldFromText(Settings& record, const SettingsField& field, std::string_view text);

}  // namespace vorna

#include "settings/settings_field_text.h"

#include <string>

#include "numbers/number_text.h"
#include "numbers/rounding.h"

namespace vorna {

const SettingsField* FindSettingsField(std::string_view name) {
  for (const SettingsField& field : SettingsFieldTable()) {
    if (name == field.name) return &field;
  }
  return nullptr;
}

void SetFieldFromText(Settings& record, const SettingsField& field, std::string_view text) {
  switch (field.kind) {
    case FieldKind::Folder:
      record.*field.folder = FolderFieldOf(std::string(text));
      break;
    case FieldKind::Float:
      record.*field.number = static_cast<float>(TextNumber(text));
      break;
    case FieldKind::Integer:
      record.*field.integer = NearestInt32(TextNumber(text));
      break;
  }
}

}  // namespace vorna

#include "settings/settings_boxes_win.h"

#include "settings/settings_field_text.h"
#include "settings/settings_file.h"
#include "numbers/number_text.h"
#include "win/window_text_win.h"

namespace vorna {

void FillSettingsBoxes(HWND window, EditedIn which) {
  for (const SettingsField* field : FieldsEditedIn(which)) {
    std::string text = field->kind == FieldKind::Integer
                           ? NumberText(static_cast<double>(SettingsRecord.*field->integer))
                           : NumberText(SettingsRecord.*field->number);
    SetDlgItemTextA(window, field->boxId, text.c_str());
  }
}

void ReadSettingsBoxes(HWND window, EditedIn which) {
  for (const SettingsField* field : FieldsEditedIn(which)) {
    SetFieldFromText(SettingsRecord, *field, WindowText(GetDlgItem(window, field->boxId)));
  }
}

}  // namespace vorna

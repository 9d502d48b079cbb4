// The settings field table and the two windows' control tables agree: every
// box a field is bound to is a text box of the window that edits the field.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/main_window_layout_win.h"
#include "settings/settings_dialog_win.h"
#include "settings/settings_record.h"

namespace vorna {
namespace {

const std::vector<ControlSpec>& ControlsOf(EditedIn window) {
  return window == EditedIn::MainWindow ? MainWindowControls() : SettingsDialogControls();
}

TEST(WindowControls, EveryBoundBoxIsATextBoxOfItsWindow) {
  for (const SettingsField& field : SettingsFieldTable()) {
    if (field.editedIn == EditedIn::Nowhere) {
      EXPECT_EQ(field.boxId, 0) << field.name;
      continue;
    }
    const std::vector<ControlSpec>& controls = ControlsOf(field.editedIn);
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const ControlSpec& control) { return control.id == field.boxId; });
    ASSERT_NE(found, controls.end()) << field.name << " box " << field.boxId;
    EXPECT_EQ(found->windowClass, ControlClass::Edit) << field.name;
  }
}

TEST(WindowControls, EveryTextBoxOfTheWindowsEditsExactlyOneField) {
  for (EditedIn window : {EditedIn::MainWindow, EditedIn::SettingsDialog}) {
    std::multiset<int> bound;
    for (const SettingsField* field : FieldsEditedIn(window)) bound.insert(field->boxId);
    for (const ControlSpec& control : ControlsOf(window)) {
      if (control.windowClass == ControlClass::Edit) {
        EXPECT_EQ(bound.count(control.id), 1u) << control.id;
      }
    }
  }
}

}  // namespace
}  // namespace vorna

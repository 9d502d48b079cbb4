#include "util/platform_wrappers_win.h"

#include <gtest/gtest.h>

#include <string>

namespace vorna {
namespace {

// A hidden control of `className`, destroyed at the end of the test.
class HiddenControl {
 public:
  HiddenControl(const char* className, DWORD style)
      : window_(CreateWindowWithoutData(0, className, "", style, 0, 0, 200, 200, nullptr, nullptr,
                                        GetModuleHandleA(nullptr))) {}
  ~HiddenControl() { DestroyWindow(window_); }
  HiddenControl(const HiddenControl&) = delete;
  HiddenControl& operator=(const HiddenControl&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

const std::string kLongText(300, 'L');

TEST(ListBoxText, ReadsAnItemOrTheCurrentOneInFull) {
  HiddenControl list("LISTBOX", 0);
  ASSERT_NE(list.get(), nullptr);
  ListBoxAddString(list.get(), "first");
  ListBoxAddString(list.get(), kLongText);
  ListBoxInsertString(list.get(), 0, "inserted");
  EXPECT_EQ(ListBoxText(list.get(), 0), "inserted");
  EXPECT_EQ(ListBoxText(list.get(), 2), kLongText);  // longer than 256 bytes, read whole
  EXPECT_EQ(ListBoxText(list.get(), 3), "");
  EXPECT_EQ(ListBoxText(list.get(), -1), "");  // nothing selected yet
  EXPECT_EQ(ListBoxFindExactString(list.get(), -1, "first"), 1);
  EXPECT_EQ(ListBoxSelectString(list.get(), -1, "fir"), 1);
  EXPECT_EQ(ListBoxText(list.get(), -1), "first");

  HiddenControl multiple("LISTBOX", LBS_MULTIPLESEL);
  ListBoxAddString(multiple.get(), "a");
  ListBoxAddString(multiple.get(), "b");
  SendMessageA(multiple.get(), LB_SETCARETINDEX, 1, FALSE);
  EXPECT_EQ(ListBoxText(multiple.get(), -1), "b");  // the caret item, nothing selected
}

TEST(ComboBoxText, PadsTheItemWithNulsTo255Characters) {
  HiddenControl combo("COMBOBOX", CBS_DROPDOWNLIST);
  ASSERT_NE(combo.get(), nullptr);
  ComboBoxAddString(combo.get(), "second");
  ComboBoxInsertString(combo.get(), "first");  // at index 0
  ComboBoxAddString(combo.get(), kLongText);
  EXPECT_EQ(ComboBoxText(combo.get(), 0), "first" + std::string(250, '\0'));
  EXPECT_EQ(ComboBoxText(combo.get(), -1), std::string(255, '\0'));  // nothing selected
  EXPECT_EQ(ComboBoxSelectString(combo.get(), -1, "sec"), 1);
  EXPECT_EQ(ComboBoxText(combo.get(), -1), "second" + std::string(249, '\0'));
  EXPECT_EQ(ComboBoxText(combo.get(), ComboBoxFindExactString(combo.get(), -1, kLongText)),
            kLongText);
}

}  // namespace
}  // namespace vorna

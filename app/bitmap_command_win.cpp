// BMP: the chart area's picture saved as a bitmap file.
#include "app/main_window_commands_win.h"
#include "chart/chart_bitmap_win.h"
#include "settings/settings_file.h"
#include "app/loaded_test.h"
#include "chart/bitmap_file.h"
#include "util/file_access.h"
#include "util/file_dialogs_win.h"
#include "util/path_helpers.h"
#include "util/text_helpers.h"

namespace vorna {

bool ChartDrawn = false;

void SaveChartBitmap() {
  std::string filter = "BMP Files (*.BMP)|*.BMP";
  std::string fileName = TrimBlanks(TestName);  // a copy: TestName itself stays
  std::string chosen = SHOWSAVEA(nullptr, filter, fileName, "Save BMP File", LastBmpFolder);
  if (chosen.empty()) return;

  LastBmpFolder = FolderOfPath(chosen);
  SettingsRecord.BmpFolderField = FolderFieldOf(LastBmpFolder);
  if (UpperCase(chosen).find(".BMP") == std::string::npos) chosen += ".BMP";

  const ChartBitmap& chart = MainChartBitmap();
  if (!ChartDrawn || !chart.valid()) return;
  GdiFlush();
  WriteWholeFile(chosen, BitmapFileBytes(chart.width(), chart.height(), chart.bits()));
}

}  // namespace vorna

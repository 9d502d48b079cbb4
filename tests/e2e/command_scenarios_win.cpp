// BMP, Display Chan Out of Spec and End after an Open.
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "tests/e2e/scenario_library_win.h"
#include "util/file_access.h"

using namespace e2e;

namespace {

const char* const kOpenTitle = "Select File To Open";
const char* const kSaveTitle = "Save BMP File";

void Open(const Program& program, const std::string& path) {
  program.Click(kOpenButton);
  program.ChooseInFileDialog(kOpenTitle, path);
}

void SaveBitmapAs(const Program& program, const std::string& path) {
  program.Click(kBmpButton);
  program.ChooseInFileDialog(kSaveTitle, path);
}

std::uint32_t Read32(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

std::size_t GreenPixelsInBitmap(const std::string& file) {
  std::uint32_t width = Read32(file, 18), height = Read32(file, 22);
  std::uint32_t rowSize = (width * 3 + 3) / 4 * 4;
  std::size_t green = 0;
  for (std::uint32_t row = 0; row < height; ++row) {
    for (std::uint32_t column = 0; column < width; ++column) {
      std::size_t at = 54 + row * rowSize + column * 3;
      if (file.compare(at, 3, std::string("\x00\xFF\x00", 3)) == 0) ++green;
    }
  }
  return green;
}

HWND FindNotepad() { return FindWindowA("Notepad", nullptr); }

void CloseNotepad(HWND notepad) {
  DWORD processId = 0;
  GetWindowThreadProcessId(notepad, &processId);
  PostMessageA(notepad, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (!WaitFor([&] { return !IsWindow(notepad); }, 10000)) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    if (process != nullptr) {
      TerminateProcess(process, 0);
      CloseHandle(process);
    }
  }
}

}  // namespace

SCENARIO(bmp_saves_the_chart_as_a_24_bit_bitmap) {
  WorkFolder folder("bmp");
  Program program(folder.path());
  SaveBitmapAs(program, folder.File("early"));
  Check(!FileExists(folder.File("early.BMP")) && !FileExists(folder.File("early")),
        "nothing written before the first chart");

  Open(program, CopySample("geophone_resistance.txt", folder));
  SaveBitmapAs(program, folder.File("chart"));
  Check(FileExists(folder.File("chart.BMP")), "\"chart\" saved as chart.BMP");
  SaveBitmapAs(program, folder.File("Chart2.bmp"));
  Check(FileExists(folder.File("Chart2.bmp")) && !FileExists(folder.File("Chart2.bmp.BMP")),
        "\"Chart2.bmp\" saved as typed");

  std::string file = ReadFileBytes(folder.File("chart.BMP"));
  RECT client{};
  GetClientRect(program.Control(kChartArea), &client);
  Check(file.size() > 54 && file.compare(0, 2, "BM") == 0, "a bitmap file");
  Check(Read32(file, 18) == std::uint32_t(client.right) &&
            Read32(file, 22) == std::uint32_t(client.bottom),
        "of the chart area's size " + std::to_string(client.right) + " x " +
            std::to_string(client.bottom));
  Check((Read32(file, 26) >> 16) == 24, "24 bits per pixel");
  Check(Read32(file, 2) == file.size(), "file size field matches");
  Check(GreenPixelsInBitmap(file) > 500, "green bars in the bitmap");
  std::string checkFolder = CheckFolder();
  if (!checkFolder.empty()) {
    CopyFileA(folder.File("chart.BMP").c_str(), (checkFolder + "saved-chart.bmp").c_str(), FALSE);
  }

  program.Click(kEndButton);
  DWORD exitCode = 1;
  Check(program.WaitForExit(20000, &exitCode), "End ends the program");
  vorna::Settings saved =
      vorna::SettingsFromImage(ReadFileBytes(folder.File(vorna::kSettingsFileName)));
  CheckEqual(vorna::FolderOfField(saved.BmpFolderField), folder.path(), "bitmap folder saved");
}

SCENARIO(report_button_shows_the_out_of_spec_list_in_notepad) {
  WorkFolder folder("report");
  if (HWND stray = FindNotepad()) CloseNotepad(stray);
  std::string report = CopySample("geophone_resistance.txt", folder);
  Program program(folder.path());
  Open(program, report);
  program.Click(kReportButton);
  HWND notepad = nullptr;
  Check(WaitFor([&] { return (notepad = FindNotepad()) != nullptr; }, 30000), "Notepad opened");
  CloseNotepad(notepad);
  std::string list = ReadFileBytes(folder.File("tmp.txt"));
  std::string header = "Geophone resistance\r\nFile " + report + "\r\n\r\nBox ";
  Check(list.compare(0, header.size(), header) == 0, "tmp.txt starts with the test name and file");
  Check(list.size() >= 2 && list.compare(list.size() - 2, 2, "\r\n") == 0, "ends with CR LF");
  Check(list.find("Channel(s) \t") != std::string::npos, "box lines listed");
}

SCENARIO(end_after_an_open_saves_the_typed_limits_and_the_folder) {
  WorkFolder folder("end-after-open");
  std::string report = CopySample("geophone_resistance.txt", folder);
  Program program(folder.path());
  program.SetText(kGeoResLimitLowBox, "700");
  program.SetText(kGndNoiseDisplayHighBox, "abc");
  Open(program, report);
  program.Click(kEndButton);
  DWORD exitCode = 1;
  Check(program.WaitForExit(20000, &exitCode), "End ends the program");
  std::string image = ReadFileBytes(folder.File(vorna::kSettingsFileName));
  vorna::Settings saved = vorna::SettingsFromImage(image);
  Check(saved.GeoResLimitLow == 700.0f, "typed limit 700 saved");
  Check(saved.GndNoiseDisplayHigh == 0.0f, "\"abc\" saved as 0");
  CheckEqual(image.substr(256, folder.path().size()), folder.path(), "test folder saved");
  Check(image.substr(256 + folder.path().size(), 256 - folder.path().size()) ==
            std::string(256 - folder.path().size(), ' '),
        "test folder padded with blanks");
}

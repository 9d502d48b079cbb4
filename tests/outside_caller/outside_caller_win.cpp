// Loads VORNAanalyser.dll the way another program would (LoadLibraryA and
// GetProcAddress by the undecorated names), checks that every exported
// routine is there and calls the ones that need no user; GETMULTIPLEFILES
// is worked through its real dialog.
//
//   outside_caller                  every check
//   outside_caller exports          the exports and the calls without a user
//   outside_caller multiple_files   GETMULTIPLEFILES through its dialog
#include "outside_caller_win.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace outside {
namespace {
int failures = 0;
}  // namespace

void Check(bool condition, const std::string& what) {
  std::printf("  %s: %s\n", condition ? "ok" : "FAILED", what.c_str());
  std::fflush(stdout);
  if (!condition) ++failures;
}

int Failures() { return failures; }

BSTR ByteString(const std::string& text) {
  return SysAllocStringByteLen(text.data(), static_cast<UINT>(text.size()));
}

std::string Bytes(BSTR text) {
  return text == nullptr ? std::string()
                         : std::string(reinterpret_cast<const char*>(text), SysStringByteLen(text));
}

}  // namespace outside

namespace {

using namespace outside;

const char* const kExportedNames[] = {"SHOWOPEN",       "SHOWSAVE", "SHOWSAVEA", "SHOWSAVEB",
                                      "SHELLTONOTEPAD", "PADOUT",   "FILELEN",   "HLSTORGB",
                                      "CHOOSESTEP",     "GETMULTIPLEFILES"};

void CheckHlsToRgb(HMODULE library) {
  using HlsToRgb = std::int32_t(__stdcall*)(float, float, float);
  auto hlsToRgb = Routine<HlsToRgb>(library, "HLSTORGB");
  if (hlsToRgb == nullptr) return;
  const struct {
    float hue, lightness, saturation;
    std::int32_t colour;
  } cases[] = {{0, 240, 0, 0x00FFFFFF},
               {0, 120, 240, 0x000000FF},
               {80, 120, 240, 0x0000FF00},
               {160, 120, 240, 0x00FF0000},
               {0, 120, 0, 0x00808080}};
  for (const auto& c : cases) {
    std::int32_t colour = hlsToRgb(c.hue, c.lightness, c.saturation);
    char what[96];
    std::snprintf(what, sizeof(what), "HLSTORGB(%g, %g, %g) gives 0x%08X", c.hue, c.lightness,
                  c.saturation, static_cast<unsigned>(colour));
    Check(colour == c.colour, what);
  }
}

void CheckChooseStep(HMODULE library) {
  using ChooseStep = float(__stdcall*)(float*, float*);
  auto chooseStep = Routine<ChooseStep>(library, "CHOOSESTEP");
  if (chooseStep == nullptr) return;
  const struct {
    float low, high, step;
  } cases[] = {{0, 100, 10}, {0, 1, 0.1f}, {0, 0.5f, 0.05f}, {3, 3, 0.01f}, {0, 2e10f, 0}};
  for (const auto& c : cases) {
    float low = c.low, high = c.high;
    float step = chooseStep(&low, &high);
    char what[96];
    std::snprintf(what, sizeof(what), "CHOOSESTEP(%g, %g) gives %g, the ends unchanged", c.low,
                  c.high, step);
    Check(step == c.step && low == c.low && high == c.high, what);
  }
}

void CheckPadOut(HMODULE library) {
  using PadOut = BSTR(__stdcall*)(BSTR*, std::int32_t*);
  auto padOut = Routine<PadOut>(library, "PADOUT");
  if (padOut == nullptr) return;
  const struct {
    const char* text;
    std::int32_t width;
    const char* expected;
  } cases[] = {{"  12  ", 5, "12   "}, {"123456", 4, "1234"}, {"abcd", 4, "abcd"}};
  for (const auto& c : cases) {
    BSTR text = ByteString(c.text);
    std::int32_t width = c.width;
    BSTR result = padOut(&text, &width);
    Check(Bytes(result) == c.expected && Bytes(text) == c.expected && width == c.width,
          std::string("PADOUT \"") + c.text + "\" to " + std::to_string(c.width) + " gives \"" +
              Bytes(result) + "\" and writes it back");
    SysFreeString(result);
    SysFreeString(text);
  }
}

void CheckFileLength(HMODULE library, const std::string& folder) {
  using FileLength = std::int32_t(__stdcall*)(const char*);
  auto fileLength = Routine<FileLength>(library, "FILELEN");
  if (fileLength == nullptr) return;
  std::string file = folder + "VORNAanalyser.dll";
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
  DWORD size = GetFileSize(handle, nullptr);
  CloseHandle(handle);
  Check(fileLength(file.c_str()) == static_cast<std::int32_t>(size),
        "FILELEN of the library gives its size " + std::to_string(size));
  Check(fileLength((folder + "no such file.xyz").c_str()) == -1, "FILELEN of nothing gives -1");
  Check(fileLength(nullptr) == -1, "FILELEN of a null address gives -1");
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder = folder.substr(0, folder.find_last_of('\\') + 1);

  HMODULE library = LoadLibraryA((folder + "VORNAanalyser.dll").c_str());
  Check(library != nullptr, "VORNAanalyser.dll loads");
  if (library == nullptr) return 1;
  if (mode.empty() || mode == "exports") {
    for (const char* name : kExportedNames) {
      Check(GetProcAddress(library, name) != nullptr, std::string(name) + " is exported by name");
    }
    CheckHlsToRgb(library);
    CheckChooseStep(library);
    CheckPadOut(library);
    CheckFileLength(library, folder);
  }
  if (mode.empty() || mode == "multiple_files") CheckMultipleFiles(library);
  if (!mode.empty() && mode != "exports" && mode != "multiple_files") {
    Check(false, "a known mode (exports, multiple_files), not \"" + mode + "\"");
  }
  FreeLibrary(library);
  std::printf("%s\n", Failures() == 0 ? "outside caller passed" : "outside caller failed");
  return Failures() == 0 ? 0 : 1;
}

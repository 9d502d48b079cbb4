// Loads VORNAanalyser.dll the way another program would (LoadLibraryA and
// GetProcAddress by the undecorated names), checks that every exported
// routine is there and calls the ones that need no user.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

int failures = 0;

void Check(bool condition, const std::string& what) {
  std::printf("  %s: %s\n", condition ? "ok" : "FAILED", what.c_str());
  if (!condition) ++failures;
}

BSTR ByteString(const std::string& text) {
  return SysAllocStringByteLen(text.data(), static_cast<UINT>(text.size()));
}

std::string Bytes(BSTR text) {
  return text == nullptr ? std::string()
                         : std::string(reinterpret_cast<const char*>(text), SysStringByteLen(text));
}

template <typename Function>
Function Routine(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

const char* const kExportedNames[] = {"SHOWOPEN", "SHOWSAVE", "SHOWSAVEA", "SHOWSAVEB",
                                      "SHELLTONOTEPAD", "PADOUT", "FILELEN"};

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

int main() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder = folder.substr(0, folder.find_last_of('\\') + 1);

  HMODULE library = LoadLibraryA((folder + "VORNAanalyser.dll").c_str());
  Check(library != nullptr, "VORNAanalyser.dll loads");
  if (library == nullptr) return 1;
  for (const char* name : kExportedNames) {
    Check(GetProcAddress(library, name) != nullptr, std::string(name) + " is exported by name");
  }
  CheckPadOut(library);
  CheckFileLength(library, folder);
  FreeLibrary(library);
  std::printf("%s\n", failures == 0 ? "outside caller passed" : "outside caller failed");
  return failures == 0 ? 0 : 1;
}

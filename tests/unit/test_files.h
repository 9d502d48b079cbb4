#pragma once
// Helpers for unit tests that touch files: fixture paths and a fresh
// temporary folder per test, in the path form of the build under test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vorna::testing {

// A path of the source tree in the form of the build under test: the
// Windows build runs under Wine, which reaches it through drive Z:.
inline std::string HostPath(std::string path) {
#ifdef _WIN32
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
#endif
  return path;
}

inline std::string FixturePath(const std::string& name) { return HostPath(VORNA_TEST_DATA + name); }

// The full path of a report in samples/.
inline std::string SamplePath(const std::string& name) { return HostPath(VORNA_SAMPLES + name); }

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh, empty folder named after the running test, removed afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("vorna-") + test->test_suite_name() + "-" + test->name();
    for (char& c : name) {
      if (c == '/') c = '-';
    }
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The full path of `name` inside the folder, as the system's file
  // operations take it.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace vorna::testing

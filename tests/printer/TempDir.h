#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace q5300::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("q5300-test-" + std::to_string(seed()));
    } while (!std::filesystem::create_directory(path_));
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace q5300::test

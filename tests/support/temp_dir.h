// A fresh directory under the system's temporary directory, removed with
// everything in it when the test ends.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "platform/utf8_path.h"

namespace tz::testing {

class TempDir {
  public:
    TempDir() {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        std::filesystem::path candidate;
        do candidate = base / ("tz_test." + std::to_string(random()));
        while (!std::filesystem::create_directory(candidate));
        path_ = utf8FromPath(candidate);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(pathFromUtf8(path_), std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(pathFromUtf8(path_), ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Joined by the system's separator, as the program joins paths.
    std::string file(const std::string& name) const { return joinPath(path_, name); }

  private:
    std::string path_;
};

}  // namespace tz::testing

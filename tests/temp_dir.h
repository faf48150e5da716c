#pragma once
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

namespace vrk::testing {

// A fresh folder under the system's temporary directory, removed afterwards
// (made writable again first, for tests that take the permission away).
class TempDir {
  public:
    TempDir() {
        static std::atomic<int> counter{0};
        dir = std::filesystem::temp_directory_path() /
              ("vrk_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(dir, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string str() const { return dir.string(); }
    std::string file(const std::string& name) const { return (dir / name).string(); }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(file(name), std::ios::binary) << content;
        return file(name);
    }

    std::filesystem::path dir;
};

}  // namespace vrk::testing

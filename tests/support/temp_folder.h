#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <atomic>
#include <filesystem>
#include <random>
#include <string>

namespace rp70::test {

class TempFolder {
public:
    TempFolder() {
        // A random run number keeps test programs that run side by side apart.
        static const unsigned run = std::random_device{}();
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("rp70-test-" + std::to_string(run) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace rp70::test

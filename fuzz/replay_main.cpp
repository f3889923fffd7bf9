// Replays inputs through a fuzz target without libFuzzer: every file named on the command line,
// and every file inside every folder named there, in name order. A folder that does not exist
// holds nothing. A failing property stops the program; otherwise it prints how many inputs ran.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "texts/path_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool Replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", rp70::Utf8Of(file).c_str());
        return false;
    }
    const std::vector<char> text{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    // The name goes first, so the input that stops the run is named.
    std::fprintf(stderr, "%s\n", rp70::Utf8Of(file).c_str());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path place(argv[i]);
        if (fs::is_directory(place)) {
            for (const auto& entry : fs::directory_iterator(place)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
        } else if (fs::exists(place)) {
            files.push_back(place);
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        if (!Replay(file)) {
            return 1;
        }
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}

// A test data file: what decodes is written back as the same 64 bytes.

#include <algorithm>

#include "files/test_data_file.h"
#include "fuzz_support.h"

using namespace rp70;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TestValues values{};
    if (!DecodeTestData(std::span(data, size), values)) {
        fuzz::Require(size < kTestDataFileSize);
        return 0;
    }
    const auto written = EncodeTestData(values);
    fuzz::Require(written.size() == kTestDataFileSize &&
                  std::equal(written.begin(), written.end(), data));
    return 0;
}

// A book file: what decodes is written back as the same 1792 bytes.

#include <algorithm>

#include "files/book_file.h"
#include "fuzz_support.h"

using namespace rp70;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Book book{};
    if (!DecodeBookFile(std::span(data, size), book)) {
        fuzz::Require(size < kBookFileSize);
        return 0;
    }
    const auto written = EncodeBookFile(book);
    fuzz::Require(written.size() == kBookFileSize &&
                  std::equal(written.begin(), written.end(), data));
    return 0;
}

#include "factory/factory_mode.h"

#include <string>

#include "files/file_io.h"
#include "model/fixed_text.h"

namespace rp70 {

std::filesystem::path MarkerFilePath(const std::filesystem::path& programFolder) {
    return programFolder / "TestData.ini";
}

void InitFactoryMode(const std::filesystem::path& programFolder, FactoryTest& factory) {
    factory.TestValues.fill(0);
    factory.SavedTestValues.fill(0);
    factory.FactoryMode = false;
    const auto bytes = ReadFileBytes(MarkerFilePath(programFolder), kFactoryMarkerReadSize);
    if (!bytes) {
        return;
    }
    const std::string text(bytes->begin(), bytes->end());
    factory.FactoryMode = TextOf(text) == kFactoryMarker;
}

} // namespace rp70

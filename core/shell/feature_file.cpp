#include "shell/feature_file.h"

#include <system_error>
#include <vector>

#include "files/file_io.h"
#include "model/byte_io.h"

namespace rp70 {

FeatureFlags ReadFeatureFlags(const std::filesystem::path& featureFile) {
    const auto record = ReadFileBytes(featureFile, kFeatureRecordSize);
    if (!record || record->size() != kFeatureRecordSize) {
        return {};
    }
    ByteReader reader(*record);
    FeatureFlags flags;
    flags.HasFiveTone = reader.I16() != 0;
    flags.HasTwoTone = reader.I16() != 0;
    flags.HasDTMF = reader.I16() != 0;
    flags.HasFeature4 = reader.I16() != 0;
    return flags;
}

bool WriteFeatureFlags(const std::filesystem::path& featureFile, const FeatureFlags& flags) {
    std::vector<std::uint8_t> record;
    ByteWriter writer(record);
    writer.I16(flags.HasFiveTone ? 1 : 0);
    writer.I16(flags.HasTwoTone ? 1 : 0);
    writer.I16(flags.HasDTMF ? 1 : 0);
    writer.I16(flags.HasFeature4 ? 1 : 0);
    std::error_code error;
    std::filesystem::create_directories(featureFile.parent_path(), error);
    return ReplaceFileContents(featureFile, AsBytes(record));
}

} // namespace rp70

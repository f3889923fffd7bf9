#include "shell/feature_flags.h"

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

void MergeFeatureByte(FeatureFlags& flags, std::uint8_t featureByte) {
    flags.HasFiveTone = flags.HasFiveTone || (featureByte & 0x80) != 0;
    flags.HasTwoTone = flags.HasTwoTone || (featureByte & 0x40) != 0;
    flags.HasDTMF = flags.HasDTMF || (featureByte & 0x20) != 0;
    flags.HasFeature4 = flags.HasFeature4 || (featureByte & 0x10) != 0;
}

} // namespace rp70

#include "shell/feature_flags.h"

#include <array>
#include <fstream>
#include <string_view>
#include <vector>

#include "files/file_io.h"
#include "model/byte_io.h"

namespace rp70 {

FeatureFlags ReadFeatureFlags(const std::filesystem::path& featureFile) {
    std::array<std::uint8_t, kFeatureRecordSize> record{};
    {
        std::ifstream in(featureFile, std::ios::binary);
        if (!in) {
            return {};
        }
        in.read(reinterpret_cast<char*>(record.data()),
                static_cast<std::streamsize>(record.size()));
        if (in.gcount() != static_cast<std::streamsize>(record.size())) {
            return {};
        }
    }
    ByteReader reader(record);
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
    return ReplaceFileContents(
        featureFile, std::string_view(reinterpret_cast<const char*>(record.data()), record.size()));
}

void MergeFeatureByte(FeatureFlags& flags, std::uint8_t featureByte) {
    flags.HasFiveTone = flags.HasFiveTone || (featureByte & 0x80) != 0;
    flags.HasTwoTone = flags.HasTwoTone || (featureByte & 0x40) != 0;
    flags.HasDTMF = flags.HasDTMF || (featureByte & 0x20) != 0;
    flags.HasFeature4 = flags.HasFeature4 || (featureByte & 0x10) != 0;
}

} // namespace rp70

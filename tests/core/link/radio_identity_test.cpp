// The identification reply and the checks made on the radio before a transfer goes on.

#include "link/radio_identity.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/wire_protocol.h"
#include "model/bands.h"

namespace rp70 {
namespace {

using Model = std::array<std::uint8_t, 7>;
using Version = std::array<std::uint8_t, 4>;

constexpr Model kKtrp70 = {'K', 'T', 'R', 'P', '7', '0', 0x00};
constexpr Version kV100 = {'V', '1', '0', '0'};

// The identify command's echo (02) followed by the 16-byte reply.
Bytes IdentifyReply(const Model& model = kKtrp70, std::uint8_t band = 0x03,
                    const Version& version = kV100, std::uint8_t features = 0x00,
                    std::uint8_t status = 0x00) {
    Bytes bytes = {kIdentifyCommand, 'I'};
    bytes.insert(bytes.end(), model.begin(), model.end());
    bytes.push_back(band);
    bytes.insert(bytes.end(), version.begin(), version.end());
    bytes.push_back(features);
    bytes.push_back(status);
    bytes.push_back(0x06);
    return bytes;
}

RadioIdentity Parsed(const Bytes& bytes) {
    const auto identity = ParseIdentifyReply(bytes, 1);
    EXPECT_TRUE(identity.has_value());
    return identity.value_or(RadioIdentity{});
}

TEST(RadioIdentityParse, TakesEveryFieldFromItsOffset) {
    const Bytes bytes = IdentifyReply(kKtrp70, 0x17, kV100, 0xA0, 0x00);
    ASSERT_EQ(bytes.size(), 17U);
    const RadioIdentity identity = Parsed(bytes);
    EXPECT_EQ(identity.ModelText, "KTRP70");
    EXPECT_EQ(identity.BandCode, 0x17);
    EXPECT_EQ(identity.BandText, BandCaption(0x17));
    EXPECT_EQ(identity.VersionText, "V100");
    EXPECT_EQ(identity.FeatureByte, 0xA0);
    EXPECT_FALSE(identity.Killed);
    EXPECT_FALSE(identity.Stunned);
}

TEST(RadioIdentityParse, StatusBitsGiveKilledAndStunned) {
    const RadioIdentity killed = Parsed(IdentifyReply(kKtrp70, 3, kV100, 0, 0x01));
    EXPECT_TRUE(killed.Killed);
    EXPECT_FALSE(killed.Stunned);
    const RadioIdentity stunned = Parsed(IdentifyReply(kKtrp70, 3, kV100, 0, 0x02));
    EXPECT_FALSE(stunned.Killed);
    EXPECT_TRUE(stunned.Stunned);
    const RadioIdentity both = Parsed(IdentifyReply(kKtrp70, 3, kV100, 0, 0xFF));
    EXPECT_TRUE(both.Killed);
    EXPECT_TRUE(both.Stunned);
}

TEST(RadioIdentityParse, ModelTextEndsAtFirstNulOrFF) {
    EXPECT_EQ(Parsed(IdentifyReply({'K', 'T', 'R', 'P', '7', '0', 0xFF})).ModelText, "KTRP70");
    EXPECT_EQ(Parsed(IdentifyReply({'K', 'T', 'R', 'P', '7', '0', 'X'})).ModelText, "KTRP70X");
    EXPECT_EQ(Parsed(IdentifyReply({'K', 'T', 0x00, 'P', '7', '0', 0x00})).ModelText, "KT");
    EXPECT_EQ(Parsed(IdentifyReply({0xFF, 'T', 'R', 'P', '7', '0', 0x00})).ModelText, "");
}

TEST(RadioIdentityParse, VersionTextSkipsNulAndFF) {
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 3, {0x56, 0x31, 0x30, 0xFF})).VersionText, "V10");
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 3, {0x00, 'V', 0xFF, '1'})).VersionText, "V1");
}

TEST(RadioIdentityParse, UnknownBandCodesBecome30) {
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0x3A)).BandCode, 0x30);
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0x48)).BandCode, 0x30);
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0x08)).BandCode, 0x30);
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0xFF)).BandCode, 0x30);
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0x3A)).BandText, BandCaption(0x30));
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0x37)).BandCode, 0x37);
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0x07)).BandCode, 0x07);
    EXPECT_EQ(Parsed(IdentifyReply(kKtrp70, 0x07)).BandText, BandCaption(0x03));
}

TEST(RadioIdentityParse, ReplyNotRecognisedUnlessFramedExactly) {
    const Bytes good = IdentifyReply();
    // Without the cable's echo the count is one short.
    EXPECT_FALSE(ParseIdentifyReply(std::span(good).subspan(1), 1).has_value());
    Bytes longer = good;
    longer.push_back(0x06);
    EXPECT_FALSE(ParseIdentifyReply(longer, 1).has_value());
    Bytes wrongLetter = good;
    wrongLetter[1] = 'J';
    EXPECT_FALSE(ParseIdentifyReply(wrongLetter, 1).has_value());
    Bytes noAcknowledge = good;
    noAcknowledge.back() = 0x0A;
    EXPECT_FALSE(ParseIdentifyReply(noAcknowledge, 1).has_value());
    EXPECT_FALSE(ParseIdentifyReply(good, -1).has_value());
    EXPECT_FALSE(ParseIdentifyReply(good, 20).has_value());
    EXPECT_FALSE(ParseIdentifyReply(Bytes{}, 0).has_value());
}

RadioIdentity Radio(std::string model = "KTRP70", std::string version = "V100",
                    std::int16_t band = 3) {
    RadioIdentity identity;
    identity.ModelText = std::move(model);
    identity.VersionText = std::move(version);
    identity.BandCode = band;
    return identity;
}

using Refusals = std::vector<BuiltinText>;

TEST(RadioIdentityRefusals, AcceptedRadioPassesEveryKind) {
    for (TransferKind kind : {TransferKind::Read, TransferKind::Write, TransferKind::RadioInfo}) {
        EXPECT_TRUE(IdentityRefusals(Radio(), kind, 3).empty());
    }
}

TEST(RadioIdentityRefusals, ModelIsCheckedBeforeVersion) {
    EXPECT_EQ(IdentityRefusals(Radio("KTRP70X"), TransferKind::Read, 3),
              Refusals{BuiltinText::WrongModel});
    EXPECT_EQ(IdentityRefusals(Radio("ktrp70", "V200"), TransferKind::RadioInfo, 3),
              Refusals{BuiltinText::WrongModel});
    EXPECT_EQ(IdentityRefusals(Radio("KTRP70", "V10"), TransferKind::Read, 3),
              Refusals{BuiltinText::WrongVersion});
}

TEST(RadioIdentityRefusals, WriteRefusesAnotherBandExceptThreeAndSeven) {
    EXPECT_TRUE(IdentityRefusals(Radio("KTRP70", "V100", 7), TransferKind::Write, 3).empty());
    EXPECT_TRUE(IdentityRefusals(Radio("KTRP70", "V100", 3), TransferKind::Write, 7).empty());
    EXPECT_EQ(IdentityRefusals(Radio("KTRP70", "V100", 3), TransferKind::Write, 48),
              Refusals{BuiltinText::WrongBand});
    EXPECT_EQ(IdentityRefusals(Radio("KTRP70", "V100", 7), TransferKind::Write, 35),
              Refusals{BuiltinText::WrongBand});
}

TEST(RadioIdentityRefusals, ReadAndRadioInformationAcceptAnyBand) {
    EXPECT_TRUE(IdentityRefusals(Radio("KTRP70", "V100", 3), TransferKind::Read, 48).empty());
    EXPECT_TRUE(IdentityRefusals(Radio("KTRP70", "V100", 3), TransferKind::RadioInfo, 48).empty());
}

TEST(RadioIdentityRefusals, WrongIdentityAndWrongBandGiveTwoRefusals) {
    EXPECT_EQ(IdentityRefusals(Radio("XX", "V100", 3), TransferKind::Write, 48),
              (Refusals{BuiltinText::WrongModel, BuiltinText::WrongBand}));
    EXPECT_EQ(IdentityRefusals(Radio("KTRP70", "V10", 3), TransferKind::Write, 48),
              (Refusals{BuiltinText::WrongVersion, BuiltinText::WrongBand}));
}

TEST(RadioIdentityRefusals, WriteRefusesKilledOrStunnedRadio) {
    RadioIdentity killed = Radio();
    killed.Killed = true;
    EXPECT_EQ(IdentityRefusals(killed, TransferKind::Write, 3), Refusals{BuiltinText::RadioKilled});
    RadioIdentity stunned = Radio();
    stunned.Stunned = true;
    EXPECT_EQ(IdentityRefusals(stunned, TransferKind::Write, 3),
              Refusals{BuiltinText::RadioStunned});
    RadioIdentity both = killed;
    both.Stunned = true;
    EXPECT_EQ(IdentityRefusals(both, TransferKind::Write, 3), Refusals{BuiltinText::RadioKilled});
}

TEST(RadioIdentityRefusals, KilledIsNotCheckedOnceRefused) {
    RadioIdentity radio = Radio("XX", "V100", 3);
    radio.Killed = true;
    EXPECT_EQ(IdentityRefusals(radio, TransferKind::Write, 3), Refusals{BuiltinText::WrongModel});
    radio.ModelText = "KTRP70";
    EXPECT_EQ(IdentityRefusals(radio, TransferKind::Write, 48), Refusals{BuiltinText::WrongBand});
}

TEST(RadioIdentityRefusals, ReadAndRadioInformationAcceptKilledAndStunned) {
    RadioIdentity radio = Radio();
    radio.Killed = true;
    radio.Stunned = true;
    EXPECT_TRUE(IdentityRefusals(radio, TransferKind::Read, 3).empty());
    EXPECT_TRUE(IdentityRefusals(radio, TransferKind::RadioInfo, 3).empty());
}

} // namespace
} // namespace rp70

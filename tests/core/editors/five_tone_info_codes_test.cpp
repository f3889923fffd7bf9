#include "editors/five_tone_info_codes.h"

#include <gtest/gtest.h>

#include "model/fixed_text.h"

namespace rp70 {
namespace {

struct InfoEntry {
    int number;
    int function;
    std::string code;
};

FiveToneRecord WithInfoCodes(std::initializer_list<InfoEntry> entries) {
    FiveToneRecord record;
    SetDefaults(record);
    for (const InfoEntry& e : entries) {
        FiveToneInfoCode& entry = record.InfoCodes[static_cast<std::size_t>(e.number - 1)];
        entry.Function = static_cast<std::uint8_t>(e.function);
        WriteFixedText(entry.Digits, e.code);
        entry.Length = static_cast<std::uint8_t>(e.code.size());
    }
    return record;
}

TEST(FiveToneInfoCheck, RefusesKillOrStunWithoutWakeUpAndCodesSharedByTwoFunctions) {
    const std::vector<int> none;
    const std::vector<int> noWakeUp = {kKeyNoWakeUpCode};
    const std::vector<int> shared = {kKeySharedInfoCode};
    const std::vector<int> both = {kKeyNoWakeUpCode, kKeySharedInfoCode};
    const struct {
        const char* name;
        std::initializer_list<InfoEntry> entries;
        std::vector<int> keys;
    } cases[] = {
        {"new image", {}, none},
        {"kill alone", {{2, 3, "123"}}, noWakeUp},
        {"kill and wake-up share", {{1, 3, "123"}, {2, 5, "123"}}, shared},
        {"kill, stun, wake-up apart", {{1, 3, "123"}, {2, 4, "124"}, {3, 5, "125"}}, none},
        {"empty kill first", {{1, 3, ""}}, both},
        {"empty kill last", {{8, 3, ""}}, noWakeUp},
        {"earlier plain entry", {{3, 1, "555"}, {5, 4, "555"}, {7, 5, "777"}}, none},
        {"later plain entry", {{3, 4, "555"}, {5, 1, "555"}, {7, 5, "777"}}, shared},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsInfoKillStunWakenOK(WithInfoCodes(c.entries)), c.keys) << c.name;
    }
}

TEST(FiveToneInfoCodes, TheFunctionDecidesTheResponsesAndTheName) {
    const struct {
        int function;
        int response;
        int count;
        bool responseOn;
        bool nameOn;
    } cases[] = {
        {kInfoFunctionNone, 1, 3, true, false},  {kInfoFunctionIndividual, 0, 2, true, true},
        {kInfoFunctionGroup, 0, 3, false, true}, {kInfoFunctionKill, 2, 3, false, true},
        {kInfoFunctionStun, 2, 3, false, true},  {kInfoFunctionWakeUp, 2, 3, false, true},
        {kInfoFunctionAll, 0, 3, false, false},
    };
    for (const auto& c : cases) {
        InfoCodeInputs inputs;
        inputs.Response = 1;
        inputs.Name = "Base";
        inputs.Function = c.function;
        ReactToInfoFunction(inputs);
        EXPECT_EQ(inputs.Response, c.response) << c.function;
        EXPECT_EQ(inputs.ResponseCount, c.count) << c.function;
        EXPECT_EQ(inputs.ResponseOn, c.responseOn) << c.function;
        EXPECT_EQ(inputs.NameOn, c.nameOn) << c.function;
        EXPECT_EQ(inputs.Name, c.nameOn ? "Base" : "") << c.function;
    }
}

TEST(FiveToneInfoCodes, SwitchingEntriesStoresTheEditsOfTheOneShown) {
    FiveToneRecord record = WithInfoCodes({{2, 4, "9A"}});
    InfoCodeInputs inputs;
    SelectInfoCode(record, inputs, 1);
    inputs.Function = kInfoFunctionWakeUp;
    ReactToInfoFunction(inputs);
    inputs.Code = "12AB";
    inputs.Name = " Gate ";

    SelectInfoCode(record, inputs, 2);
    EXPECT_EQ(inputs.Code, "9A");
    EXPECT_EQ(inputs.Function, kInfoFunctionStun);
    SelectInfoCode(record, inputs, 1);
    EXPECT_EQ(inputs.Function, kInfoFunctionWakeUp);
    EXPECT_EQ(inputs.Response, 2);
    EXPECT_EQ(inputs.Code, "12AB");
    EXPECT_EQ(inputs.Name, "Gate");
    EXPECT_EQ(record.InfoCodes[0].Length, 4);
}

TEST(FiveToneInfoCodes, ShowingAnEntryFitsItsStoredValuesToItsFunction) {
    FiveToneRecord record = WithInfoCodes({{1, 1, "12345"}, {2, 9, "7"}});
    record.InfoCodes[0].Length = 3;
    record.InfoCodes[0].Response = 2;
    WriteFixedText(record.InfoCodes[1].Name, "Old");
    InfoCodeInputs inputs;
    inputs.Number = 1;
    ShowInfoCode(record, inputs);
    EXPECT_EQ(inputs.Code, "123");
    EXPECT_EQ(inputs.Response, 0); // an individual call offers no reply
    inputs.Number = 2;
    ShowInfoCode(record, inputs);
    EXPECT_EQ(inputs.Function, kInfoFunctionNone);
    EXPECT_EQ(inputs.Name, "");
}

} // namespace
} // namespace rp70

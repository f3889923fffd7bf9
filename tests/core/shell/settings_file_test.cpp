#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// A fresh program folder with the settings file inside it.
struct SettingsFolder : test::TempFolder {
    fs::path File() const { return Path() / "language" / "mysetup.ini"; }
    void Write(const std::string& text) const { test::WriteFileText(File(), text); }
    std::string Read() const { return test::ReadFileText(File()); }
};

void ExpectDefaults(const SettingsFileValues& values) {
    EXPECT_TRUE(values.IsFirstRun);
    EXPECT_EQ(values.ComPort, 1);
    EXPECT_EQ(values.Handshaking, 0);
    EXPECT_EQ(values.StopBit, 1);
}

// ---------------------------------------------------------------- value syntax

TEST(SettingsFileSyntax, BooleanTextAcceptsTrueFalseAndWholeNumbers) {
    EXPECT_EQ(ParseBooleanText("True"), true);
    EXPECT_EQ(ParseBooleanText("TRUE"), true);
    EXPECT_EQ(ParseBooleanText("false"), false);
    EXPECT_EQ(ParseBooleanText("FaLsE"), false);
    EXPECT_EQ(ParseBooleanText("0"), false);
    EXPECT_EQ(ParseBooleanText("1"), true);
    EXPECT_EQ(ParseBooleanText("-1"), true);
    EXPECT_EQ(ParseBooleanText("2"), true);
    EXPECT_EQ(ParseBooleanText(""), std::nullopt);
    EXPECT_EQ(ParseBooleanText("yes"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("truex"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("tru"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("1.5"), std::nullopt);
}

TEST(SettingsFileSyntax, Int16AcceptsSignAndDigitsWithinSixteenBits) {
    EXPECT_EQ(ParseInt16("3"), 3);
    EXPECT_EQ(ParseInt16("+12"), 12);
    EXPECT_EQ(ParseInt16("-1"), -1);
    EXPECT_EQ(ParseInt16("007"), 7);
    EXPECT_EQ(ParseInt16("32767"), 32767);
    EXPECT_EQ(ParseInt16("-32768"), -32768);
    EXPECT_EQ(ParseInt16("32768"), std::nullopt);
    EXPECT_EQ(ParseInt16("-32769"), std::nullopt);
    EXPECT_EQ(ParseInt16("70000"), std::nullopt);
    EXPECT_EQ(ParseInt16("99999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseInt16(""), std::nullopt);
    EXPECT_EQ(ParseInt16("+"), std::nullopt);
    EXPECT_EQ(ParseInt16("-"), std::nullopt);
    EXPECT_EQ(ParseInt16("+-3"), std::nullopt);
    EXPECT_EQ(ParseInt16("COM3"), std::nullopt);
    EXPECT_EQ(ParseInt16("3.0"), std::nullopt);
    EXPECT_EQ(ParseInt16("3 4"), std::nullopt);
    EXPECT_EQ(ParseInt16("0x10"), std::nullopt);
}

// ---------------------------------------------------------------- reading

TEST(SettingsFileRead, ReadsTheFourKeysOfSectionLanguage) {
    SettingsFolder folder;
    folder.Write("[other]\ncomPort=9\n[language]\nIsFirstRun=False\ncomPort=4\n"
                 "Handshaking=2\nStopBit=-2\n");
    const SettingsFileValues values = ReadSettingsFile(folder.File());
    EXPECT_FALSE(values.IsFirstRun);
    EXPECT_EQ(values.ComPort, 4);
    EXPECT_EQ(values.Handshaking, 2);
    EXPECT_EQ(values.StopBit, -2);
}

TEST(SettingsFileRead, TrimsValuesAndIgnoresLetterCaseOfNames) {
    SettingsFolder folder;
    folder.Write("[LANGUAGE]\r\n  isfirstrun =  0 \r\nCOMPORT=\t 12 \r\n");
    const SettingsFileValues values = ReadSettingsFile(folder.File());
    EXPECT_FALSE(values.IsFirstRun);
    EXPECT_EQ(values.ComPort, 12);
}

TEST(SettingsFileRead, MissingFileOrSectionGivesDefaults) {
    SettingsFolder folder;
    ExpectDefaults(ReadSettingsFile(folder.File()));
    folder.Write("[other]\nIsFirstRun=0\ncomPort=5\nHandshaking=1\nStopBit=2\n");
    ExpectDefaults(ReadSettingsFile(folder.File()));
}

TEST(SettingsFileRead, MalformedValuesGiveDefaults) {
    SettingsFolder folder;
    folder.Write("[language]\nIsFirstRun=maybe\ncomPort=COM3\nHandshaking=70000\nStopBit=\n");
    ExpectDefaults(ReadSettingsFile(folder.File()));
    folder.Write("[language]\nIsFirstRun=\ncomPort=-3\nHandshaking=1.0\nStopBit=one\n");
    ExpectDefaults(ReadSettingsFile(folder.File()));
}

TEST(SettingsFileRead, ValuesAreCutTo511CharactersBeforeTheyAreParsed) {
    SettingsFolder folder;
    // "7", 510 spaces and "x": the cut drops the "x" and leaves a valid 7.
    // With one space less the "x" survives and the value is malformed.
    folder.Write("[language]\ncomPort=7" + std::string(510, ' ') + "x\nStopBit=7" +
                 std::string(509, ' ') + "x\n");
    const SettingsFileValues values = ReadSettingsFile(folder.File());
    EXPECT_EQ(values.ComPort, 7);
    EXPECT_EQ(values.StopBit, 1);
}

TEST(SettingsFileRead, UnreadableFileGivesDefaults) {
    SettingsFolder folder;
    fs::create_directories(folder.File()); // a folder where the file should be
    ExpectDefaults(ReadSettingsFile(folder.File()));
}

// ---------------------------------------------------------------- port check

TEST(SettingsFilePortCheck, KeepsAListedPortAndReplacesAMissingOne) {
    const std::vector<std::int16_t> ports{3, 10};
    EXPECT_EQ(CheckedComPort(10, ports, false), 10);
    EXPECT_EQ(CheckedComPort(3, ports, false), 3);
    EXPECT_EQ(CheckedComPort(5, ports, false), 3);
    EXPECT_EQ(CheckedComPort(5, {}, false), 0);
}

TEST(SettingsFilePortCheck, FixedListModeKeepsThePort) {
    EXPECT_EQ(CheckedComPort(5, {3}, true), 5);
    EXPECT_EQ(CheckedComPort(5, {}, true), 5);
}

// ---------------------------------------------------------------- start-up

TEST(SettingsFileStartup, FirstStartWritesIsFirstRunZeroAndTheSecondLeavesIt) {
    SettingsFolder folder;
    const StartupSettings first = ApplyStartupSettings(folder.File(), {3, 10}, false);
    EXPECT_TRUE(first.Written);
    EXPECT_TRUE(first.Values.IsFirstRun);
    EXPECT_EQ(first.Values.ComPort, 3);
    EXPECT_EQ(folder.Read(), "[language]\nIsFirstRun=0\ncomPort=3\n");

    const StartupSettings second = ApplyStartupSettings(folder.File(), {3, 10}, false);
    EXPECT_TRUE(second.Written);
    EXPECT_FALSE(second.Values.IsFirstRun);
    EXPECT_EQ(folder.Read(), "[language]\nIsFirstRun=0\ncomPort=3\n");
}

TEST(SettingsFileStartup, RecordedFirstStartIsNotRewritten) {
    SettingsFolder folder;
    folder.Write("[language]\nIsFirstRun=False\ncomPort=10\n");
    const StartupSettings result = ApplyStartupSettings(folder.File(), {3, 10}, false);
    EXPECT_FALSE(result.Values.IsFirstRun);
    EXPECT_EQ(result.Values.ComPort, 10);
    EXPECT_EQ(folder.Read(), "[language]\nIsFirstRun=False\ncomPort=10\n");
}

TEST(SettingsFileStartup, MissingConfiguredPortIsReplacedByTheFirstListedPort) {
    SettingsFolder folder;
    folder.Write("; link settings\r\n[language]\r\nIsFirstRun=0\r\ncomPort=5\r\n"
                 "Handshaking=1\r\nStopBit=2\r\n");
    const StartupSettings result = ApplyStartupSettings(folder.File(), {3, 10}, false);
    EXPECT_EQ(result.Values.ComPort, 3);
    EXPECT_EQ(result.Values.Handshaking, 1);
    EXPECT_EQ(result.Values.StopBit, 2);
    EXPECT_EQ(folder.Read(), "; link settings\r\n[language]\r\nIsFirstRun=0\r\ncomPort=3\r\n"
                             "Handshaking=1\r\nStopBit=2\r\n");
    EXPECT_EQ(ReadSettingsFile(folder.File()).ComPort, 3);
}

TEST(SettingsFileStartup, NoPortsAtAllWritesZero) {
    SettingsFolder folder;
    folder.Write("[language]\nIsFirstRun=0\ncomPort=4\n");
    EXPECT_EQ(ApplyStartupSettings(folder.File(), {}, false).Values.ComPort, 0);
    EXPECT_EQ(folder.Read(), "[language]\nIsFirstRun=0\ncomPort=0\n");
}

TEST(SettingsFileStartup, FixedListModeWritesTheConfiguredPortBack) {
    SettingsFolder folder;
    folder.Write("[language]\nIsFirstRun=0\ncomPort= 42 \n");
    EXPECT_EQ(ApplyStartupSettings(folder.File(), {3}, true).Values.ComPort, 42);
    EXPECT_EQ(folder.Read(), "[language]\nIsFirstRun=0\ncomPort= 42\n");
}

TEST(SettingsFileStartup, MalformedFileIsRepairedWithoutFailing) {
    SettingsFolder folder;
    folder.Write("[language]\nIsFirstRun=perhaps\ncomPort=70000\nHandshaking=x\n");
    const StartupSettings result = ApplyStartupSettings(folder.File(), {1, 2}, false);
    EXPECT_TRUE(result.Written);
    ExpectDefaults(result.Values);
    EXPECT_EQ(folder.Read(), "[language]\nIsFirstRun=0\ncomPort=1\nHandshaking=x\n");
}

TEST(SettingsFileStartup, WriteFailureStillGivesTheValues) {
    SettingsFolder folder;
    // "language" is a file, so the settings file cannot be created below it.
    test::WriteFileText(folder.Path() / "language", "not a folder");
    const StartupSettings result = ApplyStartupSettings(folder.File(), {3}, false);
    EXPECT_FALSE(result.Written);
    EXPECT_TRUE(result.Values.IsFirstRun);
    EXPECT_EQ(result.Values.ComPort, 3);
}

TEST(SettingsFileWrite, ComPortIsWrittenInDecimalAndReadBack) {
    SettingsFolder folder;
    folder.Write("[language]\nIsFirstRun=0\ncomPort=1\nStopBit=1\n");
    ASSERT_TRUE(WriteLinkPort(folder.File(), 255, ""));
    EXPECT_EQ(folder.Read(), "[language]\nIsFirstRun=0\ncomPort=255\nStopBit=1\ncomDevice=\n");
    ASSERT_TRUE(WriteLinkPort(folder.File(), 0, ""));
    EXPECT_EQ(ReadSettingsFile(folder.File()).ComPort, 0);
}

TEST(SettingsFileWrite, DeviceWithoutNumberIsKeptBesideThePortAndNamesTheLinkPort) {
    SettingsFolder folder;
    folder.Write("[language]\nIsFirstRun=0\ncomPort=3\n");
    ASSERT_TRUE(WriteLinkPort(folder.File(), 3, "/dev/pts/7"));
    SettingsFileValues values = ReadSettingsFile(folder.File());
    EXPECT_EQ(values.ComPort, 3);
    EXPECT_EQ(values.ComDevice, "/dev/pts/7");
    EXPECT_EQ(LinkPortName(values), "/dev/pts/7");

    // Choosing a numbered port again clears the device.
    ASSERT_TRUE(WriteLinkPort(folder.File(), 4, ""));
    values = ReadSettingsFile(folder.File());
    EXPECT_EQ(values.ComDevice, "");
    EXPECT_EQ(LinkPortName(values), "COM4");
    values.ComPort = 0;
    EXPECT_EQ(LinkPortName(values), "");
}

TEST(SettingsFileWrite, SafetyChoicesRoundTripAndDefaultToVerifyingAndKeepingAll) {
    SettingsFolder folder;
    folder.Write("[language]\ncomPort=3\nbackupLimit=-2\nverifyAfterWrite=maybe\n");
    SettingsFileValues values = ReadSettingsFile(folder.File());
    EXPECT_TRUE(values.VerifyAfterWrite);
    EXPECT_FALSE(values.BackupBeforeWrite);
    EXPECT_EQ(values.BackupLimit, 0);

    values.VerifyAfterWrite = false;
    values.BackupBeforeWrite = true;
    values.BackupLimit = 30;
    ASSERT_TRUE(WriteSafetySettings(folder.File(), values));
    const SettingsFileValues again = ReadSettingsFile(folder.File());
    EXPECT_FALSE(again.VerifyAfterWrite);
    EXPECT_TRUE(again.BackupBeforeWrite);
    EXPECT_EQ(again.BackupLimit, 30);
    EXPECT_EQ(again.ComPort, 3);
}

TEST(SettingsFileWrite, RoundTripOfStartupValues) {
    SettingsFolder folder;
    SettingsFileValues values;
    values.IsFirstRun = true;
    values.ComPort = 32767;
    ASSERT_TRUE(WriteStartupSettings(folder.File(), values));
    const SettingsFileValues back = ReadSettingsFile(folder.File());
    EXPECT_FALSE(back.IsFirstRun);
    EXPECT_EQ(back.ComPort, 32767);
}

} // namespace
} // namespace rp70

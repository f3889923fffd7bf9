// The test data file: its 64-byte layout, loading and saving, and the file beside a data file.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "files/test_data_file.h"
#include "support/file_contents.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"
#include "texts/path_text.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

TestValues DistinctValues() {
    TestValues values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<std::int16_t>(0x0102 * static_cast<int>(i) - 300);
    }
    return values;
}

TEST(TestDataLayoutTest, ValuesInIndexOrderLowByteFirst) {
    TestValues values{};
    values[0] = 1;
    values[1] = 0x1A;
    values[2] = 0x1234;
    values[31] = -1;
    const Bytes bytes = EncodeTestData(values);
    ASSERT_EQ(bytes.size(), 64U);
    EXPECT_EQ(test::Slice(bytes, 0, 6), (Bytes{0x01, 0x00, 0x1A, 0x00, 0x34, 0x12}));
    EXPECT_EQ(test::Slice(bytes, 6, 56), Bytes(56, 0x00));
    EXPECT_EQ(test::Slice(bytes, 62, 2), (Bytes{0xFF, 0xFF}));
}

TEST(TestDataLayoutTest, EveryValueSitsAtTwiceItsIndex) {
    const TestValues values = DistinctValues();
    const Bytes bytes = EncodeTestData(values);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(test::I16At(bytes, 2 * i), values[i]) << "value " << i;
    }
    EXPECT_EQ(test::Slice(bytes, 0, 2), (Bytes{0xD4, 0xFE})); // -300
}

TEST(TestDataFileTest, SaveWritesExactly64BytesAndRemembersThePath) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "unit.ted";
    TestValues values{};
    values[0] = 1;
    values[31] = -1;
    fs::path last = "before";
    ASSERT_TRUE(SaveTestDataFile(file, values, last));
    const Bytes bytes = test::ReadFileBytes(file);
    ASSERT_EQ(bytes.size(), 64U);
    EXPECT_EQ(test::Slice(bytes, 0, 2), (Bytes{0x01, 0x00}));
    EXPECT_EQ(test::Slice(bytes, 62, 2), (Bytes{0xFF, 0xFF}));
    EXPECT_EQ(last, file);
}

TEST(TestDataFileTest, SaveOverALongerFileLeavesExactly64Bytes) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "unit.ted";
    test::WriteFileBytes(file, Bytes(200, 0x77));
    fs::path last;
    ASSERT_TRUE(SaveTestDataFile(file, DistinctValues(), last));
    EXPECT_EQ(test::ReadFileBytes(file), EncodeTestData(DistinctValues()));
}

TEST(TestDataFileTest, FailedSaveReturnsFalseAndKeepsThePath) {
    test::TempFolder folder;
    const fs::path blocker = folder.Path() / "plain";
    test::WriteFileText(blocker, "x");
    fs::path last = "before";
    EXPECT_FALSE(SaveTestDataFile(blocker / "unit.ted", DistinctValues(), last));
    EXPECT_FALSE(SaveTestDataFile(folder.Path(), DistinctValues(), last));
    EXPECT_EQ(last, "before");
    EXPECT_EQ(test::ReadFileText(blocker), "x");
}

TEST(TestDataFileTest, LoadReadsTheFirst64Bytes) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "unit.ted";
    Bytes bytes = EncodeTestData(DistinctValues());
    bytes.insert(bytes.end(), {0x55, 0x66});
    test::WriteFileBytes(file, bytes);

    TestValues values{};
    fs::path last;
    ASSERT_TRUE(LoadTestDataFile(file, values, last));
    EXPECT_EQ(values, DistinctValues());
    EXPECT_EQ(last, file);
}

TEST(TestDataFileTest, LoadTakesExactly64BytesAsTheyAre) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "unit.ted";
    Bytes bytes(64, 0x00);
    bytes[0] = 0x01;
    bytes[62] = 0xFF;
    bytes[63] = 0xFF;
    bytes[40] = 0x00;
    bytes[41] = 0x80;
    test::WriteFileBytes(file, bytes);

    TestValues values = DistinctValues();
    fs::path last;
    ASSERT_TRUE(LoadTestDataFile(file, values, last));
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[20], -32768);
    EXPECT_EQ(values[31], -1);
    EXPECT_EQ(values[1], 0);
}

TEST(TestDataFileTest, MissingOrShortFileChangesNothing) {
    test::TempFolder folder;
    TestValues values = DistinctValues();
    fs::path last = "before";

    EXPECT_FALSE(LoadTestDataFile(folder.Path() / "missing.ted", values, last));
    EXPECT_EQ(values, DistinctValues());
    EXPECT_EQ(last, "before");

    const fs::path shortFile = folder.Path() / "short.ted";
    test::WriteFileBytes(shortFile, Bytes(63, 0x11));
    EXPECT_FALSE(LoadTestDataFile(shortFile, values, last));
    EXPECT_EQ(values, DistinctValues());
    EXPECT_EQ(last, "before");

    EXPECT_FALSE(LoadTestDataFile(folder.Path(), values, last)); // a folder
    EXPECT_EQ(values, DistinctValues());
    EXPECT_EQ(last, "before");
}

TEST(TestDataPathForTest, ReplacesTheLastFourCharactersByTed) {
    EXPECT_EQ(TestDataPathFor("radio.dat"), "radio.ted");
    EXPECT_EQ(TestDataPathFor("/home/op/new.dat"), "/home/op/new.ted");
    EXPECT_EQ(TestDataPathFor("C:\\Data\\RADIO.DAT"), "C:\\Data\\RADIO.ted");
    EXPECT_EQ(TestDataPathFor("radio.da"), "radi.ted"); // not an extension, still four characters
}

TEST(TestDataPathForTest, NeverTheDataFileNorAnotherFolder) {
    EXPECT_EQ(TestDataPathFor("x.ted"), "x.ted.ted");
    EXPECT_EQ(TestDataPathFor("x.TED"), "x.TED.ted"); // one file on Windows and macOS
    EXPECT_EQ(TestDataPathFor("/home/op/x.ted"), "/home/op/x.ted.ted");
    EXPECT_EQ(TestDataPathFor("sub/ab"), "sub/ab.ted");
    EXPECT_EQ(TestDataPathFor("/home/op/data"), "/home/op/data.ted");
    EXPECT_EQ(TestDataPathFor("data"), "data.ted");
}

TEST(TestDataPathForTest, ThreeCharactersOrFewerGiveNoPath) {
    EXPECT_EQ(TestDataPathFor(""), std::nullopt);
    EXPECT_EQ(TestDataPathFor("a"), std::nullopt);
    EXPECT_EQ(TestDataPathFor("dat"), std::nullopt);
}

TEST(TestDataPathForTest, CountsCharactersNotBytes) {
    // "funk.dät": the last four characters are ".dät", five bytes in UTF-8.
    EXPECT_EQ(TestDataPathFor(PathFromUtf8("funk.d\xC3\xA4t")), "funk.ted");
    // three characters in six bytes are still too few
    EXPECT_EQ(TestDataPathFor(PathFromUtf8("\xC3\xA4\xC3\xB6\xC3\xBC")), std::nullopt);
    EXPECT_EQ(TestDataPathFor(PathFromUtf8("/\xE6\x95\xB0\xE6\x8D\xAE/a.dat")),
              PathFromUtf8("/\xE6\x95\xB0\xE6\x8D\xAE/a.ted"));
}

TEST(TestDataForTest, LoadsTheFileBesideTheDataFileIntoSavedValues) {
    test::TempFolder folder;
    test::WriteFileBytes(folder.Path() / "radio.ted", EncodeTestData(DistinctValues()));

    FactoryTest factory;
    factory.TestValues[3] = 42;
    const fs::path dataPath = folder.Path() / "radio.dat";
    ASSERT_TRUE(LoadTestDataFor(factory, dataPath));
    EXPECT_EQ(factory.SavedTestValues, DistinctValues());
    EXPECT_EQ(factory.TestValues[3], 42); // only the saved values are loaded
    EXPECT_EQ(factory.LastTestDataPath, folder.Path() / "radio.ted");
}

TEST(TestDataForTest, WithoutTheFileTheSavedValuesStay) {
    test::TempFolder folder;
    FactoryTest factory;
    factory.SavedTestValues = DistinctValues();
    factory.LastTestDataPath = "before";
    EXPECT_FALSE(LoadTestDataFor(factory, folder.Path() / "radio.dat"));
    EXPECT_FALSE(LoadTestDataFor(factory, "dat"));
    EXPECT_EQ(factory.SavedTestValues, DistinctValues());
    EXPECT_EQ(factory.LastTestDataPath, "before");
}

TEST(TestDataForTest, SavesTheSavedValuesBesideTheDataFile) {
    test::TempFolder folder;
    FactoryTest factory;
    factory.SavedTestValues = DistinctValues();
    factory.TestValues[0] = 99; // the working values are not what is saved
    ASSERT_TRUE(SaveTestDataFor(factory, folder.Path() / "radio.dat"));
    EXPECT_EQ(test::ReadFileBytes(folder.Path() / "radio.ted"), EncodeTestData(DistinctValues()));
    EXPECT_EQ(factory.LastTestDataPath, folder.Path() / "radio.ted");
    EXPECT_FALSE(fs::exists(folder.Path() / "radio.dat"));

    EXPECT_FALSE(SaveTestDataFor(factory, "ab"));
}

} // namespace
} // namespace rp70

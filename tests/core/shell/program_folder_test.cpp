#include "shell/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// An environment made of the given variables only.
Environment FakeEnvironment(std::map<std::string, std::string> variables) {
    return Environment{
        [variables = std::move(variables)](std::string_view name) -> std::optional<std::string> {
            const auto found = variables.find(std::string(name));
            if (found == variables.end()) {
                return std::nullopt;
            }
            return found->second;
        }};
}

fs::path UnixFolder(const Environment& environment) {
    return ProgramFolder(environment, FolderRules::Unix);
}

TEST(ProgramFolderChoice, Rp70HomeWinsWhenSet) {
    EXPECT_EQ(UnixFolder(FakeEnvironment(
                  {{"RP70_HOME", "/tmp/rp"}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/home/u"}})),
              fs::path("/tmp/rp"));
}

TEST(ProgramFolderChoice, EmptyRp70HomeFallsThroughToXdgDataHome) {
    EXPECT_EQ(UnixFolder(FakeEnvironment(
                  {{"RP70_HOME", ""}, {"XDG_DATA_HOME", "/data"}, {"HOME", "/home/u"}})),
              fs::path("/data/rp70cps"));
}

TEST(ProgramFolderChoice, HomeIsUsedWhenXdgDataHomeIsUnsetEmptyOrRelative) {
    const fs::path expected = fs::path("/home/u") / ".local" / "share" / "rp70cps";
    EXPECT_EQ(UnixFolder(FakeEnvironment({{"HOME", "/home/u"}})), expected);
    EXPECT_EQ(UnixFolder(FakeEnvironment({{"XDG_DATA_HOME", ""}, {"HOME", "/home/u"}})), expected);
    EXPECT_EQ(UnixFolder(FakeEnvironment({{"XDG_DATA_HOME", "rel"}, {"HOME", "/home/u"}})),
              expected);
}

TEST(ProgramFolderChoice, AppDataAndThenARelativeFolderAreTheLastResorts) {
    EXPECT_EQ(UnixFolder(FakeEnvironment({{"HOME", ""}, {"APPDATA", "/appdata"}})),
              fs::path("/appdata") / "rp70cps");
    EXPECT_EQ(UnixFolder(FakeEnvironment({})), fs::path("rp70cps"));
    EXPECT_EQ(UnixFolder(Environment{}), fs::path("rp70cps"));
}

TEST(ProgramFolderChoice, WindowsTakesRp70HomeThenAppDataAndIgnoresUnixVariables) {
    const struct {
        std::map<std::string, std::string> Variables;
        fs::path Expected;
    } cases[] = {
        {{{"RP70_HOME", "C:/rp"}, {"APPDATA", "C:/AppData"}, {"HOME", "/home/u"}}, "C:/rp"},
        {{{"RP70_HOME", ""},
          {"APPDATA", "C:/AppData"},
          {"HOME", "/home/u"},
          {"XDG_DATA_HOME", "/x"}},
         fs::path("C:/AppData") / "rp70cps"},
        {{{"HOME", "/home/u"}}, "rp70cps"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramFolder(FakeEnvironment(c.Variables), FolderRules::Windows), c.Expected);
    }
}

TEST(ProgramFolderPaths, FilesAndFoldersInsideTheProgramFolder) {
    const fs::path home("/p");
    EXPECT_EQ(SettingsFilePath(home), fs::path("/p") / "language" / "mysetup.ini");
    EXPECT_EQ(FeatureFilePath(home), fs::path("/p") / "Setting.ini");
    EXPECT_EQ(InitFolder(home), fs::path("/p") / "Init");
    EXPECT_EQ(LanguageFolder(home), fs::path("/p") / "language");
}

TEST(ProgramFolderLanguageFile, OwnCopyOverridesTheShippedOne) {
    test::TempFolder folder;
    const fs::path home = folder.Path() / "home";
    const fs::path shipped = folder.Path() / "shipped";
    EXPECT_EQ(LanguageFilePath(home, shipped, "english.ini"), shipped / "english.ini");

    test::WriteFileText(LanguageFolder(home) / "english.ini", "[OTHER]\n");
    EXPECT_EQ(LanguageFilePath(home, shipped, "english.ini"), LanguageFolder(home) / "english.ini");
    EXPECT_EQ(LanguageFilePath(home, shipped, "chinese.ini"), shipped / "chinese.ini");

    // A folder of that name is no language file.
    fs::create_directories(LanguageFolder(home) / "chinese.ini");
    EXPECT_EQ(LanguageFilePath(home, shipped, "chinese.ini"), shipped / "chinese.ini");
}

TEST(ProgramFolderLanguageFile, OnlyPlainFileNamesAreLookedUp) {
    EXPECT_EQ(LanguageFilePath("/p", "/s", ""), fs::path());
    EXPECT_EQ(LanguageFilePath("/p", "/s", "../secret.ini"), fs::path());
    EXPECT_EQ(LanguageFilePath("/p", "/s", "sub/english.ini"), fs::path());
    EXPECT_EQ(LanguageFilePath("/p", "/s", ".."), fs::path());
}

} // namespace
} // namespace rp70

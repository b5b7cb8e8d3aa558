#include "postal/postal_files.h"

#include <gtest/gtest.h>

#include <set>

#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

class ProbePostalDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.fileExists = [this](const std::filesystem::path& path) { return files.count(path) > 0; };
    environment.documentsFolder = [this] { return documents; };
    environment.userDataFolder = [this] { return userData; };
  }
  PostalDataLocation Probe(PostalDataLocation location = {}) {
    ProbePostalData(location, sibling, environment);
    return location;
  }

  std::set<std::filesystem::path> files;
  std::filesystem::path sibling = "/opt/quelta";
  std::filesystem::path documents = "/home/user/Documents";
  std::filesystem::path userData = "/home/user/.local/share/Mirelon";
  PostalDataEnvironment environment;
};

TEST_F(ProbePostalDataTest, SiblingFolderUtf16ThenShiftJisThenDocumentsUtf16) {
  files = {sibling / "QUELTAJUSHO.CSV", sibling / "QUELTAUNIJUSHO.CSV", documents / "QUELTAUNIJUSHO.CSV"};
  auto found = Probe();
  EXPECT_EQ(found.path, sibling / "QUELTAUNIJUSHO.CSV");
  EXPECT_TRUE(found.unicode);

  files.erase(sibling / "QUELTAUNIJUSHO.CSV");
  found = Probe();
  EXPECT_EQ(found.path, sibling / "QUELTAJUSHO.CSV");
  EXPECT_FALSE(found.unicode);

  files.erase(sibling / "QUELTAJUSHO.CSV");
  found = Probe();
  EXPECT_EQ(found.path, documents / "QUELTAUNIJUSHO.CSV");
  EXPECT_TRUE(found.unicode);

  // Last, the converted public list in the user's data folder.
  files = {documents / "QUELTAUNIJUSHO.CSV", userData / "QUELTAUNIJUSHO.CSV"};
  EXPECT_EQ(Probe().path, documents / "QUELTAUNIJUSHO.CSV");
  files.erase(documents / "QUELTAUNIJUSHO.CSV");
  found = Probe();
  EXPECT_EQ(found.path, userData / "QUELTAUNIJUSHO.CSV");
  EXPECT_TRUE(found.unicode);

  // Only the UTF-16 file is looked for in the documents and data folders.
  files = {documents / "QUELTAJUSHO.CSV", userData / "QUELTAJUSHO.CSV"};
  EXPECT_TRUE(Probe().path.empty());
}

TEST_F(ProbePostalDataTest, KnownFileIsKeptWhileItExistsAndForgottenWhenGone) {
  files = {sibling / "QUELTAUNIJUSHO.CSV", "/data/QUELTAJUSHO.CSV"};
  EXPECT_EQ(Probe({"/data/QUELTAJUSHO.CSV", false}).path, "/data/QUELTAJUSHO.CSV");
  files.erase("/data/QUELTAJUSHO.CSV");
  const auto found = Probe({"/data/QUELTAJUSHO.CSV", false});
  EXPECT_EQ(found.path, sibling / "QUELTAUNIJUSHO.CSV");
  EXPECT_TRUE(found.unicode);
  files.clear();
  const auto none = Probe({"/data/QUELTAJUSHO.CSV", false});
  EXPECT_TRUE(none.path.empty());
  EXPECT_TRUE(none.unicode);
}

TEST(PostalFilesTest, BusinessFileSitsBesideTheAddressFileWithItsExtension) {
  EXPECT_EQ(BusinessFilePath("/q/QUELTAJUSHO.CSV", false), "/q/QUELTAJIGYO.CSV");
  EXPECT_EQ(BusinessFilePath("/q/QUELTAUNIJUSHO.CSV", true), "/q/QUELTAUNIJIGYO.CSV");
  EXPECT_EQ(BusinessFilePath("/q/data.txt", false), "/q/QUELTAJIGYO.txt");
}

TEST(PostalFilesTest, ShiftJisLinesLoseTheirLineEnds) {
  SjisLineReader reader(Sjis("\"1\",ソ\r\n\r\nlast"));
  std::string_view line;
  std::vector<std::string> lines;
  while (reader.ReadLine(line)) lines.emplace_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{Sjis("\"1\",ソ"), "", "last"}));
}

TEST(PostalFilesTest, FilesAreReadWholeOrNotAtAll) {
  test::TempFolder folder;
  test::WriteBytes(folder / "a.csv", "abc");
  EXPECT_EQ(ReadFileAs<char>(folder / "a.csv"), "abc");
  EXPECT_FALSE(ReadFileAs<char>(folder / "missing.csv"));
  EXPECT_FALSE(ReadFileAs<char>(folder.path()));
  EXPECT_EQ(Cp932ToUtf8(OpenFailureMessage("/q/QUELTAJUSHO.CSV")), "/q/QUELTAJUSHO.CSV\r\nファイルのオープンに失敗しました");
}

}  // namespace
}  // namespace mirelon

// The import of the public postal-code list into a data folder, on small files and, when the
// national data is present, as a round trip: the shipped files laid out as the public list and
// imported again give the shipped files byte for byte.
#include "postal/postal_import.h"

#include <gtest/gtest.h>

#include "book/book_files.h"
#include "book/csv_field.h"
#include "postal_test_support.h"
#include "public_postal_support.h"
#include "text/sjis.h"

namespace mirelon::test {
namespace {

const std::string kAddress = PublicAddressLine("1000005", "東京都", "千代田区", "丸の内（次のビルを除く）");
const std::string kBusiness = PublicBusinessLine("1008799", "表商事", "東京都", "千代田区", "大手町", "１－３");

class PostalImportTest : public ::testing::Test {
 protected:
  PostalImportResult Import(const std::string& address, const std::string& business) {
    PostalImportRequest request{folder_ / "KEN_ALL.CSV", {}, folder_ / "data" / "Mirelon"};
    WriteBytes(request.addressFile, address);
    if (!business.empty()) {
      request.businessFile = folder_ / "JIGYOSYO.CSV";
      WriteBytes(request.businessFile, business);
    }
    return ImportPostalData(request, prompt_, nullptr);
  }
  std::string Target(std::string_view name) const { return ReadBytes(folder_ / "data" / "Mirelon" / name); }

  TempFolder folder_;
  RecordingPrompt prompt_;
};

TEST_F(PostalImportTest, WritesBothSiblingFilesIntoANewFolder) {
  const PostalImportResult result = Import(Sjis(kAddress + kAddress), Sjis(kBusiness));
  EXPECT_EQ(result.outcome, PostalImportOutcome::Imported);
  EXPECT_EQ(result.addressRows, 2u);
  EXPECT_EQ(result.businessRows, 1u);
  EXPECT_TRUE(prompt_.shown.empty());
  const std::string row = "\"1000005\",\"東京都\",\"千代田区\",\"丸の内（次のビルを除く）\"\r\n";
  EXPECT_EQ(Target("QUELTAUNIJUSHO.CSV"), LittleEndianBytes(Cp932ToUtf16(Sjis(row + row))));
  EXPECT_EQ(Target("QUELTAUNIJIGYO.CSV"),
            LittleEndianBytes(u"\"1008799\",\"表商事\",\"東京都\",\"千代田区\",\"大手町\",\"１－３\"\r\n"));
}

TEST_F(PostalImportTest, ARefusedFileLeavesTheFolderAsItWas) {
  ASSERT_EQ(Import(Sjis(kAddress), Sjis(kBusiness)).outcome, PostalImportOutcome::Imported);
  const std::string address = Target("QUELTAUNIJUSHO.CSV");
  const std::string business = Target("QUELTAUNIJIGYO.CSV");
  const std::string tail = "\r\n郵便番号データは書き込みませんでした";
  struct Case {
    const char* what;
    std::string address;
    std::string business;
    PostalImportOutcome outcome;
    std::string message;  // UTF-8, after the path
  };
  const Case cases[] = {
      {"damaged business file", Sjis(kAddress + kAddress), Sjis(kBusiness + kAddress), PostalImportOutcome::NotPostalData,
       "JIGYOSYO.CSV\r\n2 行目が事業所の個別郵便番号データ (JIGYOSYO.CSV) の形式ではありません" + tail},
      {"files swapped", Sjis(kBusiness), Sjis(kAddress), PostalImportOutcome::NotPostalData,
       "KEN_ALL.CSV\r\n1 行目が住所の郵便番号データ (KEN_ALL.CSV) の形式ではありません" + tail},
      {"empty address file", "", Sjis(kBusiness), PostalImportOutcome::NotPostalData,
       "KEN_ALL.CSV\r\n郵便番号データがありません" + tail},
      // Every row before the cut reads well: only the missing line end tells.
      {"address file cut inside its last line", Sjis(kAddress + kAddress).substr(0, Sjis(kAddress).size() * 2 - 2),
       Sjis(kBusiness), PostalImportOutcome::NotPostalData, "KEN_ALL.CSV\r\n2 行目 (最後の行) が途中で切れています" + tail},
      {"business file cut", Sjis(kAddress), Sjis(kBusiness).substr(0, 30), PostalImportOutcome::NotPostalData,
       "JIGYOSYO.CSV\r\n1 行目 (最後の行) が途中で切れています" + tail},
  };
  for (const Case& c : cases) {
    prompt_.shown.clear();
    EXPECT_EQ(Import(c.address, c.business).outcome, c.outcome) << c.what;
    ASSERT_EQ(prompt_.shown.size(), 1u) << c.what;
    EXPECT_EQ(Cp932ToUtf8(prompt_.shown[0]), Cp932ToUtf8(PathText(folder_.path() / "")) + c.message) << c.what;
    EXPECT_EQ(Target("QUELTAUNIJUSHO.CSV"), address) << c.what;
    EXPECT_EQ(Target("QUELTAUNIJIGYO.CSV"), business) << c.what;
  }
}

// A file far smaller than the data it replaces is most likely incomplete: taken only when the
// user agrees, and then both files as one.
TEST_F(PostalImportTest, FarFewerRowsAreTakenOnlyWhenTheUserAgrees) {
  ASSERT_EQ(Import(Sjis(kAddress + kAddress + kAddress), Sjis(kBusiness)).outcome, PostalImportOutcome::Imported);
  const std::string address = Target("QUELTAUNIJUSHO.CSV");
  prompt_.answers = {false};
  EXPECT_EQ(Import(Sjis(kAddress), Sjis(kBusiness + kBusiness)).outcome, PostalImportOutcome::Declined);
  ASSERT_EQ(prompt_.shown.size(), 1u);
  EXPECT_NE(Cp932ToUtf8(prompt_.shown[0]).find("いまの郵便番号データは 3 件ですが、新しいデータは 1 件しかありません"),
            std::string::npos);
  EXPECT_EQ(Target("QUELTAUNIJUSHO.CSV"), address);
  prompt_.answers = {true};
  const PostalImportResult taken = Import(Sjis(kAddress), Sjis(kBusiness + kBusiness));
  EXPECT_EQ(taken.outcome, PostalImportOutcome::Imported);
  EXPECT_EQ(taken.businessRows, 2u);
  // Half the rows or more is an ordinary update.
  prompt_.shown.clear();
  EXPECT_EQ(Import(Sjis(kAddress), Sjis(kBusiness)).outcome, PostalImportOutcome::Imported);
  EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(PostalImportTest, ReportsFilesThatCannotBeOpenedOrWritten) {
  PostalImportRequest request{folder_ / "missing.csv", {}, folder_.path()};
  EXPECT_EQ(ImportPostalData(request, prompt_, nullptr).outcome, PostalImportOutcome::OpenFailed);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{OpenFailureMessage(request.addressFile)});

  // The target folder is a file.
  request = {folder_ / "KEN_ALL.CSV", {}, folder_ / "KEN_ALL.CSV"};
  WriteBytes(request.addressFile, Sjis(kAddress));
  prompt_.shown.clear();
  EXPECT_EQ(ImportPostalData(request, prompt_, nullptr).outcome, PostalImportOutcome::WriteFailed);
  ASSERT_EQ(prompt_.shown.size(), 1u);
  EXPECT_TRUE(prompt_.shown[0].ends_with(Sjis("\r\nファイルの書き込みに失敗しました")));
  EXPECT_EQ(ReadBytes(request.addressFile), Sjis(kAddress));
}

// ---- Round trip on the national data ----

const std::filesystem::path kNational = MIRELON_POSTAL_DATA;

// The fields of every CR LF line of a Shift-JIS data file, in UTF-8.
std::vector<std::vector<std::string>> ShippedRows(const std::filesystem::path& path) {
  std::vector<std::vector<std::string>> rows;
  SjisLineReader reader(ReadBytes(path));
  std::string field;
  for (std::string_view line; reader.ReadLine(line);) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    rows.emplace_back();
    for (size_t pos = 0; pos < line.size();) {
      pos = ReadCsvField(line, pos, field);
      rows.back().push_back(Cp932ToUtf8(field));
    }
  }
  return rows;
}

// A long town area cut as the public list's Shift-JIS file cuts it: pieces of at most 38
// characters, cut only inside the bracket, each piece on a line of its own.
std::vector<std::string> PublishedPieces(const std::string& utf8Town) {
  constexpr int kPieceCharacters = 38;
  const std::string town = Sjis(utf8Town);
  const std::string open = Sjis("（");
  const std::string close = Sjis("）");
  std::vector<std::string> pieces;
  size_t pieceStart = 0;
  int characters = 0;
  int depth = 0;
  for (size_t i = 0; i < town.size();) {
    const size_t step = IsLeadByte(town[i]) ? 2 : 1;
    const std::string_view ch(town.data() + i, step);
    depth += ch == open ? 1 : ch == close ? -1 : 0;
    i += step;
    if (++characters == kPieceCharacters && depth > 0 && i < town.size()) {
      pieces.push_back(Cp932ToUtf8(town.substr(pieceStart, i - pieceStart)));
      pieceStart = i;
      characters = 0;
    }
  }
  pieces.push_back(Cp932ToUtf8(town.substr(pieceStart)));
  return pieces;
}

TEST(PostalImportNationalTest, ThePublishedLayoutsOfTheShippedDataImportAsTheShippedFiles) {
  const std::filesystem::path sjisFolder = kNational / "sjis";
  if (!std::filesystem::exists(sjisFolder / kSjisAddressFileName)) {
    GTEST_SKIP() << "national postal data not found in " << kNational;
  }
  std::string continued;  // the Shift-JIS form
  std::string oneLine;    // the UTF-8 form
  size_t cut = 0;
  for (const auto& row : ShippedRows(sjisFolder / kSjisAddressFileName)) {
    oneLine += PublicAddressLine(row[0], row[1], row[2], row[3]);
    const std::vector<std::string> pieces = PublishedPieces(row[3]);
    cut += pieces.size() > 1;
    for (const std::string& piece : pieces) continued += PublicAddressLine(row[0], row[1], row[2], piece);
  }
  EXPECT_GT(cut, 100u);  // the data has long bracketed town areas to join
  std::string business;
  for (const auto& row : ShippedRows(sjisFolder / "QUELTAJIGYO.CSV")) {
    business += PublicBusinessLine(row[0], row[1], row[2], row[3], row[4], row[5]);
  }

  TempFolder folder;
  WriteBytes(folder / "KEN_ALL.CSV", Sjis(continued));
  WriteBytes(folder / "utf_ken_all.csv", oneLine);
  WriteBytes(folder / "JIGYOSYO.CSV", Sjis(business));
  RecordingPrompt prompt;
  for (const char* addressFile : {"KEN_ALL.CSV", "utf_ken_all.csv"}) {
    const PostalImportRequest request{folder / addressFile, folder / "JIGYOSYO.CSV", folder / "out"};
    EXPECT_EQ(ImportPostalData(request, prompt, nullptr).outcome, PostalImportOutcome::Imported) << addressFile;
    EXPECT_TRUE(ReadBytes(folder / "out" / kWideAddressFileName) ==
                ReadBytes(kNational / "utf16" / kWideAddressFileName))
        << addressFile;
    EXPECT_TRUE(ReadBytes(folder / "out" / "QUELTAUNIJIGYO.CSV") == ReadBytes(kNational / "utf16" / "QUELTAUNIJIGYO.CSV"))
        << addressFile;
  }
  EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace mirelon::test

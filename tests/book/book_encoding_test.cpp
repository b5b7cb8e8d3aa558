// Files that are not Shift-JIS books: UTF-8 text, binary files, and text cut or ended oddly.
#include "book/book_encoding.h"

#include <gtest/gtest.h>

#include "book/book_files.h"
#include "support/book_fixtures.h"
#include "support/recording_prompt.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;
using test::BookFixture;
using test::ReadBytes;
using test::WriteBytes;

TEST(BookEncoding, RealBooksAreShiftJisAndOtherBytesAreRecognised) {
  for (const char* name : {"sample.csv", "sample_nen.csv", "sample_imp.csv", "messy.csv", "messy_nen.csv"}) {
    const BookBytes bytes = ExamineBookBytes(ReadBytes(BookFixture(name)));
    EXPECT_TRUE(bytes.cp932 && !bytes.utf8) << name;
  }
  const std::string utf8 = "あおき,100-0001,東京都千代田区千代田1-1,,,,,青木一郎,様\r\n";
  // {bytes, cp932, utf8}
  const std::vector<std::tuple<std::string, bool, bool>> cases = {
      {"abc,def\r\n", true, false},
      {"\xEF\xBB\xBF" "abc\r\n", false, true},
      {utf8, false, true},
      {"A,1000001,Tokyo\x82\r\n", true, false},                        // cut inside a character
      {"\x82 \x82 \x85\x40 \x82 abc", true, false},  // four undecodable characters are kept,
      {"\x82 \x82 \x85\x40 \x82 \x82 abc", false, false},  // five in so short a text are not
      {std::string("a,b\0c", 5), false, false},                        // NUL: not text
      {std::string(utf8).erase(utf8.size() - 5, 1), false, false},     // broken UTF-8 is no CP932 either
  };
  for (const auto& [bytes, cp932, isUtf8] : cases) {
    const BookBytes found = ExamineBookBytes(bytes);
    EXPECT_EQ(found.cp932, cp932) << bytes;
    EXPECT_EQ(found.utf8, isUtf8) << bytes;
  }
}

class Utf8Books : public ::testing::Test {
 protected:
  Utf8Books() { book_.SetPrompt(&prompt_); }
  std::string Question(const char* name) const {
    return PathText(folder_ / name) + "\r\nUTF-8で書かれたファイルです\r\nUTF-8として読み込みますか？"_sjis;
  }
  test::TempFolder folder_;
  test::RecordingPrompt prompt_;
  AddressBook book_;
};

TEST_F(Utf8Books, AreReadAfterTheQuestionAndConverted) {
  const std::string sjis = ReadBytes(BookFixture("sample.csv"));
  WriteBytes(folder_ / "book.csv", "\xEF\xBB\xBF" + Cp932ToUtf8(sjis));
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "book.csv"), FamilyRead::Read);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{Question("book.csv")});
  EXPECT_EQ(book_.Write(BookFileKind::SendFile), sjis);
  EXPECT_TRUE(book_.modified);  // the file on disk is not yet in the book's own encoding

  // A character CP932 cannot hold is refused by line and field; no record is read.
  WriteBytes(folder_ / "book.csv", Cp932ToUtf8(sjis) + "いとう,100-0001,\"a,b\",𠮷\r\n");
  prompt_.shown.clear();
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "book.csv"), FamilyRead::Incomplete);
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{Question("book.csv"),
                                                     PathText(folder_ / "book.csv") +
                                                         "\r\n3行目の4番目の項目にシフトJISで表せない文字があります"_sjis}));
  EXPECT_EQ(book_.recordCount(), 0);
}

TEST_F(Utf8Books, AFamilyAsksOnceForAllItsFiles) {
  for (const char* name : {"sample.csv", "sample_nos.csv", "sample_nen.csv"}) {
    WriteBytes(folder_ / name, Cp932ToUtf8(ReadBytes(BookFixture(name))));
  }
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Read);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{Question("sample.csv")});
  EXPECT_EQ(book_.recordCount(), 3);
  EXPECT_EQ(book_.utf8Files, Utf8Files::Ask);  // the next family is asked again
}

TEST_F(Utf8Books, DeclinedOrNotTextIsReportedAsBroken) {
  const std::string broken = PathText(folder_ / "book.csv") + "\r\nファイルが壊れています"_sjis;
  WriteBytes(folder_ / "book.csv", Cp932ToUtf8(ReadBytes(BookFixture("sample.csv"))));
  prompt_.answers = {false};
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "book.csv"), FamilyRead::Incomplete);
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{Question("book.csv"), broken}));

  // A binary file is no book: reported, nothing read, and the file is left alone.
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 7919 % 251);
  WriteBytes(folder_ / "book.csv", binary);
  prompt_.shown.clear();
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "book.csv"), FamilyRead::Incomplete);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{broken});
  EXPECT_EQ(book_.recordCount(), 0);
  EXPECT_EQ(ReadBytes(folder_ / "book.csv"), binary);

  // Refusing without a question, as mirelon-tool does without --utf8.
  WriteBytes(folder_ / "book.csv", "\xEF\xBB\xBF" "abc\r\n");
  book_.utf8Files = Utf8Files::Refuse;
  prompt_.shown.clear();
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "book.csv"), FamilyRead::Incomplete);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{broken});
}

TEST_F(Utf8Books, OddLineEndsAndCutCharactersReadBackAsTheSameFields) {
  // A send file cut inside a character, and its history: written and read again, every field
  // stays where it was.
  WriteBytes(folder_ / "cut.csv", "A,1000001,Tokyo\x82\r\n");
  WriteBytes(folder_ / "cut_nen.csv", "2024,x\r\n" + "A,03-1111-2222,fax,,,,,送信しない,××,□□\r\n"_sjis);
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "cut.csv"), FamilyRead::Read);
  ASSERT_TRUE(SaveBookFamilyAs(book_, folder_ / "copy.csv"));
  AddressBook copy;
  ASSERT_EQ(ReadBookFamily(copy, folder_ / "copy.csv"), FamilyRead::Read);
  ASSERT_EQ(copy.recordCount(), 1);
  EXPECT_EQ(copy.record(0).address1, "Tokyo");
  EXPECT_EQ(copy.record(0).phone, "03-1111-2222");
  EXPECT_EQ(copy.record(0).initialSendState, "送信しない"_sjis);

  // Bare CRs end lines as LF and CR LF do.
  WriteBytes(folder_ / "cr.csv", "a\rb\r\rc\r\n");
  WriteBytes(folder_ / "cr_nen.csv", "2024,x\ra,tel\rc,tel2\r");
  AddressBook crBook;
  ASSERT_EQ(ReadBookFamily(crBook, folder_ / "cr.csv"), FamilyRead::Read);
  ASSERT_EQ(crBook.recordCount(), 4);  // a, b, the empty line, c
  EXPECT_EQ(crBook.record(crBook.LowerBound("a")).phone, "tel");
  EXPECT_EQ(crBook.record(crBook.LowerBound("c")).phone, "tel2");
}

}  // namespace
}  // namespace mirelon

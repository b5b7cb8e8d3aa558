// "〒検索" through the editor's button with the real application services, the eight result
// windows answered as a user would, on the data excerpts in both encodings.
#include <functional>

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "gui/support/editor_fixture.h"
#include "gui/app/application_services.h"
#include "gui/postal/postal_result_dialog.h"
#include "gui/postal/selection_edit.h"
#include "gui/support/postal_gui_support.h"
#include "res/postal_resources.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

using namespace res;
using test::ChooseLine;
using test::EnabledIn;
using test::ControlOf;
using test::IsChecked;
using test::ExpectDialog;
using test::ExpectMessage;
using test::LinesOf;
using test::SetCheck;
using test::TextOf;
using test::Type;

using ResultAction = std::function<int(PostalResultDialog&)>;

int PressOk(PostalResultDialog& dialog) {
  test::Click(&dialog, kIdPostalOk);
  return dialog.Answer().ok ? wxID_OK : wxID_CANCEL;
}

bool ShownIn(wxWindow* window, int id) { return window->FindWindow(id)->IsShown(); }

struct Fields {
  const char* code = "";
  const char* address1 = "";
  const char* address2 = "";
  const char* company1 = "";
  const char* company2 = "";
};

class PostalSearchTest : public test::EditorTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    const bool unicode = GetParam();
    const std::string file = test::ExcerptFile(unicode);
    services_.probe = [file, unicode](SiblingProgramData& sibling) {
      sibling.postalDataPath = file;
      sibling.postalDataUnicode = unicode;
    };
    services_.postalSearch = [this](const PageMembers& page, const SiblingProgramData& sibling) {
      return app_.PostalSearch(page, sibling);
    };
    AddRecord("やまだ");
    Open();
  }

  // Types the fields as a user would, presses "〒検索" and answers the result window.
  void Search(const Fields& fields, int templateNumber, const ResultAction& action) {
    Type(window_, kIdPostalCode, fields.code);
    Type(window_, kIdAddress1, fields.address1);
    Type(window_, kIdAddress2, fields.address2);
    Type(window_, kIdCompany1, fields.company1);
    Type(window_, kIdCompany2, fields.company2);
    ASSERT_TRUE(Enabled(kIdPostalSearch));
    wxTEST_DIALOG(test::Click(window_, kIdPostalSearch),
                  ExpectDialog<PostalResultDialog>([&](PostalResultDialog& dialog) {
                    EXPECT_EQ(dialog.Template().number, templateNumber);
                    return action(dialog);
                  }));
  }

  int Setting(const char* name) const { return settings_.GetInt(misc::kSection, name, -1); }

  ApplicationServices app_{state_};
};

TEST_P(PostalSearchTest, AddressOfACodeWithNothingTypedWritesAddressLineOneOnly) {
  Search({.code = "105-0011", .address2 = "芝ビル３階"}, kAddressResultTemplate, [](PostalResultDialog& dialog) {
    // The typed address is line 2 alone, so the read-only edit is shown; with nothing typed it is not.
    EXPECT_TRUE(ShownIn(&dialog, kIdTypedAddress));
    EXPECT_EQ(dialog.GetTitle(), U8("住所検索結果"));
    EXPECT_EQ(TextOf(&dialog, kIdOfferedAddress), "東京都港区芝公園");
    SetCheck(&dialog, kIdOmitPrefecture, true);
    EXPECT_EQ(TextOf(&dialog, kIdOfferedAddress), "港区芝公園");
    return PressOk(dialog);
  });
  EXPECT_EQ(TextOf(window_, kIdAddress1), "港区芝公園");
  EXPECT_EQ(TextOf(window_, kIdAddress2), "芝ビル３階");
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "105-0011");
  EXPECT_TRUE(editor_->PageModified());
  EXPECT_EQ(Setting(misc::kKenmeiNashi), 1);
  EXPECT_EQ(Setting(misc::kBangoHyphen), 0);

  Type(window_, kIdAddress2, "");
  Search({.code = "1050011"}, kAddressResultTemplate, [](PostalResultDialog& dialog) {
    EXPECT_TRUE(IsChecked(&dialog, kIdOmitPrefecture));  // the stored option
    EXPECT_FALSE(ShownIn(&dialog, kIdTypedAddress));
    EXPECT_FALSE(ShownIn(&dialog, kIdPartialCopy));
    EXPECT_EQ(test::LabelOf(&dialog, kIdPostalOk), "OK");
    return wxID_CANCEL;
  });
}

TEST_P(PostalSearchTest, CodeOfAnAddressWithHyphenAndFullWidthAndTheRewriteSwitch) {
  Search({.address1 = "東京都港区芝公園４－１０－２", .address2 = "芝ビル"}, kCodeResultTemplate,
         [](PostalResultDialog& dialog) {
           EXPECT_EQ(dialog.GetTitle(), U8("郵便番号検索結果"));
           EXPECT_EQ(TextOf(&dialog, kIdCodeText), "1050011");
           EXPECT_EQ(TextOf(&dialog, kIdTypedAddress), "東京都港区芝公園４－１０－２芝ビル");
           for (int id : {kIdOfferedAddress, kIdTypedAddress, kIdOmitPrefecture}) EXPECT_FALSE(EnabledIn(&dialog, id));
           SetCheck(&dialog, kIdHyphen, true);
           SetCheck(&dialog, kIdFullWidth, true);
           EXPECT_EQ(TextOf(&dialog, kIdCodeText), "１０５－００１１");
           return PressOk(dialog);
         });
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "１０５－００１１");
  EXPECT_EQ(TextOf(window_, kIdAddress1), "東京都港区芝公園４－１０－２");  // without the switch: only the code
  EXPECT_EQ(Setting(misc::kBangoHyphen), 1);
  EXPECT_EQ(Setting(misc::kBangoZenkaku), 1);

  // The typed full-width code is searched as its digits, and wins over the address.
  Search({.code = "１０５－００１１", .address1 = "東京都港区芝公園"}, kAddressResultTemplate,
         [](PostalResultDialog&) { return wxID_CANCEL; });
  Search({.address1 = "東京都港区芝公園４－１０－２", .address2 = "芝ビル"}, kCodeResultTemplate,
         [](PostalResultDialog& dialog) {
           EXPECT_EQ(TextOf(&dialog, kIdCodeText), "１０５－００１１");
           SetCheck(&dialog, kIdRewriteAddress, true);
           for (int id : {kIdOfferedAddress, kIdTypedAddress, kIdOmitPrefecture}) EXPECT_TRUE(EnabledIn(&dialog, id));
           SetCheck(&dialog, kIdHyphen, false);
           return PressOk(dialog);
         });
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "１０５００１１");
  EXPECT_EQ(TextOf(window_, kIdAddress1), "東京都港区芝公園");
  EXPECT_EQ(TextOf(window_, kIdAddress2), "芝ビル");
}

TEST_P(PostalSearchTest, CancelLeavesTheFieldsAndTheOptions) {
  Search({.address1 = "港区芝"}, kCodeChoiceTemplate, [](PostalResultDialog& dialog) {
    EXPECT_EQ(LinesOf(&dialog, kIdPostalRows).size(), 7u);
    SetCheck(&dialog, kIdHyphen, true);
    SetCheck(&dialog, kIdRewriteAddress, true);
    SetCheck(&dialog, kIdOmitPrefecture, true);
    return wxID_CANCEL;
  });
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "");
  EXPECT_EQ(TextOf(window_, kIdAddress1), "港区芝");
  EXPECT_EQ(Setting(misc::kBangoHyphen), -1);
  EXPECT_EQ(Setting(misc::kKenmeiNashi), -1);
  EXPECT_FALSE(state_.settings.Switches().postal.bangoHyphen);
}

TEST_P(PostalSearchTest, ChoosingALineOfSeveralCodesComposesFromThatRow) {
  Search({.address1 = "港区芝"}, kCodeChoiceTemplate, [](PostalResultDialog& dialog) {
    const std::vector<std::string> lines = LinesOf(&dialog, kIdPostalRows);
    EXPECT_EQ(lines.at(1), "1050011 東京都港区芝公園");
    EXPECT_EQ(ControlOf<wxListBox>(&dialog, kIdPostalRows).GetSelection(), 0);
    ChooseLine(&dialog, kIdPostalRows, 2);
    EXPECT_EQ(TextOf(&dialog, kIdCodeText), "1050012");
    SetCheck(&dialog, kIdRewriteAddress, true);
    EXPECT_EQ(TextOf(&dialog, kIdOfferedAddress), "東京都港区芝大門");
    return PressOk(dialog);
  });
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "1050012");
  EXPECT_EQ(TextOf(window_, kIdAddress1), "東京都港区芝大門");
}

TEST_P(PostalSearchTest, PartialCopyTakesOnlyAMouseSelection) {
  Search({.code = "4520961", .address1 = "春日１２３"}, kAddressChoiceTemplate, [](PostalResultDialog& dialog) {
    EXPECT_EQ(LinesOf(&dialog, kIdPostalRows).size(), 66u);
    EXPECT_EQ(test::LabelOf(&dialog, kIdPostalOk), "住所変更");
    EXPECT_TRUE(ShownIn(&dialog, kIdTypedAddress));
    EXPECT_TRUE(ShownIn(&dialog, kIdPartialCopy));
    EXPECT_FALSE(EnabledIn(&dialog, kIdPartialCopy));
    dialog.Show();
    test::Pump();
    auto& typed = ControlOf<SelectionEdit>(&dialog, kIdTypedAddress);
    // A selection made without the mouse leaves the button off.
    typed.SetSelection(0, 2);
    test::Pump();
    EXPECT_FALSE(EnabledIn(&dialog, kIdPartialCopy));
    // Dragging across the text with the mouse turns it on.
    const wxRect rect = typed.GetScreenRect();
    wxUIActionSimulator mouse;
    mouse.MouseMove(rect.GetLeft() + 4, rect.GetTop() + rect.height / 2);
    test::Pump();
    mouse.MouseDown();
    test::Pump();
    mouse.MouseMove(rect.GetLeft() + rect.width / 2, rect.GetTop() + rect.height / 2);
    test::Pump();
    mouse.MouseUp();
    test::Pump();
    wxMilliSleep(50);
    test::Pump();
    const std::string part(typed.GetStringSelection().utf8_str());
    EXPECT_FALSE(part.empty());
    EXPECT_TRUE(EnabledIn(&dialog, kIdPartialCopy));
    const std::string offered = TextOf(&dialog, kIdOfferedAddress);
    test::Click(&dialog, kIdPartialCopy);
    EXPECT_EQ(TextOf(&dialog, kIdOfferedAddress), offered + part);
    EXPECT_FALSE(EnabledIn(&dialog, kIdPartialCopy));
    // Another line composes the address again.
    ChooseLine(&dialog, kIdPostalRows, 29);
    EXPECT_EQ(TextOf(&dialog, kIdOfferedAddress), "愛知県清須市春日新堀");
    const int answer = PressOk(dialog);
    dialog.Hide();
    return answer;
  });
  EXPECT_EQ(TextOf(window_, kIdAddress1), "愛知県清須市春日新堀");
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "4520961");
}

TEST_P(PostalSearchTest, BusinessCodeBlocksALongNameOnlyWhenItIsWritten) {
  Search({.address1 = "北海道", .company1 = "丸善雄松堂札幌"}, kBusinessCodeResultTemplate,
         [](PostalResultDialog& dialog) {
           EXPECT_EQ(TextOf(&dialog, kIdCodeText), "0048502");
           EXPECT_EQ(TextOf(&dialog, kIdTypedCompany), "丸善雄松堂札幌");
           EXPECT_FALSE(EnabledIn(&dialog, kIdOfferedBusiness));
           const std::string longName(34 * 3, 'a');  // 102 bytes
           ControlOf<wxTextCtrl>(&dialog, kIdOfferedBusiness).ChangeValue(longName);
           EXPECT_EQ(PressOk(dialog), wxID_OK);  // not written: not checked
           return wxID_CANCEL;
         });
  Search({.address1 = "北海道", .company1 = "丸善雄松堂札幌"}, kBusinessCodeResultTemplate,
         [](PostalResultDialog& dialog) {
           SetCheck(&dialog, kIdRewriteAddress, true);
           EXPECT_TRUE(EnabledIn(&dialog, kIdOfferedBusiness));
           EXPECT_TRUE(EnabledIn(&dialog, kIdTypedCompany));
           auto& business = ControlOf<wxTextCtrl>(&dialog, kIdOfferedBusiness);
           const wxString name = business.GetValue();
           business.ChangeValue(name + wxString(wxUniChar(0x3042), 40));
           wxTEST_DIALOG(EXPECT_EQ(PressOk(dialog), wxID_CANCEL),
                         ExpectMessage("100 文字以内で入力してください。", wxID_OK));
           business.ChangeValue(name);
           return PressOk(dialog);
         });
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "0048502");
  EXPECT_EQ(TextOf(window_, kIdAddress1), "北海道札幌市清田区北野六条１丁目４－６０");
  EXPECT_EQ(TextOf(window_, kIdCompany1), "丸善雄松堂　（株）　札幌支店");
}

TEST_P(PostalSearchTest, SeveralBusinessesOfACompanyName) {
  Search({.address1 = "千代田区大手町２－６－４", .company1 = "株式会社古河"}, kBusinessCodeChoiceTemplate,
         [](PostalResultDialog& dialog) {
           const std::vector<std::string> lines = LinesOf(&dialog, kIdPostalRows);
           EXPECT_EQ(lines.size(), 10u);
           EXPECT_EQ(lines.at(1), "1008370 東京都千代田区大手町２丁目６番４号　古河機械金属　株式会社");
           ChooseLine(&dialog, kIdPostalRows, 1);
           SetCheck(&dialog, kIdRewriteAddress, true);
           return PressOk(dialog);
         });
  EXPECT_EQ(TextOf(window_, kIdCompany1), "古河機械金属　株式会社");
  EXPECT_EQ(TextOf(window_, kIdAddress1), "東京都千代田区大手町２丁目６番４号");
}

TEST_P(PostalSearchTest, BusinessOfACodeInTheBusinessFileOnly) {
  Search({.code = "0038502", .company1 = "大丸", .company2 = "経理部"}, kBusinessAddressResultTemplate,
         [](PostalResultDialog& dialog) {
           EXPECT_EQ(TextOf(&dialog, kIdOfferedBusiness), "大丸　株式会社");
           EXPECT_TRUE(ShownIn(&dialog, kIdTypedCompany));
           EXPECT_EQ(TextOf(&dialog, kIdTypedCompany), "大丸経理部");
           EXPECT_EQ(test::LabelOf(&dialog, kIdPostalOk), "住所変更");
           return PressOk(dialog);
         });
  EXPECT_EQ(TextOf(window_, kIdAddress1), "北海道札幌市白石区流通センター１丁目３－４５");
  EXPECT_EQ(TextOf(window_, kIdCompany1), "大丸　株式会社");
  EXPECT_EQ(TextOf(window_, kIdCompany2), "経理部");
  EXPECT_EQ(TextOf(window_, kIdPostalCode), "0038502");

  Search({.code = "1008370"}, kBusinessAddressChoiceTemplate, [](PostalResultDialog& dialog) {
    EXPECT_EQ(LinesOf(&dialog, kIdPostalRows).at(0),
              "東京都千代田区大手町２丁目６番４号　古河運輸　株式会社　東京営業所");
    ChooseLine(&dialog, kIdPostalRows, 3);
    EXPECT_EQ(TextOf(&dialog, kIdOfferedBusiness), "古河健康保険組合");
    return PressOk(dialog);
  });
  EXPECT_EQ(TextOf(window_, kIdCompany1), "古河健康保険組合");
}

TEST_P(PostalSearchTest, TheButtonWaitsForADataFileAndAnAddressOrCode) {
  Type(window_, kIdAddress2, "　");
  EXPECT_TRUE(Enabled(kIdPostalSearch));
  wxTEST_DIALOG(test::Click(window_, kIdPostalSearch),
                ExpectMessage("郵便番号または住所のいずれかを入力してください", wxID_OK));
  Type(window_, kIdAddress2, "");
  EXPECT_FALSE(Enabled(kIdPostalSearch));
  Type(window_, kIdCompany1, "大丸");
  EXPECT_FALSE(Enabled(kIdPostalSearch));  // a company alone does not count
  services_.probe = [](SiblingProgramData& sibling) { sibling.postalDataPath.clear(); };
  editor_->UpdateEnabling();
  Type(window_, kIdAddress1, "港区");
  EXPECT_FALSE(Enabled(kIdPostalSearch));  // no data file
  // The button's tooltip says why.
  EXPECT_NE(window_->FindWindow(kIdPostalSearch)->GetToolTipText().Find("postal-import"), wxNOT_FOUND);
}

TEST_P(PostalSearchTest, TypingAnAddressAsksNothingOfTheOtherFields) {
  Type(window_, kIdMemo1, "😀");  // refused when the page is committed, not on every keystroke elsewhere
  Type(window_, kIdAddress1, "港区");
  EXPECT_TRUE(Enabled(kIdPostalSearch));
  Type(window_, kIdAddress1, "");
  EXPECT_FALSE(Enabled(kIdPostalSearch));
}

INSTANTIATE_TEST_SUITE_P(BothEncodings, PostalSearchTest, ::testing::Bool(), test::EncodingName);

// A composed address beyond 100 bytes: its code can still be taken, and only writing the address
// is refused.
TEST(PostalCodeDialogTest, AnAddressTooLongToWriteBlocksOnlyTheRewrite) {
  PostalDialogRequest request;
  request.kind = PostalDialogKind::CodeResult;
  std::string townArea;
  for (int i = 0; i < 12; ++i) townArea += Sjis("十和田湖畔");
  request.rows.push_back({"0340301", "", Sjis("青森県"), Sjis("十和田市"), townArea, ""});
  PostalCodeDialog dialog(request, true);
  test::Click(&dialog, kIdPostalOk);
  EXPECT_TRUE(dialog.Answer().ok);
  EXPECT_EQ(dialog.Answer().codeText, "0340301");

  PostalCodeDialog rewriting(request, true);
  SetCheck(&rewriting, kIdRewriteAddress, true);
  wxTEST_DIALOG(test::Click(&rewriting, kIdPostalOk),
                ExpectMessage("「住所」は半角 100 文字 (全角 50 文字) 以内で入力してください。", wxID_OK));
  EXPECT_FALSE(rewriting.Answer().ok);
}

// "都道府県名を省く" takes the prefecture off, or puts it back, and leaves what the user changed.
TEST(PostalResultDialogTest, OmittingThePrefectureKeepsTheUsersChanges) {
  const PostalRow business{"0038502", Sjis("大丸　株式会社"), Sjis("北海道"), Sjis("札幌市白石区"), Sjis("流通センター"),
                           Sjis("１丁目３－４５")};
  const struct {
    PostalDialogKind kind;
    const char* typedAfter;  // typed at the end of the offered address
  } cases[] = {{PostalDialogKind::BusinessAddressResult, "３階"}, {PostalDialogKind::BusinessCodeResult, "別館"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    PostalDialogRequest request;
    request.kind = c.kind;
    request.rows = {business};
    request.typedCompany = Sjis("大丸経理部");
    const auto dialog = MakePostalResultDialog(request, true);
    if (IsCodeDialog(c.kind)) SetCheck(dialog.get(), kIdRewriteAddress, true);
    auto& address = ControlOf<wxTextCtrl>(dialog.get(), kIdOfferedAddress);
    address.AppendText(U8(c.typedAfter));
    Type(dialog.get(), kIdOfferedBusiness, "大丸　経理部");
    SetCheck(dialog.get(), kIdOmitPrefecture, true);
    EXPECT_EQ(TextOf(dialog.get(), kIdOfferedAddress), std::string("札幌市白石区流通センター１丁目３－４５") + c.typedAfter);
    EXPECT_EQ(TextOf(dialog.get(), kIdOfferedBusiness), "大丸　経理部");
    SetCheck(dialog.get(), kIdOmitPrefecture, false);
    EXPECT_EQ(TextOf(dialog.get(), kIdOfferedAddress),
              std::string("北海道札幌市白石区流通センター１丁目３－４５") + c.typedAfter);
  }
}

// The button in the real program: the sibling's folder from the settings, then the data file in it.
TEST(PostalDataLocationTest, TheSiblingsFolderFromTheSettingsHoldsTheDataFile) {
  MemorySettingsStore settings;
  test::TempFolder folder;
  std::filesystem::create_directories(folder / "Quelta");
  test::WriteBytes(folder / "Quelta" / "QUELTAJUSHO.CSV", "\"1050011\",\"x\",\"y\",\"z\"\r\n");
  test::WriteBytes(folder / "Quelta" / "Quelta.exe", "");  // a stored executable counts only while it exists
  settings.SetString(misc::kSection, misc::kQueltaPath, (folder / "Quelta" / "Quelta.exe").string());
  AppState state(settings);
  ApplicationServices services(state);
  SiblingProgramData sibling;
  services.ReadQueltaPath(sibling);
  EXPECT_EQ(sibling.queltaFolder, folder / "Quelta");
  services.ProbePostalData(sibling);
  EXPECT_EQ(sibling.postalDataPath, (folder / "Quelta" / "QUELTAJUSHO.CSV").string());
  EXPECT_FALSE(sibling.postalDataUnicode);
  // The UTF-16 file takes over only once the file in use has gone.
  test::WriteBytes(folder / "Quelta" / "QUELTAUNIJUSHO.CSV", "");
  services.ProbePostalData(sibling);
  EXPECT_FALSE(sibling.postalDataUnicode);
  std::filesystem::remove(folder / "Quelta" / "QUELTAJUSHO.CSV");
  services.ProbePostalData(sibling);
  EXPECT_EQ(sibling.postalDataPath, (folder / "Quelta" / "QUELTAUNIJUSHO.CSV").string());
  EXPECT_TRUE(sibling.postalDataUnicode);
}

}  // namespace
}  // namespace mirelon

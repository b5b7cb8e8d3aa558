// The contacts flows as a user goes through them (the window menu is in editor_input_test): the
// import through its preview, the column map of an unknown table kept in the settings, the export.
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>

#include "book/address_book.h"
#include "contacts/contact_files.h"
#include "gui/support/editor_fixture.h"
#include "platform/utf8_path.h"
#include "gui/app/application_services.h"
#include "gui/dialogs/column_map_dialog.h"
#include "gui/dialogs/contact_import_dialog.h"
#include "gui/kit/file_chooser.h"
#include "res/contacts_resources.h"
#include "res/editor_resources.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

using test::ExpectDialog;
using test::ExpectMessage;
using test::LabelOf;
using test::TextOf;

std::filesystem::path Fixture(const char* name) { return std::filesystem::path(MIRELON_TEST_DATA) / "contacts" / name; }

ExpectDialog<wxFileDialog> Choose(const std::filesystem::path& path, int filter = 0) {
  return ExpectDialog<wxFileDialog>([=](wxFileDialog& dialog) {
    dialog.SetPath(FromPath(path));
    dialog.SetFilterIndex(filter);
    return wxID_OK;
  });
}

std::vector<std::string> Items(wxWindow* window, int id) {
  std::vector<std::string> items;
  for (const wxString& item : test::ControlOf<wxListBox>(window, id).GetStrings()) items.emplace_back(item.utf8_str());
  return items;
}

class ContactsGui : public test::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    services_.importContacts = [this](wxWindow* parent) { return app_.ImportContacts(parent); };
    services_.exportContacts = [this](wxWindow* parent) { app_.ExportContacts(parent); };
  }
  // The window menu's items, with the program's flows behind them.
  void Menu(int command) {
    wxCommandEvent event(wxEVT_MENU, command);
    window_->ProcessWindowEvent(event);
    test::Pump();
  }
  void Import() { Menu(res::kCommandImportContacts); }
  void Export() { Menu(res::kCommandExportContacts); }

  ApplicationServices app_{state_};
  test::TempFolder folder_;
};

TEST_F(ContactsGui, ImportShowsThePreviewThenAddsAndKeepsThePageOnDisplay) {
  const int page = AddRecord("ワタナベ", "渡辺");
  Open();
  editor_->ShowPage(page);
  editor_->SetCurrentPage(page);
  book_.modified = false;
  wxString reports;
  wxTEST_DIALOG(Import(), Choose(Fixture("phone_export.vcf")),
                ExpectDialog<ContactImportDialog>([&](ContactImportDialog& dialog) {
                  EXPECT_EQ(LabelOf(&dialog, res::kIdContactCounts), "新規 4件、更新 0件、変更なし 0件、取り込めない 0件");
                  EXPECT_EQ(Items(&dialog, res::kIdContactEntries),
                            (std::vector<std::string>{"新規\t1件目「青木 太郎」", "新規\t2件目「伊藤 健司」",
                                                      "新規\t3件目「吉田 𠮷男」", "新規\t4件目「上田 誠」"}));
                  EXPECT_FALSE(dialog.FindWindow(res::kIdContactColumns)->IsShown());
                  reports = dialog.ReportText();
                  test::Click(&dialog, res::kIdCopyContactReports);
                  EXPECT_EQ(book_.recordCount(), 1) << "nothing changes before 取り込む";
                  return wxID_OK;
                }));
  EXPECT_EQ(std::count(reports.begin(), reports.end(), '\n'), 5);
  EXPECT_EQ(TextOf(editor_->Window(), res::kIdRegistrationName), "ワタナベ");
  EXPECT_EQ(editor_->CurrentPage(), 5);
  EXPECT_EQ(LabelOf(window_, res::kIdRecordCount), "/5");
  EXPECT_TRUE(book_.modified);
  wxTextDataObject copied;
  if (wxTheClipboard->Open()) {
    wxTheClipboard->GetData(copied);
    wxTheClipboard->Close();
  }
  EXPECT_EQ(copied.GetText(), reports);

  // Cancelled, nothing changes.
  wxTEST_DIALOG(Import(), Choose(Fixture("v4_card.vcf")),
                ExpectDialog<ContactImportDialog>([](ContactImportDialog&) { return wxID_CANCEL; }));
  EXPECT_EQ(book_.recordCount(), 5);
}

TEST_F(ContactsGui, AnUnknownTableIsMappedOverItsFirstRowsAndTheMapIsKept) {
  Open();
  const auto mapColumns = [](ColumnMapDialog& dialog) {
    EXPECT_EQ(std::string(ColumnHeading("お名前", dialog.Mapping()[0]).utf8_str()), "お名前 → （取り込まない）");
    test::Select(&dialog, res::kIdColumnChoice, 0);
    test::Select(&dialog, res::kIdColumnField, 13);  // 名前
    test::Select(&dialog, res::kIdColumnChoice, 1);
    test::Select(&dialog, res::kIdColumnField, 1);  // 登録名
    return wxID_OK;
  };
  wxTEST_DIALOG(Import(), Choose(Fixture("unknown_header.csv")),
                ExpectDialog<ColumnMapDialog>(mapColumns),
                ExpectDialog<ContactImportDialog>([](ContactImportDialog& dialog) {
                  EXPECT_EQ(LabelOf(&dialog, res::kIdContactCounts), "新規 2件、更新 0件、変更なし 0件、取り込めない 0件");
                  EXPECT_TRUE(dialog.FindWindow(res::kIdContactColumns)->IsShown());
                  return wxID_OK;
                }));
  EXPECT_EQ(StoredColumnMap(settings_), "お名前=name,おなまえ(かな)=registrationName");
  EXPECT_EQ(book_.recordCount(), 2);
  // The next such table starts from the kept map.
  ContactSource source;
  ReadContactFile(Fixture("unknown_header.csv"), source);
  EXPECT_EQ(MappingFromStored(settings_, source.table.header)[1].field, ContactField::RegistrationName);
}

TEST_F(ContactsGui, ExportWritesTheChosenKindAndSaysSo) {
  AddRecord("アイ", "愛");
  Open();
  wxTEST_DIALOG(Export(), Choose(folder_ / "out", 1),
                ExpectMessage("1件の連絡先を書き出しました\n" + PathToUtf8(folder_ / "out.csv"), wxID_OK));
  EXPECT_TRUE(test::ReadBytes(folder_ / "out.csv").starts_with("\xEF\xBB\xBF登録名,"));
}

}  // namespace
}  // namespace mirelon

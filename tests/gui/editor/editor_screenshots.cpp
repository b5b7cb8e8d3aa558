// Writes screenshots of the editor (both templates, a record in every field), the explanation
// panel, the history dialogs, message boxes (one of them the sibling program's blocking message), the
// version box, the contacts import and column-map windows, the options and history merge windows, the postal result windows and the index window into the folder given as the first
// argument. Run under xvfb-run with ImageMagick's import (scripts/screenshots).
#include <cstdio>

#include <wx/app.h>

#include "appcore/app_state.h"
#include "appcore/program_settings.h"
#include "gui/support/fake_editor_services.h"
#include "contacts/contact_files.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/column_map_dialog.h"
#include "gui/dialogs/contact_import_dialog.h"
#include "gui/dialogs/history_view_dialog.h"
#include "gui/dialogs/merge_dialog.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/editor/explanation_panel.h"
#include "gui/kit/message_box.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/toolkit_style.h"
#include "gui/kit/wx_text.h"
#include "gui/postal/postal_screenshots.h"
#include "gui/support/screenshot_support.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

AddressRecord FullRecord() {
  AddressRecord r;
  r.registrationName = "ヤマダ タロウ"_sjis;
  r.postalCode = "100-0001"_sjis;
  r.address1 = "東京都千代田区千代田１丁目１番１号"_sjis;
  r.address2 = "千代田レジデンス１０１号室"_sjis;
  r.company1 = "株式会社 山田商事"_sjis;
  r.company2 = "東京本社 営業部"_sjis;
  r.position = "営業部長"_sjis;
  r.name = "山田 太郎"_sjis;
  r.honorific = "様"_sjis;
  r.jointName1 = "花子"_sjis;
  r.jointHonorific1 = "様"_sjis;
  r.jointName2 = "一郎"_sjis;
  r.jointHonorific2 = "くん"_sjis;
  r.jointName3 = "さくら"_sjis;
  r.jointHonorific3 = "ちゃん"_sjis;
  r.phone = "03-1234-5678"_sjis;
  r.fax = "03-1234-5679"_sjis;
  r.mobile = "090-1234-5678"_sjis;
  r.email = "taro.yamada@example.jp"_sjis;
  r.memo1 = "大学の同期\r\n毎年一月に会う"_sjis;
  r.memo2 = "子供が三人"_sjis;
  r.initialSendState = "送信する"_sjis;
  r.sendHistory = "○○○○○○×○○後"_sjis;
  r.receiveHistory = "○○○○○○○○受○"_sjis;
  return r;
}

// The import window over a phone's export, the column map over a table of unknown columns.
void CaptureContactWindows(wxWindow* parent, const AddressBook& book, ProgramSettings& settings) {
  const std::filesystem::path data = std::filesystem::path(MIRELON_TEST_DATA) / "contacts";
  ContactSource cards;
  ReadContactFile(data / "phone_export.vcf", cards);
  ContactImportDialog import(parent, book, cards, settings, data / "phone_export.vcf");
  import.Show();
  Capture(&import, "contact_import");
  import.Hide();
  ContactSource table;
  ReadContactFile(data / "unknown_header.csv", table);
  ColumnMapDialog columns(parent, table.table, table.columns, true);
  columns.Show();
  Capture(&columns, "column_map");
}

// The options and the history merge over the book.
void CaptureBookWindows(wxWindow* parent, AddressBook& book, ProgramSettings& settings) {
  OptionsDialog options(parent, book, settings);
  options.Show();
  Capture(&options, "options");
  options.Hide();
  HistoryMergeDialog merge(parent, book, true);
  merge.Show();
  Capture(&merge, "history_merge");
}

class ScreenshotApp final : public wxApp {
 public:
  bool OnInit() override {
    if (argc < 2) {
      std::fprintf(stderr, "usage: mirelon_screenshots FOLDER\n");
      return false;
    }
    SetScreenshotFolder(argv[1]);
    ApplyToolkitStyle();
    state_.settings.SetConvHistChar(true);
    state_.book.year = 2014;
    state_.book.file.baseName = "年賀状2014";
    state_.book.AddRecord(FullRecord());
    return true;
  }

  int OnRun() override {
    for (int templateNumber : {res::kEditorFullTemplate, res::kEditorCompactTemplate}) {
      state_.editorTemplate = templateNumber;
      test::FakeEditorServices services;
      AddressEditorDialog editor(state_, services);
      editor.CreateEditorWindow();
      Capture(editor.Window(), templateNumber == res::kEditorFullTemplate ? "editor_130" : "editor_138");
      if (templateNumber == res::kEditorFullTemplate) {
        wxWindow* panel = editor.Window()->FindWindow(res::kIdExplanationPanel);
        panel->Show();
        panel->Raise();
        Capture(editor.Window(), "editor_explanation");
        HistoryViewDialog view(editor.Window(), state_.book, 1, HistoryKind::Send, state_.dialogTextHeight, true);
        view.Show();
        Capture(&view, "history_view");
        HistoryEditDialog edit(editor.Window(), 2014, "受信", state_.book.record(0).receiveHistory, true);
        edit.Show();
        Capture(&edit, "history_edit");
        MessageBoxDialog box(editor.Window(), U8("最新送信履歴も変更しますか？"), PromptButtons::YesNo);
        box.Show();
        Capture(&box, "message_box");
        box.Hide();
        MessageBoxDialog deletion(editor.Window(), U8("このページを削除します\n\"アオキ　タロウ\""),
                                  PromptButtons::OkCancelDefaultCancel);
        deletion.Show();
        Capture(&deletion, "message_box_delete");
        deletion.Hide();
        MessageBoxDialog running(editor.Window(),
                                 U8("Quelta 起動中は Mirelon の操作はできません\nQuelta を終了させてから続行してください"),
                                 PromptButtons::Ok);
        running.Show();
        Capture(&running, "quelta_running");
        running.Hide();
        CaptureContactWindows(editor.Window(), state_.book, state_.settings);
        CaptureBookWindows(editor.Window(), state_.book, state_.settings);
      }
      editor.DestroyEditorWindow();
      Settle();
    }
    CapturePostalWindows([](wxWindow* window, const char* name) { Capture(window, name); });
    return 0;
  }

 private:
  MemorySettingsStore settings_;
  AppState state_{settings_};
};

}  // namespace
}  // namespace mirelon

wxIMPLEMENT_APP_NO_MAIN(mirelon::ScreenshotApp);

int main(int argc, char** argv) { return wxEntry(argc, argv); }

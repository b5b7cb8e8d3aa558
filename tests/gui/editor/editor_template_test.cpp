// Both editor templates: every control of the editor with its number, captions in full, and
// tooltips that follow toolTipCtrl.
#include <algorithm>

#include <wx/button.h>
#include <wx/stattext.h>

#include "gui/support/editor_fixture.h"
#include "gui/dialogs/about_dialog.h"
#include "res/about_resources.h"
#include "res/editor_tooltips.h"

namespace mirelon::test {
namespace {

using namespace res;

class EditorTemplates : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(EditorTemplates, EveryCaptionFitsItsControl) {
  AddRecord("あべ");
  Open(GetParam());
  const wxSize client = window_->GetClientSize();
  for (wxWindow* child : window_->GetChildren()) {
    if (!child->IsShown()) continue;
    const wxRect rect = child->GetRect();
    EXPECT_LE(rect.GetRight(), client.x) << child->GetId();
    EXPECT_LE(rect.GetBottom(), client.y) << child->GetId();
    const bool button = dynamic_cast<wxButton*>(child) != nullptr;
    if (!button && dynamic_cast<wxStaticText*>(child) == nullptr) continue;
    const int padding = button ? 12 : 0;  // the theme's button border and inner spacing
    const wxString caption = child->GetLabel();
    EXPECT_LE(child->GetTextExtent(caption).x + padding, rect.width) << caption.utf8_str();
  }
}

TEST_P(EditorTemplates, CarryTheirOwnCaptions) {
  Open(GetParam());
  const bool compact = GetParam() == kEditorCompactTemplate;
  EXPECT_EQ(LabelOf(window_, kIdReadFile), compact ? "ﾌｧｲﾙ読込" : "ファイル読込");
  EXPECT_EQ(LabelOf(window_, kIdOptions), compact ? "ｵﾌﾟｼｮﾝ操作" : "オプション操作");
  EXPECT_EQ(LabelOf(window_, kIdNewPage), compact ? "新規" : "新　規");
  EXPECT_EQ(LabelOf(window_, kIdPostalSearch), compact ? "〒" : "〒検索");
  EXPECT_EQ(LabelOf(window_, kIdCancel), "終　了");
  // The template's own year placeholders, before the book's year replaces them.
  const auto& controls = EditorTemplate(GetParam()).controls;
  const auto templateText = [&](int id) {
    return std::string(std::find_if(controls.begin(), controls.end(), [id](const auto& c) { return c.id == id; })->text);
  };
  EXPECT_EQ(templateText(kIdFirstYear), "2001");
  EXPECT_EQ(templateText(kIdFirstYear + 4), "2005");
  EXPECT_EQ(templateText(kIdFirstZodiac), "巳");
  EXPECT_EQ(templateText(kIdFirstZodiac + 4), "酉");
  const wxSize units = window_->ConvertDialogToPixels(compact ? wxSize(362, 268) : wxSize(403, 361));
  EXPECT_EQ(window_->GetClientSize(), units);
  // The spin beside the page field, no taller than it.
  const wxRect spin = ControlOf<wxWindow>(window_, kIdPageSpin).GetRect();
  const wxRect field = ControlOf<wxWindow>(window_, kIdPageNumber).GetRect();
  EXPECT_LE(spin.height, field.height);
  EXPECT_GE(spin.y, field.y);
}

// A window manager's title bar and frame take about this much around the client area.
constexpr int kFrameWidth = 4;
constexpr int kFrameHeight = 40;

TEST_F(EditorTest, TheCompactLayoutFitsASmallScreenWithItsTitleBar) {
  Open(kEditorCompactTemplate);
  const wxSize client = window_->GetClientSize();
  EXPECT_LE(client.x + kFrameWidth, 640);
  EXPECT_LE(client.y + kFrameHeight, 480);
}

INSTANTIATE_TEST_SUITE_P(FullAndCompact, EditorTemplates, ::testing::Values(kEditorFullTemplate, kEditorCompactTemplate));

TEST_F(EditorTest, TooltipsFollowTheSettingAndDistinguishTheNewestSendMark) {
  state_.settings.SetToolTipCtrl(false);
  Open();
  for (const TooltipEntry& entry : EditorTooltips()) {
    for (int id : entry.ids) EXPECT_EQ(window_->FindWindow(id)->GetToolTip(), nullptr) << id;
  }
  services_.options = [this](wxWindow*) { state_.settings.SetToolTipCtrl(true); };
  AddRecord("あべ");
  Click(window_, kIdOptions);
  const auto tip = [&](int id) { return std::string(window_->FindWindow(id)->GetToolTipText().utf8_str()); };
  EXPECT_EQ(tip(kIdDeletePage), "現在表示中の１件の住所が削除されます。");
  EXPECT_EQ(tip(kIdFirstReceiveMark), tip(kIdFirstReceiveMark + 4));
  EXPECT_EQ(tip(kIdFirstSendMark), tip(kIdFirstSendMark + 3));
  EXPECT_NE(tip(kIdFirstSendMark), tip(kIdFirstSendMark + 4));
  EXPECT_EQ(tip(kIdMemo1).find('\r'), std::string::npos);  // CR LF shown as line breaks
}

TEST(AboutBox, NamesTheProgramAndItsVersion) {
  wxTEST_DIALOG(ShowAboutDialog(nullptr), ExpectDialog<TemplateDialog>([](TemplateDialog& about) {
                  EXPECT_EQ(about.GetTitle(), U8("Mirelon のﾊﾞｰｼﾞｮﾝ情報"));
                  EXPECT_EQ(LabelOf(&about, kIdAboutVersion).rfind("Mirelon バージョン ", 0), 0u);
                  return wxID_OK;
                }));
}

}  // namespace
}  // namespace mirelon::test

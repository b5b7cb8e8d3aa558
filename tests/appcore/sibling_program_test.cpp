// The postal search button's tooltip: where the data was looked for, or why a short code searches
// the address.
#include <gtest/gtest.h>

#include "appcore/sibling_program.h"
#include "platform/user_folders.h"
#include "platform/utf8_path.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

TEST(PostalSearchTooltip, NamesThePlacesAndFilesOrTheShortCode) {
  // The user's folders as this system names them.
  const std::string documents = PathToUtf8(UserDocumentsFolder());
  const std::string data = PathToUtf8(UserDataFolder());
  const SiblingProgramData none;
  SiblingProgramData inSibling;
  inSibling.queltaFolder = "/opt/quelta/";
  SiblingProgramData found;
  found.postalDataPath = "/opt/quelta/QUELTAJUSHO.CSV";
  const struct {
    const SiblingProgramData& sibling;
    const char* code;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
  } cases[] = {
      {none, "",
       {documents + "  (QUELTAUNIJUSHO.CSV)", data + "  (QUELTAUNIJUSHO.CSV)", "「Quelta 起動」で",
        "mirelon-tool postal-import"},
       {"QUELTAJUSHO.CSV", "usual"}},
      {inSibling, "", {"/opt/quelta/  (QUELTAUNIJUSHO.CSV または QUELTAJUSHO.CSV)"}, {"「Quelta 起動」で"}},
      {found, "452-096", {"usual\r\n", "７桁ではない"}, {"見付からない"}},
      {found, "４５２－０９６１", {"usual"}, {"７桁"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const std::string tip = PostalSearchTooltip(c.sibling, Sjis(c.code), "usual");
    for (const std::string& part : c.shown) EXPECT_NE(tip.find(part), std::string::npos) << part << "\n" << tip;
    for (const std::string& part : c.notShown) EXPECT_EQ(tip.find(part), std::string::npos) << part << "\n" << tip;
  }
}

}  // namespace
}  // namespace mirelon

// The postal search button's tooltip: where the data was looked for, or why a short code searches
// the address.
#include <cstdlib>

#include <gtest/gtest.h>

#include "appcore/sibling_program.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

TEST(PostalSearchTooltip, NamesThePlacesAndFilesOrTheShortCode) {
  test::TempFolder home;
  const std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", home.path().c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
  const std::string homeText = home.path().string();
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
       {homeText + "  (QUELTAUNIJUSHO.CSV)", homeText + "/data/Mirelon  (QUELTAUNIJUSHO.CSV)", "「Quelta 起動」で",
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
  ::setenv("HOME", previousHome.c_str(), 1);
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace mirelon

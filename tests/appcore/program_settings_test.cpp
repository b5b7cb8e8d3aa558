// The settings object: the switches' defaults, read once, and every writer reaching the copy and
// the store together.
#include <gtest/gtest.h>

#include <functional>

#include "appcore/program_settings.h"

namespace mirelon {
namespace {

TEST(ProgramSettings, SwitchesDefaultAndAreReadOnceWhenMade) {
  MemorySettingsStore store;
  const ProgramSettings empty(store);
  EXPECT_FALSE(empty.Switches().convHistChar);
  EXPECT_FALSE(empty.Switches().postal.kenmeiNashi || empty.Switches().postal.bangoHyphen ||
               empty.Switches().postal.bangoZenkaku);
  EXPECT_TRUE(empty.Switches().toolTipCtrl);

  store.SetInt(misc::kSection, misc::kToolTipCtrl, 0);
  store.SetInt(misc::kSection, misc::kBangoZenkaku, 2);  // any non-zero value is on
  const ProgramSettings read(store);
  EXPECT_FALSE(read.Switches().toolTipCtrl);
  EXPECT_TRUE(read.Switches().postal.bangoZenkaku);
  EXPECT_TRUE(empty.Switches().toolTipCtrl);  // made before: its copy stays
}

TEST(ProgramSettings, EveryWriterUpdatesTheCopyAndTheStore) {
  const struct {
    const char* name;  // the value written, to 1 (or 0 for toolTipCtrl)
    std::function<void(ProgramSettings&)> write;
    std::function<bool(const MiscSwitches&)> copied;
  } cases[] = {
      {misc::kConvHistChar, [](ProgramSettings& s) { s.SetConvHistChar(true); }, [](const MiscSwitches& m) { return m.convHistChar; }},
      {misc::kToolTipCtrl, [](ProgramSettings& s) { s.SetToolTipCtrl(false); }, [](const MiscSwitches& m) { return !m.toolTipCtrl; }},
      {misc::kBangoHyphen, [](ProgramSettings& s) { s.SetPostalOptions({false, true, false}); },
       [](const MiscSwitches& m) { return m.postal.bangoHyphen && !m.postal.kenmeiNashi && !m.postal.bangoZenkaku; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettingsStore store;
    ProgramSettings settings(store);
    c.write(settings);
    EXPECT_TRUE(c.copied(settings.Switches()));
    EXPECT_EQ(store.GetInt(misc::kSection, c.name, -1), c.name == misc::kToolTipCtrl ? 0 : 1);
  }
}

}  // namespace
}  // namespace mirelon

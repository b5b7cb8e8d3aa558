#include <gtest/gtest.h>

#include "appcore/list_window_size.h"
#include "appcore/program_settings.h"
#include "platform/settings_store.h"

namespace mirelon {
namespace {

TEST(ListWindowSize, OpensMaximisedOnAnyNegativeAndAtTheSizeOnlyWhenBothArePositive) {
  struct Case {
    int width, height;
    bool maximised;
    int openWidth, openHeight;
  };
  for (const Case& c : {Case{-1, -1, true, 0, 0}, Case{-1, 600, true, 0, 0}, Case{800, -1, true, 0, 0},
                        Case{0, 0, false, 0, 0}, Case{800, 0, false, 0, 0}, Case{800, 600, false, 800, 600}}) {
    MemorySettingsStore settings;
    settings.SetInt(misc::kSection, misc::kWndWidth, c.width);
    settings.SetInt(misc::kSection, misc::kWndHeight, c.height);
    const ListWindowStart start = ReadListWindowStart(settings);
    EXPECT_EQ(start.maximised, c.maximised) << c.width << "x" << c.height;
    EXPECT_EQ(start.width, c.openWidth) << c.width << "x" << c.height;
    EXPECT_EQ(start.height, c.openHeight) << c.width << "x" << c.height;
  }
}

TEST(ListWindowSize, ClosingStoresTheStateOrTheOuterSize) {
  MemorySettingsStore settings;
  const auto stored = [&] {
    return std::pair(settings.GetInt(misc::kSection, misc::kWndWidth, 99),
                     settings.GetInt(misc::kSection, misc::kWndHeight, 99));
  };
  StoreListWindowSize(settings, ListWindowState::Maximised, 1280, 1024);
  EXPECT_EQ(stored(), std::pair(-1, -1));
  StoreListWindowSize(settings, ListWindowState::Minimised, 1280, 1024);
  EXPECT_EQ(stored(), std::pair(0, 0));
  StoreListWindowSize(settings, ListWindowState::Normal, 700, 500);
  EXPECT_EQ(stored(), std::pair(700, 500));
}

}  // namespace
}  // namespace mirelon

#include "appcore/dialog_colour.h"

#include <gtest/gtest.h>

namespace mirelon {
namespace {

RgbColour Rgb(int r, int g, int b) { return {r, g, b}; }

TEST(DialogColour, DarkColoursAreRaisedToLightnessSevenTenthsAndTruncated) {
  EXPECT_EQ(ParseDialogColour("50 50 50"), Rgb(178, 178, 178));
  EXPECT_EQ(ParseDialogColour("200 100 50"), Rgb(224, 163, 132));
  EXPECT_EQ(ParseDialogColour("100 149 237"), Rgb(117, 161, 239));
  // Green and blue land just below 102 in double precision.
  EXPECT_EQ(ParseDialogColour("255 0 0"), Rgb(255, 101, 101));
}

TEST(DialogColour, LightColoursAreLeftExactlyAsTheyWere) {
  EXPECT_EQ(ParseDialogColour("192 192 192"), Rgb(192, 192, 192));
  EXPECT_EQ(ParseDialogColour("255 255 255"), Rgb(255, 255, 255));
}

TEST(DialogColour, OutOfRangeAndUnreadComponentsCountAsZero) {
  EXPECT_EQ(ParseDialogColour("0 0 0"), Rgb(0, 0, 0));
  EXPECT_EQ(ParseDialogColour(""), Rgb(0, 0, 0));
  EXPECT_EQ(ParseDialogColour("300 0 0"), Rgb(0, 0, 0));
  EXPECT_EQ(ParseDialogColour("-5 0 0"), Rgb(0, 0, 0));
  EXPECT_EQ(ParseDialogColour("99999999999 0 0"), Rgb(0, 0, 0));
  // "%d %d %d" stops at the first component it cannot read; the red one alone is lightened.
  EXPECT_EQ(ParseDialogColour("255 x 7"), Rgb(255, 101, 101));
}

TEST(DialogColour, HueOrderFavoursRedThenGreenWhenComponentsTie) {
  const HslColour yellow = RgbToHsl(1.0, 1.0, 0.0);
  EXPECT_DOUBLE_EQ(yellow.hue, 1.0 / 6.0);
  const HslColour grey = RgbToHsl(0.5, 0.5, 0.5);
  EXPECT_EQ(grey.hue, -1);
  EXPECT_EQ(grey.saturation, 0);
  const HslColour blue = RgbToHsl(0.0, 0.0, 1.0);
  EXPECT_DOUBLE_EQ(blue.hue, 4.0 / 6.0);
}

TEST(DialogColour, HueToComponentCorrectsTheHueOnceOnly) {
  EXPECT_DOUBLE_EQ(HueToComponent(0.2, 0.8, -1.0), 0.2);  // -1 + 6 = 5: m1
  EXPECT_DOUBLE_EQ(HueToComponent(0.2, 0.8, 6.5), 0.5);   // 0.5: rising edge
  EXPECT_DOUBLE_EQ(HueToComponent(0.2, 0.8, 2.0), 0.8);
  EXPECT_DOUBLE_EQ(HueToComponent(0.2, 0.8, 3.5), 0.5);   // falling edge
}

TEST(DialogColour, FormatsTheStoredForm) { EXPECT_EQ(FormatDialogColour(Rgb(224, 163, 132)), "224 163 132"); }

}  // namespace
}  // namespace mirelon

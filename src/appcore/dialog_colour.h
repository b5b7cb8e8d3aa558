// Colour maths of the dialog background (no wx): the bkColor text, and the lightening of a colour
// too dark for black dialog text to lightness 0.7 in the hue/saturation/lightness model.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

struct RgbColour {
  int red = 0;
  int green = 0;
  int blue = 0;
  // A sum of 0 means "no colour of the program's own".
  int Sum() const { return red + green + blue; }
  bool operator==(const RgbColour&) const = default;
};

// Hue in [0, 1) (-1 for a grey), saturation and lightness in [0, 1].
struct HslColour {
  double hue = 0;
  double saturation = 0;
  double lightness = 0;
};

// Up to three decimal integers separated by blanks; unread components stay 0; then lightened.
RgbColour ParseDialogColour(std::string_view text);
// "%d %d %d", the form stored in bkColor.
std::string FormatDialogColour(const RgbColour& colour);

// Components outside 0..255 become 0; a colour darker than lightness 0.7 is raised to it.
void BrightenColour(RgbColour& colour);

// Components in unit range.
HslColour RgbToHsl(double red, double green, double blue);
void HslToRgb(const HslColour& hsl, double& red, double& green, double& blue);
double HueToComponent(double m1, double m2, double hue);

}  // namespace mirelon

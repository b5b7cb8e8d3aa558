#include "appcore/dialog_colour.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace mirelon {
namespace {

// The exact factors of the original arithmetic: results are truncated, so a division in place of
// a multiplication by the rounded reciprocal could move a component by one.
constexpr double kToUnit = 1.0 / 255.0;
constexpr double kFromUnit = 255.0;
constexpr double kLightnessFloor = 0.7;
constexpr double kHueScale = 1.0 / 6.0;
constexpr double kHueSextants = 6.0;

// One "%d" conversion: blanks, an optional sign, digits. False when no digit follows.
bool ScanInt(std::string_view text, size_t& pos, int& value) {
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
  size_t p = pos;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  if (p >= text.size() || !std::isdigit(static_cast<unsigned char>(text[p]))) return false;
  long long magnitude = 0;
  for (; p < text.size() && std::isdigit(static_cast<unsigned char>(text[p])); ++p) {
    magnitude = std::min(magnitude * 10 + (text[p] - '0'), 1LL << 40);  // huge values are out of range anyway
  }
  pos = p;
  value = static_cast<int>(std::clamp(negative ? -magnitude : magnitude, -(1LL << 31), (1LL << 31) - 1));
  return true;
}

}  // namespace

RgbColour ParseDialogColour(std::string_view text) {
  RgbColour colour;
  size_t pos = 0;
  for (int* component : {&colour.red, &colour.green, &colour.blue}) {
    if (!ScanInt(text, pos, *component)) break;
  }
  BrightenColour(colour);
  return colour;
}

std::string FormatDialogColour(const RgbColour& colour) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%d %d %d", colour.red, colour.green, colour.blue);
  return buffer;
}

void BrightenColour(RgbColour& colour) {
  for (int* component : {&colour.red, &colour.green, &colour.blue}) {
    if (*component < 0 || *component > 255) *component = 0;
  }
  if (colour.Sum() == 0) return;
  HslColour hsl = RgbToHsl(colour.red * kToUnit, colour.green * kToUnit, colour.blue * kToUnit);
  if (hsl.lightness >= kLightnessFloor) return;
  hsl.lightness = kLightnessFloor;
  double red, green, blue;
  HslToRgb(hsl, red, green, blue);
  colour.red = static_cast<int>(red * kFromUnit);
  colour.green = static_cast<int>(green * kFromUnit);
  colour.blue = static_cast<int>(blue * kFromUnit);
}

HslColour RgbToHsl(double red, double green, double blue) {
  const double max = std::max({red, green, blue});
  const double min = std::min({red, green, blue});
  HslColour hsl;
  hsl.lightness = (max + min) * 0.5;
  if (max == min) {
    hsl.saturation = 0;
    hsl.hue = -1;
    return hsl;
  }
  const double delta = max - min;
  hsl.saturation = hsl.lightness > 0.5 ? delta / (2 - max - min) : delta / (max + min);
  if (red == max) {
    hsl.hue = (green - blue) / delta;
  } else if (green == max) {
    hsl.hue = (blue - red) / delta + 2;
  } else {
    hsl.hue = (red - green) / delta + 4;
  }
  hsl.hue *= kHueScale;
  if (hsl.hue < 0) hsl.hue += 1;
  return hsl;
}

void HslToRgb(const HslColour& hsl, double& red, double& green, double& blue) {
  if (hsl.saturation == 0) {
    red = green = blue = hsl.lightness;
    return;
  }
  const double l = hsl.lightness;
  const double s = hsl.saturation;
  const double m2 = l > 0.5 ? l + s - l * s : l * (1 + s);
  const double m1 = 2 * l - m2;
  red = HueToComponent(m1, m2, kHueSextants * hsl.hue + 2);
  green = HueToComponent(m1, m2, kHueSextants * hsl.hue);
  blue = HueToComponent(m1, m2, kHueSextants * hsl.hue - 2);
}

double HueToComponent(double m1, double m2, double hue) {
  if (hue > kHueSextants) {
    hue -= kHueSextants;
  } else if (hue < 0) {
    hue += kHueSextants;
  }
  if (hue < 1) return m1 + (m2 - m1) * hue;
  if (hue < 3) return m2;
  if (hue < 4) return m1 + (m2 - m1) * (4 - hue);
  return m1;
}

}  // namespace mirelon

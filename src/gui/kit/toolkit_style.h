// Program-wide corrections of the toolkit's theme that a style given to one control cannot reach.
#pragma once

namespace mirelon {

// Start-up, once the toolkit runs: on GTK a drop-down's inner button keeps the theme's padding and
// pushes its text below a template's row height; the padding is taken off for the whole screen.
// Elsewhere nothing is needed.
void ApplyToolkitStyle();

}  // namespace mirelon

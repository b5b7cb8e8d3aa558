// The user's browser, as the desktop registers it for pages.
#pragma once

#include <filesystem>

#include "platform/process.h"

namespace mirelon {

// How long the browser may take to take a page.
inline constexpr std::chrono::milliseconds kBrowserStartLimit{5000};

// Opens `page` in the user's browser and waits, at most kBrowserStartLimit with `pump` between
// looks, until the browser has it. False when no browser could be started or it gave up on the
// page at once.
bool OpenPage(const std::filesystem::path& page, const WaitPump& pump = {});

}  // namespace mirelon

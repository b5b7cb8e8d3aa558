// The icon's PNG files as bytes; the definitions are generated from res/ at build time.
#pragma once

#include <cstddef>
#include <vector>

namespace mirelon {

struct EmbeddedImage {
  const unsigned char* data;
  size_t size;
};

const std::vector<EmbeddedImage>& AppIconImages();

}  // namespace mirelon

#include "cards/card_fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ot.h>
#include <hb.h>

#include <array>
#include <filesystem>
#include <string>
#include <system_error>

#include "book/safe_file.h"
#include "platform/user_folders.h"
#include "platform/utf8_path.h"

namespace mirelon {
namespace {

constexpr size_t kMaxFontBytes = 64u << 20;

std::string_view FileName(CellFont font) { return font == CellFont::Gothic ? kGothicFile : kMinchoFile; }

std::filesystem::path Locate(std::string_view name) {
  std::error_code error;
  for (const std::filesystem::path& folder : FontFolders()) {
    const std::filesystem::path candidate = folder / PathFromUtf8(name);
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return {};
}

// Both fonts, loaded at first use and kept for the program's life (cairo and HarfBuzz hold on to
// them across calls; they are never unloaded).
class LoadedFonts {
 public:
  LoadedFonts() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    for (const CellFont font : {CellFont::Mincho, CellFont::Gothic}) Load(font);
  }
  const CardFace* Face(CellFont font) const {
    const Slot& slot = slots_[static_cast<size_t>(font)];
    return slot.loaded ? &slot.face : nullptr;
  }

 private:
  struct Slot {
    std::filesystem::path file;
    std::string bytes;
    CardFace face;
    bool loaded = false;
  };

  void Load(CellFont font) {
    Slot& slot = slots_[static_cast<size_t>(font)];
    slot.file = Locate(FileName(font));
    if (slot.file.empty() || library_ == nullptr) return;
    // Read into memory rather than opened by name: the libraries take narrow file names, which
    // cannot hold every path on every system.
    if (ReadWholeFile(slot.file, kMaxFontBytes, slot.bytes) != FileIoResult::Done) return;
    const auto* data = reinterpret_cast<const FT_Byte*>(slot.bytes.data());
    FT_Face ftFace = nullptr;
    if (FT_New_Memory_Face(library_, data, static_cast<FT_Long>(slot.bytes.size()), 0, &ftFace) != 0) return;
    hb_blob_t* blob = hb_blob_create(slot.bytes.data(), static_cast<unsigned>(slot.bytes.size()),
                                     HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    hb_face_t* hbFace = hb_face_create(blob, 0);
    hb_blob_destroy(blob);
    CardFace& face = slot.face;
    face.unitsPerEm = hb_face_get_upem(hbFace);
    face.shaper = hb_font_create(hbFace);
    hb_face_destroy(hbFace);
    hb_font_set_scale(face.shaper, static_cast<int>(face.unitsPerEm), static_cast<int>(face.unitsPerEm));
    hb_font_extents_t extents{};
    if (hb_font_get_h_extents(face.shaper, &extents)) {
      face.ascender = extents.ascender;
      face.descender = -extents.descender;
    }
    face.drawer = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    slot.loaded = true;
  }

  FT_Library library_ = nullptr;
  std::array<Slot, 2> slots_;
};

const LoadedFonts& Fonts() {
  static const LoadedFonts fonts;
  return fonts;
}

}  // namespace

const CardFace* CardFontFace(CellFont font) { return Fonts().Face(font); }

}  // namespace mirelon

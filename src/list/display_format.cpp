#include "list/display_format.h"

#include "list/list_item_kind.h"

namespace mirelon {

DisplayFormat BuiltInDisplayFormat() {
  DisplayFormat format;
  format.lineShown = {1, 0, 0};
  const auto setSlot = [&format](int slot, ListItemKind kind, int16_t width) {
    format.itemKind[static_cast<size_t>(ListSlotIndex(1, slot))] = static_cast<int16_t>(kind);
    format.itemWidth[static_cast<size_t>(ListSlotIndex(1, slot))] = width;
  };
  setSlot(1, ListItemKind::Name, 10);
  setSlot(2, ListItemKind::PostalCode, 8);
  setSlot(3, ListItemKind::ComposedAddress, 48);
  return format;
}

}  // namespace mirelon

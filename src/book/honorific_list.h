// The items of the editor's honorific lists, gathered from the book.
#pragma once

#include <string>
#include <vector>

namespace mirelon {

class AddressBook;

// "様", "先生", then every other honorific of the book in book order (name, joint names 1-3), each
// once whatever its letter case, placed before the first item it begins; an empty item last.
std::vector<std::string> HonorificListItems(const AddressBook& book);

}  // namespace mirelon

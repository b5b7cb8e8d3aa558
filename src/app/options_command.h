// "オプション操作": commits the page on display, runs the options window and brings the editor up
// to date with what it changed: the dialog colour, the tooltips, the labels, the launch button
// and, after a yearly update, the history marks on display.
#pragma once

namespace mirelon {

class AddressBook;
class EditorOperations;

void RunOptionsCommand(EditorOperations& editor, AddressBook& book);

}  // namespace mirelon

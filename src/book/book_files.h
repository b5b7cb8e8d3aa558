// The book's files as the file flows use them: one file of the family read or written with its
// failure messages, and the family read and written in its fixed order. Messages and questions go
// through the book's prompt.
#pragma once

#include <filesystem>
#include <string>

#include "book/address_book.h"
#include "platform/file_system.h"

namespace mirelon {

// A path as CP932 text for a message, the one place a path goes into CP932 (a character CP932
// cannot hold shows as "?").
std::string PathText(const std::filesystem::path& path);

// The system's reason for a failure as a line to add to its message ("\r\n" first), or nothing
// where the system gave none worth telling.
std::string ReasonLine(FileError reason);

// Writes the file of `kind` in place of the old one, only when complete; clears `modified` for
// the send, no-send and history files. False, with the message, when it could not be written;
// the old file is then untouched.
bool SaveBookFile(AddressBook& book, BookFileKind kind);

enum class FamilyRead {
  Read,             // every file of the family read
  Incomplete,       // read, but a file failed or records were dropped (reported)
  Busy,             // another window or program kept the family (reported); the records are untouched
  NameRefused,      // "ファイル名が不正です" reported; the records are untouched
  ImportCancelled,  // the user did not confirm "インポートします"; the records are untouched
};

// "ファイル読込" from the chosen file up to the merge, under the family's lock: a save of the
// family that was killed after its commit is completed, the chosen name selects the family (or
// its import file, after confirmation), the book is reset and the files are read in order.
// Messages of one kind that the read repeats (renamed duplicates) come as one list.
FamilyRead ReadBookFamily(AddressBook& book, const std::filesystem::path& chosen);

// The import file alone when it was chosen, else the send, no-send and history files that exist,
// in that order, under the family's lock, with one UTF-8 question for them all. The caller has set
// the file name and reset the book. False if any file failed or the family was busy.
bool LoadBookFamilyFiles(AddressBook& book);

enum class FamilySave {
  Saved,
  // Committed but not all in place (reported): the next read or save of the family completes it.
  Deferred,
  Failed,             // reported; no file replaced
  FolderNotWritable,  // "%s\r\nこのフォルダには書き込めません" reported; nothing written: save elsewhere
  Busy,               // another window or program kept the family (reported); nothing written
  Declined,           // a bad name, or a destination file that is not a book kept (reported); nothing written
};

struct SaveResult {
  FamilySave outcome = FamilySave::Saved;
  // Whether the book counts as saved: on disk, or committed to be.
  explicit operator bool() const { return outcome == FamilySave::Saved || outcome == FamilySave::Deferred; }
};

// Writes the send, no-send and history files, always all three, as one: if any fails, none is
// replaced, the message names the file that failed (with the system's reason on a second line),
// and `modified` keeps the value it had. Readers and other saves of the family wait for it. Over
// files that hold records the book could not read ("N件のデータが読み込めていません。上書きすると
// 失われます", キャンセル by default) only after an OK (else Declined).
SaveResult WriteBookFamily(AddressBook& book);

// The first write of a book under a chosen name: takes the name, writes the family and takes the
// name again so that the existence flags describe the written files. A name that cannot name a
// book is refused with "ファイル名が不正です" before anything is written; so is a file of the
// family at the destination that is not a Shift-JIS book, unless the user agrees to replace it
// (UserPrompt::ConfirmLoss, naming it). After any failure the book keeps the name (and the unread
// records) it had.
SaveResult SaveBookFamilyAs(AddressBook& book, const std::filesystem::path& chosen);

}  // namespace mirelon

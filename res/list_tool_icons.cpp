#include "res/list_tool_icons.h"

namespace mirelon::res {
namespace {
const char* const kLoadFormat[] = {
    "16 15 4 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "y c #E8C030",
    "................",
    "..........kkk...",
    ".........k...k.k",
    "..............kk",
    ".kkk.........kkk",
    "kyyyk...........",
    "kyyyykkkkkkk....",
    "kywywywywywk....",
    "kywkkkkkkkkkkkk.",
    "kywkyyyyyyyyyyk.",
    "kykyyyyyyyyyyk..",
    "kykyyyyyyyyyyk..",
    "kkyyyyyyyyyyk...",
    "kkkkkkkkkkkkk...",
    "................",
};

const char* const kSaveFormat[] = {
    "16 15 5 1",
    ". c None",
    "b c #1F4FB0",
    "g c #A0A0A0",
    "k c #000000",
    "w c #FFFFFF",
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwkwkwkwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwkwkwkwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbbkkkkkkkkbbk.",
    ".kbbbbbbbbbbbbk.",
    ".kbbkkkkkkkkbbk.",
    ".kbbkggkwwwkbbk.",
    ".kbbkggkwwwkbbk.",
    ".kbbkggkwwwkbbk.",
    "..kkkkkkkkkkkkk.",
    "................",
};

const char* const kFormatDialog[] = {
    "16 15 5 1",
    ". c None",
    "b c #1F4FB0",
    "k c #000000",
    "r c #C03020",
    "w c #FFFFFF",
    "................",
    "kkkkkkkkkkkkk...",
    "kbbbbbbbbbbbk...",
    "kkkkkkkkkkkkk...",
    "kwwwkwwwwwwwk...",
    "kkkkkkkkkkkkk...",
    "kwwwkwwwwwwwk..r",
    "kkkkkkkkkkkkk.rr",
    "kwwwkwwwwwwwkrr.",
    "kkkkkkkkkkkkrr..",
    "kwwwkwwwwwwrrk..",
    "kkkkkkkkkkrrkk..",
    "..........k.....",
    ".........k......",
    "................",
};

const char* const kWordWrap[] = {
    "16 15 3 1",
    ". c None",
    "b c #1F4FB0",
    "k c #000000",
    "................",
    "kkkkkkkkkkkkk...",
    "................",
    "kkkkkkkkkkkkkkk.",
    "..............k.",
    "kkkkkkkkkkkkk.k.",
    "..............k.",
    ".......b......k.",
    "......bb......k.",
    ".....bbbbbbbbbk.",
    "......bb........",
    ".......b........",
    "kkkkkkk.........",
    "................",
    "................",
};

const char* const kPreview[] = {
    "16 15 4 1",
    ". c None",
    "g c #A0A0A0",
    "k c #000000",
    "w c #FFFFFF",
    "................",
    ".kkkkkkkkk......",
    ".kwwwwwwwkk.....",
    ".kwkkkkwwkwk....",
    ".kwwwwwwwkkkk...",
    ".kwkkkkkkkkwk...",
    ".kwwwwwkkkwwk...",
    ".kwkkkkkggkwk...",
    ".kwwwwkgwwkwk...",
    ".kwkkkkggkkwk...",
    ".kwwwwwkkkkwk...",
    ".kwkkkkkkwkkk...",
    ".kwwwwwwwwwkkk..",
    ".kkkkkkkkkkk.kk.",
    "..............kk",
};

const char* const kPrint[] = {
    "16 15 5 1",
    ". c None",
    "g c #A0A0A0",
    "k c #000000",
    "w c #FFFFFF",
    "y c #E8C030",
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwkkkkwk....",
    "....kwwwwwwk....",
    ".kkkkkkkkkkkkkk.",
    "kggggggggggggggk",
    "kggggggggggggggk",
    "kgggggggggggyygk",
    "kkkkkkkkkkkkkkkk",
    "kggkwwwwwwwwkggk",
    "kggkwkkkkkkwkggk",
    ".kkkwwwwwwwwkkk.",
    "....kkkkkkkk....",
    "................",
};

const char* const kCopyList[] = {
    "16 15 3 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "kkkkkkk.........",
    "kwwwwwkk........",
    "kwkkkwkwk.......",
    "kwwwwwkkkk......",
    "kwkkkkkkkkkkk...",
    "kwwwwwkwwwwwkk..",
    "kwkkkkkwkkkwkwk.",
    "kwwwwwkwwwwwkkkk",
    "kkkkkkkwkkkkkkwk",
    "......kwwwwwwwwk",
    "......kwkkkkkkwk",
    "......kwwwwwwwwk",
    "......kwkkkkkkwk",
    "......kwwwwwwwwk",
    "......kkkkkkkkkk",
};

const char* const kSaveAs[] = {
    "16 15 5 1",
    ". c None",
    "b c #1F4FB0",
    "g c #A0A0A0",
    "k c #000000",
    "w c #FFFFFF",
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kgkwwwwwwwwkgk.",
    ".kgkwwwwwwwwkgk.",
    ".kgkwkkkkkkwkgk.",
    ".kgkwwwwwwwwkgk.",
    ".kgkwkkkkkkwkgk.",
    ".kggkkkkkkkkggk.",
    ".kggggggggggggk.",
    ".kggkkkkkkkkggk.",
    ".kggkbbkwwwkggk.",
    ".kggkbbkwwwkggk.",
    ".kggkbbkwwwkggk.",
    "..kkkkkkkkkkkkk.",
    "................",
};

}  // namespace

const char* const* ListToolIcon(int command) {
  switch (command) {
    case kCmdLoadFormat:
      return kLoadFormat;
    case kCmdSaveFormat:
      return kSaveFormat;
    case kCmdFormatDialog:
      return kFormatDialog;
    case kCmdWordWrap:
      return kWordWrap;
    case kCmdPrintPreview:
      return kPreview;
    case kCmdPrint:
      return kPrint;
    case kCmdCopyList:
      return kCopyList;
    case kCmdSaveAs:
      return kSaveAs;
    default:
      return nullptr;
  }
}

}  // namespace mirelon::res

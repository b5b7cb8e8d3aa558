// The page on display as the editor's controls show it (CP932), what the editor hands a service
// that works on the page.
#pragma once

#include <string>

#include "book/history_rules.h"

namespace mirelon {

struct PageMembers {
  std::string registrationName, postalCode, address1, address2, company1, company2, position, name;
  std::string honorific, jointName1, jointHonorific1, jointName2, jointHonorific2, jointName3, jointHonorific3;
  std::string phone, fax, mobile, email, memo1, memo2;
  std::string sendState;
  HistoryCells sendMarks, receiveMarks;
};

}  // namespace mirelon

// The stand-in sibling program's top-level window, as the system shows it (quelta_stand_in.cpp).
#pragma once

#include <string>

namespace mirelon::test {

class StandInWindow {
 public:
  // `windowClass` empty: the class the sibling's own window would have.
  StandInWindow(const std::string& title, const std::string& windowClass, bool hidden);
  ~StandInWindow();
  StandInWindow(const StandInWindow&) = delete;
  StandInWindow& operator=(const StandInWindow&) = delete;

  // Lets the window answer the system for a moment (twenty milliseconds).
  void Serve();

 private:
  struct Native;
  Native* native_;
};

}  // namespace mirelon::test

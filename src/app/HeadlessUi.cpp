#include "app/HeadlessUi.h"

#include <chrono>
#include <iostream>

namespace nimbara {

void HeadlessUi::Message(const std::string& title, const std::string& text, MessageIcon) {
  std::cerr << (title.empty() ? "" : title + ": ") << text << "\n";
}

bool HeadlessUi::AskYesNo(const std::string&, const std::string&, bool) { return true; }

double HeadlessUi::TimeOfDaySeconds() {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count();
}

}  // namespace nimbara

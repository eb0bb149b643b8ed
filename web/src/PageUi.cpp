#include "web/PageUi.h"

#include "web/PageImports.h"

namespace nimbara {

void PageUi::Message(const std::string& title, const std::string& text, MessageIcon icon) {
  nimbara_page_message(title.c_str(), text.c_str(), static_cast<int>(icon));
}

bool PageUi::AskYesNo(const std::string& title, const std::string& text, bool) {
  return nimbara_page_ask(title.c_str(), text.c_str()) != 0;
}

}  // namespace nimbara

#include "cli/Arguments.h"

#include <algorithm>

namespace nimbara {

Arguments::Arguments(int argc, char** argv, int first) {
  for (int i = first; i < argc; ++i) m_args.emplace_back(argv[i]);
}

bool Arguments::TakeFlag(const std::string& name) {
  const auto it = std::find(m_args.begin(), m_args.end(), name);
  if (it == m_args.end()) return false;
  m_args.erase(it);
  return true;
}

std::optional<std::string> Arguments::TakeValue(const std::string& name) {
  const auto it = std::find(m_args.begin(), m_args.end(), name);
  if (it == m_args.end()) return std::nullopt;
  if (it + 1 == m_args.end()) {
    m_error = name + " needs a value";
    m_args.erase(it);
    return std::nullopt;
  }
  std::string value = *(it + 1);
  m_args.erase(it, it + 2);
  return value;
}

std::vector<std::string> Arguments::TakePositionals() {
  std::vector<std::string> positionals;
  for (const auto& arg : m_args) {
    if (arg.size() > 1 && arg[0] == '-') {
      if (m_error.empty()) m_error = "unknown option " + arg;
    } else {
      positionals.push_back(arg);
    }
  }
  m_args.clear();
  return positionals;
}

}  // namespace nimbara

#pragma once
// A small reader for the command line's options.

#include <optional>
#include <string>
#include <vector>

namespace nimbara {

class Arguments {
 public:
  Arguments(int argc, char** argv, int first);

  // Removes "--name" and reports whether it was there.
  bool TakeFlag(const std::string& name);
  // Removes "--name VALUE" (or "-o VALUE") and returns VALUE. A missing value
  // is an error (see Error()).
  std::optional<std::string> TakeValue(const std::string& name);
  // What is left: positional arguments. Unknown options are errors.
  std::vector<std::string> TakePositionals();
  const std::string& Error() const { return m_error; }

 private:
  std::vector<std::string> m_args;
  std::string m_error;
};

}  // namespace nimbara

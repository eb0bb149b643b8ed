#pragma once
// The observation time a pasted text names in its title ("２０２４年０１月１５日
// ０６時", "1月22日正午", "15日12時"), to tell a new day's text from more of
// the same day's.

#include <optional>
#include <string_view>
#include <vector>

#include "io/ScanText.h"

namespace nimbara {

struct ObservationTime {
  int year = 0;  // 0 where the text does not say
  int month = 0;
  int day = 0;
  int hour = 0;
  std::size_t begin = 0;  // where the text says it (offsets of ScanText::Text())
  std::size_t end = 0;
};

// Every "[[Y年]M月]D日H時" or "…日正午" of the text, in order.
std::vector<ObservationTime> FindObservationTimes(const ScanText& text);
// The first of them in a text given as it stands.
std::optional<ObservationTime> FirstObservationTime(std::string_view utf8);

// Whether two times name another observation: a part both give differs.
bool IsOtherObservation(const ObservationTime& a, const ObservationTime& b);

}  // namespace nimbara

#pragma once
// What a pupil writes down from the systems part of the radio broadcast
// (漁業気象): short lines, one system, front or isobar per line, and the
// broadcast's own sentences, in any mix.
//
// A short line is a kind and its numbers, with blanks (or commas) between them:
//   低 1002 41 147        a centre: pressure (read as the broadcast says it,
//                         so 02 is 1002), latitude, longitude; a centre
//                         without pressure is "高 40 115".
//   温暖 40 152 37 155    a front through the positions given. On the line
//                         right after a low it starts at the low's centre,
//                         as 中心から does (a first position at the centre is
//                         not repeated).
//   等圧 1040 52 115 47 120   an isobar: its pressure and positions.
// The kinds are their short forms 高 低 台 熱低 (熱帯), 温暖 寒冷 停滞 閉塞,
// 等圧, their letters H L T TD, W C S O, I (in either case, for a keyboard
// without a Japanese input method), or their full names (高気圧, 寒冷前線, …),
// all from the kinds' table (core/SystemKind.h). Every other run
// of lines is read as the broadcast's sentences by ReadSystemsManuscript.

#include <span>
#include <string>
#include <string_view>

#include "core/ObservationStore.h"
#include "io/SystemsManuscript.h"

namespace nimbara {

// The entries in the order of the text; short lines that cannot be read, and
// runs of other lines that give nothing, are noted as unread.
SystemsManuscript ReadSystemsShorthand(std::string_view text);

// The entries as short lines, one line per centre and per run of a front or
// an isobar, so that reading them back gives the same entries. The chain
// markers そこから and 中心から and kinds outside the kind list are left out.
std::string WriteSystemsShorthand(std::span<const SystemEntry> entries);

}  // namespace nimbara

#pragma once
// The practice score in words: the lines the desktop window and the web page
// show after 答え合わせ, and the row the command line prints for a drawing.

#include <string>
#include <vector>

#include "pressure/PracticeScore.h"

namespace nimbara {

// One drawn line: "1012hPa：ずれ 12km、ほかの線と交わっています、反対側の観測点
// 札幌・根室", or that the answer has no isobar of its value.
std::string PracticeLineText(const PracticeLineCheck& check);

// "点数 87点", the explanation, the centres marked, then "1本目 " and each line.
std::vector<std::string> PracticeReportLines(const PracticeScore& score);

// FILE, score, centres found/total, then one field per line
// (VALUE:DISTANCEkm, :交差 when it crosses, :逆側=NAME・NAME; VALUE:答えになし),
// tab-separated.
std::string PracticeScoreRow(const std::string& file, const PracticeScore& score);

}  // namespace nimbara

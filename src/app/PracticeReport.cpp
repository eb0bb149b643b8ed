#include "app/PracticeReport.h"

#include "core/Numbers.h"

namespace nimbara {
namespace {

constexpr const char* kNameSeparator = "・";

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : kNameSeparator) + name;
  return text;
}

std::string KmText(double km) { return std::to_string(RoundToInt(km)) + "km"; }

}  // namespace

std::string PracticeLineText(const PracticeLineCheck& check) {
  std::string text = ShortestDecimal(check.value) + "hPa：";
  if (!check.valueOnMap) return text + "答えにこの気圧の等圧線はありません";
  text += check.meanDistanceKm ? "ずれ " + KmText(*check.meanDistanceKm) : "等圧線を描く範囲の外です";
  if (!check.crosses.empty()) text += "、ほかの線と交わっています";
  if (!check.wrongSideStations.empty()) text += "、反対側の観測点 " + Joined(check.wrongSideStations);
  return text;
}

std::vector<std::string> PracticeReportLines(const PracticeScore& score) {
  std::vector<std::string> lines{"点数 " + std::to_string(score.score) + "点", score.explanation};
  if (score.centresTotal > 0)
    lines.push_back("高・低の印 " + std::to_string(score.centresFound) + "/" + std::to_string(score.centresTotal));
  for (std::size_t i = 0; i < score.lines.size(); ++i)
    lines.push_back(std::to_string(i + 1) + "本目 " + PracticeLineText(score.lines[i]));
  return lines;
}

std::string PracticeScoreRow(const std::string& file, const PracticeScore& score) {
  std::string row = file + "\t" + std::to_string(score.score) + "\t" + std::to_string(score.centresFound) + "/" +
                    std::to_string(score.centresTotal);
  for (const PracticeLineCheck& check : score.lines) {
    row += "\t" + ShortestDecimal(check.value) + ":";
    if (!check.valueOnMap) {
      row += "答えになし";
      continue;
    }
    row += check.meanDistanceKm ? KmText(*check.meanDistanceKm) : "範囲外";
    if (!check.crosses.empty()) row += ":交差";
    if (!check.wrongSideStations.empty()) row += ":逆側=" + Joined(check.wrongSideStations);
  }
  return row;
}

}  // namespace nimbara

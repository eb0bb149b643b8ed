#include "app/PasteReport.h"

#include <algorithm>
#include <array>

#include "core/CodeTables.h"

namespace nimbara {
namespace {

constexpr std::string_view kListSeparator = "、";
constexpr std::string_view kIndent = "　";

// At most kLongestListed items, then how many more.
template <typename Format>
std::string Listed(const std::vector<std::string>& items, Format format) {
  std::string out;
  const std::size_t shown = std::min(items.size(), kLongestListed);
  for (std::size_t i = 0; i < shown; ++i) out += format(items[i], i == 0);
  if (items.size() > shown) out += "　ほか " + std::to_string(items.size() - shown) + " 件";
  return out;
}

std::string Joined(const std::vector<std::string>& items) {
  return Listed(items, [](const std::string& item, bool first) {
    return (first ? "" : std::string(kListSeparator)) + (item.empty() ? "（名前なし）" : item);
  });
}

std::string Quoted(const std::vector<std::string>& quotes) {
  return Listed(quotes, [](const std::string& quote, bool) { return "「" + quote + "」"; });
}

std::string FormName(const PasteReport& report) {
  std::vector<std::string> forms;
  if (report.stationPage) forms.push_back("気象庁の「各地の観測値」");
  if (report.systemsList) forms.push_back("気象庁の「低気圧や前線の位置」");
  const bool stationSentences = report.stationSentences;
  const bool systemsSentences = report.systemsSentences;
  if (stationSentences && systemsSentences) forms.push_back("気象通報の原稿（各地の天気と漁業気象）");
  else if (stationSentences) forms.push_back("気象通報の原稿（各地の天気）");
  else if (systemsSentences) forms.push_back("気象通報の原稿（漁業気象）");
  if (forms.empty()) forms.push_back("船舶の報告");
  std::string out;
  for (const std::string& form : forms) out += (out.empty() ? "" : std::string(kListSeparator)) + form;
  return out;
}

int StationsWithPressure(const ObservationStore& store) {
  return static_cast<int>(std::count_if(store.stationRecords.begin(),
                                        store.stationRecords.begin() + kBulletinStationCount,
                                        [](const StationRecord& r) { return r.pressure > 0; }));
}

// "高気圧 1、低気圧 2、寒冷前線 5点": points for fronts and isobars.
std::string SystemsByKind(const ObservationStore& store) {
  std::vector<std::string> counts;
  const auto listed = store.systems.begin() + ClampCount(store.systemCount);
  for (std::string_view kind : kSystemKindList) {
    const auto n = std::count_if(store.systems.begin(), listed, [&](const SystemEntry& e) { return e.kind == kind; });
    if (n == 0) continue;
    const bool points = IsFrontKind(kind) || kind == kind::kIsobarPoint;
    counts.push_back(std::string(kind) + " " + std::to_string(n) + (points ? "点" : ""));
  }
  return counts.empty() ? "なし" : Joined(counts);
}

void AddListed(std::vector<std::string>& lines, std::string_view heading, const std::vector<std::string>& items) {
  if (!items.empty()) lines.push_back(std::string(kIndent) + std::string(heading) + Joined(items));
}

// What the report says of values read otherwise than they stood.
std::vector<std::string> ChangedLines(const PasteReport& report) {
  const ReadingNotes& notes = report.notes;
  std::vector<std::string> lines;
  for (const auto& [word, who] : notes.reductions)
    lines.push_back(std::string(kIndent) + word + "を「" + notes.reducedTo.at(word) + "」として読みました：" + Joined(who));
  AddListed(lines, "気温がないので0度にした地点：", notes.missingTemperatures);
  AddListed(lines, "ありえない気圧（欠測にしました）：", notes.implausiblePressures);
  AddListed(lines, "地図の外の位置：", notes.offMap);
  AddListed(lines, "二度あったもの（はじめのものを使いました）：", notes.repeated);
  AddListed(lines, "二度あって値がちがうもの（はじめのものを使いました）：", notes.differing);
  AddListed(lines, "前の貼り付けのまま：", report.keptStations);
  AddListed(lines, "日時がちがうので空にした地点：", report.emptiedStations);
  if (report.shipsEmptied) lines.push_back(std::string(kIndent) + "日時がちがうので前の船舶の報告を消しました。");
  return lines;
}

std::vector<std::string> SkippedLines(const ReadingNotes& notes) {
  std::vector<std::string> lines;
  AddListed(lines, "表にない地点：", notes.unknownStations);
  AddListed(lines, "気圧のない船舶の報告：", notes.shipsWithoutPressure);
  AddListed(lines, "ありえない位置：", notes.impossiblePositions);
  if (!notes.unreadClauses.empty())
    lines.push_back(std::string(kIndent) + "途中で切れた文や位置のない文：" + Quoted(notes.unreadClauses));
  if (!notes.skipped.empty()) lines.push_back(std::string(kIndent) + Quoted(notes.skipped));
  return lines;
}

}  // namespace

std::vector<std::string> PasteReportLines(const PasteReport& report, const ObservationStore& store) {
  if (!report.Recognised()) {
    return {"貼り付けたテキストは気象通報のデータとして読めませんでした。",
            "読めるのは、気象庁の「各地の観測値」と「低気圧や前線の位置」、気象通報の原稿（各地の天気、船舶の報告、漁業気象）です。",
            "データは変わっていません。"};
  }
  std::vector<std::string> lines = {FormName(report) + "として読みました。"};
  if (report.stations) {
    lines.push_back("気圧のある地点：" + std::to_string(kBulletinStationCount) + "地点のうち " +
                    std::to_string(StationsWithPressure(store)) + "地点");
  }
  if (report.ships) lines.push_back("船舶・ブイの報告：" + std::to_string(store.shipCount) + "件");
  if (report.systems) lines.push_back("低気圧や前線：" + SystemsByKind(store));
  const std::vector<std::string> changed = ChangedLines(report);
  if (!changed.empty()) {
    lines.push_back("読みかえたもの：");
    lines.insert(lines.end(), changed.begin(), changed.end());
  }
  const std::vector<std::string> skipped = SkippedLines(report.notes);
  if (!skipped.empty()) {
    lines.push_back("読まなかったもの：");
    lines.insert(lines.end(), skipped.begin(), skipped.end());
  }
  return lines;
}

void ShowPasteReport(Ui& ui, const PasteReport& report, const ObservationStore& store) {
  std::string text;
  for (const std::string& line : PasteReportLines(report, store)) text += (text.empty() ? "" : "\r\n") + line;
  ui.Message(std::string(kPasteTitle), text, report.Recognised() ? MessageIcon::Information : MessageIcon::Warning);
}

}  // namespace nimbara

#include "app/PasteReport.h"

#include <algorithm>
#include <array>

#include "core/CodeTables.h"

namespace nimbara {
namespace {

constexpr std::string_view kListSeparator = "、";
constexpr std::string_view kIndent = "　";

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) {
    if (!out.empty()) out += kListSeparator;
    out += item.empty() ? "（名前なし）" : item;
  }
  return out;
}

// Clauses hold "、" themselves.
std::string Quoted(const std::vector<std::string>& clauses) {
  std::string out;
  for (const std::string& clause : clauses) out += "「" + clause + "」";
  return out;
}

std::string FormName(const PasteReport& report) {
  switch (report.form) {
    case PastedForm::StationBulletin: return "気象庁の「各地の観測値」";
    case PastedForm::SystemsBulletin: return "気象庁の「低気圧や前線の位置」";
    case PastedForm::Manuscript:
      if (report.stations && report.systems) return "気象通報の原稿（各地の天気と漁業気象）";
      return report.stations ? "気象通報の原稿（各地の天気）" : "気象通報の原稿（漁業気象）";
    case PastedForm::Unreadable: break;
  }
  return {};
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

}  // namespace

std::vector<std::string> PasteReportLines(const PasteReport& report, const ObservationStore& store) {
  if (report.form == PastedForm::Unreadable) {
    return {"貼り付けたテキストは気象通報のデータとして読めませんでした。",
            "読めるのは、気象庁の「各地の観測値」と「低気圧や前線の位置」、気象通報の原稿（各地の天気、漁業気象）です。",
            "データは変わっていません。"};
  }
  std::vector<std::string> lines = {FormName(report) + "として読みました。"};
  if (report.stations) {
    lines.push_back("気圧のある地点：" + std::to_string(kBulletinStationCount) + "地点のうち " +
                    std::to_string(StationsWithPressure(store)) + "地点");
  }
  if (report.ships) lines.push_back("船舶・ブイの報告：" + std::to_string(store.shipCount) + "件");
  if (report.systems) lines.push_back("低気圧や前線：" + SystemsByKind(store));
  const ReadingNotes& notes = report.notes;
  if (notes.unknownStations.empty() && notes.implausiblePressures.empty() && notes.unreadClauses.empty()) return lines;
  lines.push_back("読まなかったもの：");
  if (!notes.unknownStations.empty())
    lines.push_back(std::string(kIndent) + "表にない地点：" + Joined(notes.unknownStations));
  if (!notes.implausiblePressures.empty())
    lines.push_back(std::string(kIndent) + "ありえない気圧（欠測にしました）：" + Joined(notes.implausiblePressures));
  if (!notes.unreadClauses.empty())
    lines.push_back(std::string(kIndent) + "途中で切れた文や位置のない文：" + Quoted(notes.unreadClauses));
  return lines;
}

void ShowPasteReport(Ui& ui, const PasteReport& report, const ObservationStore& store) {
  std::string text;
  for (const std::string& line : PasteReportLines(report, store)) text += (text.empty() ? "" : "\r\n") + line;
  ui.Message(std::string(kPasteTitle), text,
             report.form == PastedForm::Unreadable ? MessageIcon::Warning : MessageIcon::Information);
}

}  // namespace nimbara

#pragma once
// Opening and closing the three entry windows.

#include <optional>
#include <string>

#include "app/AppContext.h"

namespace nimbara {

// 観測データ確認・入力 menu: each marks the pressure grid stale and shows its window.
void cntTenki_Click(const AppContext& app);    // 各地の天気のデータ -> Tenki1
void cntSenpaku_Click(const AppContext& app);  // 船舶の報告のデータ -> Kaiyou1
void cntGyogyou_Click(const AppContext& app);  // 低気圧や前線の位置のデータ -> Gyogyou
void cntRadio_Click(const AppContext& app);    // ラジオの気象通報から入力 -> RadioDictation

// もどる of an entry window: a date typed into its observation-date box
// (nothing when the box was not typed into, so that a box showing an older
// date never brings it back) becomes the shared header text and the date the
// data file writes, and the date boxes of all entry windows show it.
void KeepObservationDate(const AppContext& app, const std::optional<std::string>& typedDate);

// もどる: the grid is marked stale and the window hidden; its contents stay.
void CloseEntryWindow(const AppContext& app, WindowId id);

}  // namespace nimbara

#pragma once
// Opening and closing the three entry windows.

#include <string>

#include "app/AppContext.h"

namespace nimbara {

// 観測データ確認・入力 menu: each marks the pressure grid stale and shows its window.
void cntTenki_Click(const AppContext& app);    // 各地の天気のデータ -> Tenki1
void cntSenpaku_Click(const AppContext& app);  // 船舶の報告のデータ -> Kaiyou1
void cntGyogyou_Click(const AppContext& app);  // 低気圧や前線の位置のデータ -> Gyogyou
void cntRadio_Click(const AppContext& app);    // ラジオの気象通報から入力 -> RadioDictation

// The observation-date box of an entry window becomes the shared header text
// and the date the data file writes.
void KeepObservationDate(AppState& state, const std::string& dateText);

// もどる: the grid is marked stale and the window hidden; its contents stay.
void CloseEntryWindow(const AppContext& app, WindowId id);

}  // namespace nimbara

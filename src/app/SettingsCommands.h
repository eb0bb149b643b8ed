#pragma once
// The settings of the running program and the settings file: start-up,
// 設定ファイル読み込み and 設定ファイル保存. The fixed settings file is also
// written when the main window closes.

#include <string>

#include "app/AppContext.h"
#include "io/SettingsFile.h"

namespace nimbara {

// The settings values of the state (the last displayed file is the current
// file path) and back.
Settings SettingsOf(const AppState& state);
void ApplySettings(AppState& state, const Settings& settings);

// The fixed settings file (state.settingsPath) read into the state; a missing
// or unreadable file leaves every value as it is.
void ReadSettings(AppState& state);
// The fixed settings file replaced; false when it could not be written.
bool WriteSettings(const AppState& state);

// The settings part of the start-up: the defaults, the settings path in the
// start directory, ReadSettings, the folder of the last displayed file made
// current, then the map view and the background colour applied to the Canvas.
void LoadStartUpSettings(const AppContext& app, const std::string& startDirectory);

// 設定ファイル読み込み: the chosen settings file is read. Colours take effect
// at the next drawing; the view and background colour are not applied.
void cntLoadSettei_Click(const AppContext& app);
// 設定ファイル保存: the settings are written to the chosen file, with ".ini"
// as its extension. The current file path stays the data file, so the
// settings file remembers it as the last displayed file.
void cntSaveSettei_Click(const AppContext& app);

}  // namespace nimbara

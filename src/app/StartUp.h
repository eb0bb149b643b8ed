#pragma once
// The start of the program (MDIForm_Load) and its end (MDIForm_Unload),
// without the windows: the order of the steps, the greeting and the data file
// a first start shows.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/AppContext.h"

namespace nimbara {

inline constexpr const char* kGreetingTitle = "ごあいさつ";
inline constexpr const char* kGreetingText =
    "　ニンバラ「Nimbara2 (for インターネット)」を\r\n"
    "　ご利用いただきありがとうございます。さて、このソフトで何が\r\n"
    "できるかといいますと・・・\r\n"
    "\r\n"
    "　１、インターネットにある気象観測データ、または、\r\n"
    "　　気象観測データラジオの気象観測データから天気図を描く。\r\n"
    "\r\n"
    "　２、インターネットにある気象衛星画像と等圧線を重ねて表示できる。\r\n"
    "\r\n"
    "　３、等圧線の修正ができる。\r\n"
    "\r\n"
    "　４、気象衛星画像、等圧線の連続表示ができる。\r\n"
    "\r\n"
    "\r\n"
    "　※　インターネットに接続できるコンピュータでご使用ください。\r\n"
    "\r\n";

// What a first start shows: a data file, or else bulletins read as if pasted.
struct SampleData {
  std::string dataFile;
  std::vector<std::string> bulletins;  // read in this order
  bool operator==(const SampleData&) const = default;
};

struct StartUpOptions {
  std::string startDirectory;              // where Nimbara.ini lives
  std::optional<SampleData> sample;        // shown when there is no settings file yet
  std::function<void()> loadEntryWindows;  // Tenki1, Kaiyou1 and Gyogyou, loaded hidden
};

// What every edition does before its first command (the desktop after
// reading its settings, the command line and the web page at once): the entry
// lists hold a row per record, so the counts saving takes from them are
// right, and the canvas takes the state's map view and background colour.
void StartSession(const AppContext& app);

// Start-up in its order: defaults and settings (the folder of the last
// displayed file becomes current), the layer switches ticked but the
// enlarged symbols, the map view, the entry windows, the base map, the last
// displayed file reloaded in full (on a first start the sample instead, which
// is not recorded as the last displayed file, the current directory staying
// where it is), then the greeting.
void MDIForm_Load(const AppContext& app, const StartUpOptions& options);

inline constexpr const char* kUnsavedTitle = "終了";
inline constexpr const char* kUnsavedQuestion =
    "観測データが保存されていません。\r\n保存してから終了しますか？";

// Before the end: when the observations changed since they were last loaded
// or saved, asks whether to save them. Yes saves as データファイル保存 does,
// No ends without saving, Cancel stays. False: the program goes on (Cancel,
// or a save that did not happen).
bool MDIForm_QueryUnload(const AppContext& app);

// The end: a running slide show or browse run is stopped and the settings
// file written.
void MDIForm_Unload(const AppContext& app);

// Where the bundled samples may be, for an executable in `executableDir`:
// beside a build tree's executable (build/<name>/), under an installed
// share/nimbara/, or beside the executable.
std::vector<std::string> SampleDirectories(const std::string& executableDir);

// The sample of the first of `directories` that holds one: its first
// observation data file in name order (other files are passed over), or else
// the first "*_stations.txt" bulletin of its "bulletins" folder with the
// "*_systems.txt" bulletin of the same name.
std::optional<SampleData> FindSampleData(const std::vector<std::string>& directories);

}  // namespace nimbara

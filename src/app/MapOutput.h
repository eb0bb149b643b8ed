#pragma once
// Saving and printing the drawn map and the blank map form: the choices the
// person makes. The pictures themselves are painted by the Qt shell.

#include <optional>
#include <string>
#include <string_view>

#include "app/AppContext.h"

namespace nimbara {

inline constexpr const char* kMapOutputErrorTitle = "天気図の保存のエラー";
inline constexpr const char* kMapOutputErrorText = "天気図を保存できませんでした。\r\n";
// Heads a printed blank form, with room to write the date and hour by hand.
inline constexpr const char* kBlankFormTitle = "天気図用紙　　　　年　　　月　　　日　　　時";

// The formats a map is saved in, named by the file's extension.
enum class ExportFormat { Png, Svg, Pdf };
// The format named by the file's extension (case-insensitive), or nothing.
std::optional<ExportFormat> ExportFormatFor(const std::string& path);

// The file a map is saved as: a name that does not end in .png, .svg or .pdf
// gets ".png".
std::string MapOutputName(const std::string& chosen);

// Asks where to save (kSaveMapChooser or kSaveBlankFormChooser) and gives
// the MapOutputName of the answer. Nothing when the person cancelled.
std::optional<std::string> ChooseMapOutputPath(const AppContext& app, const ChooserRequest& request);

// The map's title: the observation-date text.
std::string MapTitle(const AppState& state);

// The heading printed above the map on a saved or printed page: the title,
// except in the chart style, whose own title band already carries the date.
std::string PageHeading(const AppState& state);

}  // namespace nimbara

#pragma once
// Every file chooser the commands open, in one table: its caption, the files
// it lists, its colour, whether it saves and, for a save, the file a chosen
// name is written as.

#include <array>
#include <string_view>

#include "app/Ui.h"

namespace nimbara {

// The picture types 画像読みこみ offers as options, in their order; the
// chooser starts with the first.
struct ImageType {
  const char* caption;
  const char* pattern;  // "*.gif"
  // The extension the pattern matches ("gif").
  std::string_view Extension() const { return std::string_view(pattern).substr(kPatternPrefix.size()); }
  static constexpr std::string_view kPatternPrefix = "*.";
};
inline constexpr std::array<ImageType, 4> kImageTypes = {
    {{"gifﾌｧｲﾙ", "*.gif"}, {"bmpﾌｧｲﾙ", "*.bmp"}, {"jpgﾌｧｲﾙ", "*.jpg"}, {"pngﾌｧｲﾙ", "*.png"}}};

extern const ChooserRequest kLoadDataChooser;      // 観測データ読みこみ
extern const ChooserRequest kSaveDataChooser;      // 観測データ保存
extern const ChooserRequest kLoadIsobarChooser;    // 等圧線データ読みこみ
extern const ChooserRequest kSaveIsobarChooser;    // 等圧線データ保存
extern const ChooserRequest kLoadPictureChooser;   // 画像読みこみ
extern const ChooserRequest kSavePictureChooser;   // 画像の保存
extern const ChooserRequest kLoadSettingsChooser;  // 設定（記号の色、地図の位置）データの読みこみ
extern const ChooserRequest kSaveSettingsChooser;  // 設定（記号の色、地図の位置）データの保存
extern const ChooserRequest kSaveMapChooser;       // 天気図の保存
extern const ChooserRequest kSaveBlankFormChooser; // 白地図の保存

}  // namespace nimbara

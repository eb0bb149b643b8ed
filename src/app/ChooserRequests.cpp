#include "app/ChooserRequests.h"

#include "app/MapOutput.h"
#include "io/FileNames.h"

namespace nimbara {
namespace {

constexpr Colour kOpeningColour = Rgb(192, 192, 255);   // light blue
constexpr Colour kSavingColour = Rgb(255, 192, 192);    // light red
constexpr Colour kSettingsColour = Rgb(192, 192, 192);  // grey

std::string SavedIsobarFileName(const std::string& chosen) { return IsobarFileName(chosen).value_or(chosen); }

ChooserRequest Opening(const char* caption, const char* pattern, std::optional<Colour> colour) {
  return {.caption = caption, .pattern = pattern, .background = colour};
}

ChooserRequest Saving(const char* caption, const char* pattern,
                      std::function<std::string(const std::string&)> savedName) {
  return {.caption = caption,
          .pattern = pattern,
          .background = kSavingColour,
          .saving = true,
          .savedName = std::move(savedName)};
}

}  // namespace

const ChooserRequest kLoadDataChooser = Opening("観測データ読みこみ", "*.txt", kOpeningColour);
const ChooserRequest kSaveDataChooser = Saving("観測データ保存", "*.txt", DataFileName);
const ChooserRequest kLoadIsobarChooser = Opening("等圧線データ読みこみ", "*.cnt", kOpeningColour);
const ChooserRequest kSaveIsobarChooser = Saving("等圧線データ保存", "*.cnt", SavedIsobarFileName);
const ChooserRequest kLoadPictureChooser = {
    .caption = "画像読みこみ", .pattern = kImageTypes[0].pattern, .background = std::nullopt, .showImageOptions = true};
const ChooserRequest kSavePictureChooser = Saving("画像の保存", "*.bmp", PictureSaveName);
const ChooserRequest kLoadSettingsChooser =
    Opening("設定（記号の色、地図の位置）データの読みこみ", "*.ini", kSettingsColour);
const ChooserRequest kSaveSettingsChooser =
    Saving("設定（記号の色、地図の位置）データの保存", "*.ini", SettingsFileName);
const ChooserRequest kSaveMapChooser = Saving("天気図の保存", "*.png", MapOutputName);
const ChooserRequest kSaveBlankFormChooser = Saving("白地図の保存", "*.png", MapOutputName);

}  // namespace nimbara

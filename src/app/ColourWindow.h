#pragma once
// 表示色の変更 (frmColor) without its widgets: ten sample colours edited with
// three sliders, kept apart from the colour slots until Ｏ　Ｋ.
//
// The dialog shows Sample(slot) in each sample box, marks SelectedSlot(), sets
// its sliders from Sliders() after every call, and calls the methods below
// from its labels, boxes, sliders and buttons. キャンセル closes the dialog and
// calls nothing: the colour slots stay as they were.

#include <array>
#include <string_view>

#include "app/AppContext.h"
#include "core/Colour.h"

namespace nimbara {

inline constexpr std::string_view kColourWindowTitle = "表示色の変更";
// The label of each slot, slot 1 first.
inline constexpr std::array<std::string_view, kColourSlotCount> kColourSlotCaptions = {
    "文字の色",     "地図の色",     "等圧線の色",   "天気記号の色", "風力記号の色",
    "温暖前線の色", "寒冷前線の色", "停滞前線の色", "閉塞前線の色", "背景の色"};
inline constexpr std::string_view kStartupColoursCaption = "はじめの色";
inline constexpr std::string_view kOkCaption = "Ｏ　Ｋ";
inline constexpr std::string_view kCancelCaption = "キャンセル";

inline constexpr int kSliderMax = 255;

struct SliderValues {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const SliderValues&) const = default;
};

class ColourWindow {
 public:
  // Opening: every sample takes its slot's colour, then slot 1 is selected.
  explicit ColourWindow(const ColourSlots& current);

  Colour Sample(ColourSlot slot) const { return m_samples[slot]; }
  ColourSlot SelectedSlot() const { return m_selected; }
  SliderValues Sliders() const { return m_sliders; }

  // A click on a slot's label or sample box: the sliders take the sample's
  // red, green and blue. A slot numbered outside 1 to 10 is ignored.
  void SelectSlot(ColourSlot slot);
  // A slider moved: the three values (each clamped to 0 to 255) become the
  // colour of the selected sample.
  void SetSliders(SliderValues values);
  // はじめの色: every sample back to its start-up colour; the sliders and the
  // selection stay.
  void Command3_Click();
  // Ｏ　Ｋ: the samples become the colour slots, the Canvas takes slot 1 as its
  // drawing colour and slot 10 as its background, the map is redrawn and the
  // settings file written.
  void Command1_Click(const AppContext& app) const;

 private:
  ColourSlots m_samples;
  ColourSlot m_selected = ColourSlot::Text;
  SliderValues m_sliders;
};

}  // namespace nimbara

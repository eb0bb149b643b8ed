#pragma once
// The guides of the ｲﾝﾀｰﾈｯﾄからﾃﾞｰﾀを入手 menu, the two-page description of
// 説明する？ and the help texts of the entry and correction windows. The
// program fetches nothing itself: a guide puts a page address on the
// clipboard and tells the user how to bring the page's content in.

#include <string>
#include <string_view>

#include "app/AppContext.h"

namespace nimbara {

// What a guide explains how to fetch; decides its steps 2, 5 and 7.
enum class GuideKind { Observations, Systems, Infrared, WaterVapour, Visible };

// The nine pages of the menu, in menu order.
enum class GuidePage {
  Observations06,
  Observations12,
  Observations18,
  Systems06,
  Systems12,
  Systems18,
  Infrared,
  Visible,
  WaterVapour,
};

struct HelpText {
  std::string title;
  std::string text;  // lines ending in CR LF
};

// The address placed on the clipboard: the page's folder (configuration) and
// its file name.
std::string GuideAddress(GuidePage page);
// The guide box of a page, its address on the third line.
HelpText GuideText(GuidePage page);
// Clipboard first (exactly the address, nothing else), then the guide box.
void ShowGuide(const AppContext& app, GuidePage page);

void cntInternetData06_Click(const AppContext& app);
void cntInternetData12_Click(const AppContext& app);
void cntInternetData18_Click(const AppContext& app);
void cntInternetTeikiatu06_Click(const AppContext& app);
void cntInternetTeikiatu12_Click(const AppContext& app);
void cntInternetTeikiatu18_Click(const AppContext& app);
void cntInternetPictureIR_Click(const AppContext& app);
void cntInternetPictureVisal_Click(const AppContext& app);
void cntInternetPictureVapor_Click(const AppContext& app);

// 説明する？: page one asks whether to go on; only Yes shows page two.
HelpText DescriptionPage1();
HelpText DescriptionPage2();
void cntHelp_Click(const AppContext& app);

// The 説明 buttons of Tenki1, Kaiyou1, Gyogyou and Teisei.
HelpText TenkiHelp();
HelpText KaiyouHelp();
HelpText GyogyouHelp();
HelpText TeiseiHelp();
// The 説明 button of ラジオの気象通報から入力: the lines, the keys and the
// letters that stand for the kinds of the systems.
HelpText DictationHelp();
// Shows a help text in a box with an OK button.
void ShowHelp(const AppContext& app, const HelpText& help);

}  // namespace nimbara

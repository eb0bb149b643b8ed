#include "app/Guides.h"

#include <gtest/gtest.h>

#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;

struct GuideCase {
  GuidePage page;
  void (*command)(const AppContext&);
  const char* fileName;
  const char* title;
  const char* lastLine;
};

const GuideCase kGuides[] = {
    {GuidePage::Observations06, cntInternetData06_Click, "jikkyo06.txt",
     "インターネットからの気象通報データの入手", "７　次に「低気圧や前線の位置」をクリックして下さい。"},
    {GuidePage::Observations12, cntInternetData12_Click, "jikkyo12.txt",
     "インターネットからの気象通報データの入手", "７　次に「低気圧や前線の位置」をクリックして下さい。"},
    {GuidePage::Observations18, cntInternetData18_Click, "jikkyo18.txt",
     "インターネットからの気象通報データの入手", "７　次に「低気圧や前線の位置」をクリックして下さい。"},
    {GuidePage::Systems06, cntInternetTeikiatu06_Click, "joran06.txt", "「低気圧や前線の位置」のデータの入手",
     "　これで気象通報のデータを入手できます。"},
    {GuidePage::Systems12, cntInternetTeikiatu12_Click, "joran12.txt",
     "「低気圧や前線の位置」のデータの入手 ", "　これで気象通報のデータを入手できます。"},
    {GuidePage::Systems18, cntInternetTeikiatu18_Click, "joran18.txt", "「低気圧や前線の位置」のデータの入手",
     "　これで気象通報のデータを入手できます。"},
    {GuidePage::Infrared, cntInternetPictureIR_Click, "him/1t000.html", "赤外線画像の入手",
     "　これで気象衛星画像　日本（赤外線画像）を入手できます。"},
    {GuidePage::Visible, cntInternetPictureVisal_Click, "him/1t010.html", "可視光画像の入手",
     "　これで気象衛星画像　日本（可視光画像）を入手できます。"},
    {GuidePage::WaterVapour, cntInternetPictureVapor_Click, "him/1t020.html", "水蒸気の画像の入手",
     "　これで気象衛星画像　日本（水蒸気画像）を入手できます。"},
};

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Guides, EachCommandPutsExactlyItsAddressOnTheClipboardAndShowsItsGuide) {
  for (const GuideCase& guide : kGuides) {
    TestApp app;
    app.ui.clipboardPicture = Picture{1, 1, {0xFF000000u}};
    guide.command(app.Context());
    const std::string address = GuideAddress(guide.page);
    EXPECT_TRUE(EndsWith(address, guide.fileName)) << address;
    EXPECT_EQ(app.ui.clipboardText, address);
    EXPECT_FALSE(app.ui.clipboardPicture.has_value());
    ASSERT_EQ(app.ui.messages.size(), 1u);
    EXPECT_EQ(app.ui.messages[0].title, guide.title);
    EXPECT_TRUE(EndsWith(app.ui.messages[0].text, std::string(guide.lastLine) + "\r\n")) << guide.fileName;
    EXPECT_NE(app.ui.messages[0].text.find("\r\n　　" + address + "\r\n"), std::string::npos);
  }
}

TEST(Guides, ObservationGuideTextIsExact) {
  const std::string expected =
      "\r\n"
      "１　インターネットエクスプローラーを起動します。\r\n"
      "\r\n"
      "２　気象庁の「各地の観測値」のページを開きます。アドレスは\r\n"
      "　　" +
      GuideAddress(GuidePage::Observations06) +
      "\r\n"
      "　（このアドレスはクリップボードにコピーしてあります。）\r\n"
      "\r\n"
      "３　インターネットエクスプローラーのアドレスに「貼り付け」します。\r\n"
      "\r\n"
      "４　「移動」をクリックしてページを表示させます\r\n"
      "\r\n"
      "５　「編集」→「すべて選択」をして色を反転させてから、\r\n"
      "　　「編集」→「コピー」をクリックします。\r\n"
      "\r\n"
      "６　このソフトで「データの貼り付け」をクリックします。\r\n"
      "\r\n"
      "７　次に「低気圧や前線の位置」をクリックして下さい。\r\n";
  EXPECT_EQ(GuideText(GuidePage::Observations06).text, expected);
}

TEST(Guides, ImageGuideHasTheOneLineCopyStep) {
  const std::string text = GuideText(GuidePage::WaterVapour).text;
  EXPECT_NE(
      text.find("\r\n２　日本気象協会の「気象衛星画像　日本（水蒸気）」のページを開きます。アドレスは\r\n"),
      std::string::npos);
  EXPECT_NE(text.find("\r\n\r\n５　画像の上で「右クリック」して「コピー」をクリックします。\r\n\r\n６　"),
            std::string::npos);
  EXPECT_EQ(text.find("「編集」"), std::string::npos);
}

TEST(Guides, DescriptionStopsAfterPageOneOnNo) {
  TestApp app;
  app.ui.yesNoAnswers = {false};
  cntHelp_Click(app.Context());
  ASSERT_EQ(app.ui.questions.size(), 1u);
  EXPECT_EQ(app.ui.questions[0], "説明(1/2)|" + DescriptionPage1().text);
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(Guides, DescriptionShowsPageTwoOnYes) {
  TestApp app;
  app.ui.yesNoAnswers = {true};
  cntHelp_Click(app.Context());
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, "説明 (2/2)");
  EXPECT_EQ(app.ui.messages[0].text,
            "「ファイル」→「データファイル読み込み」でサンプルを見て下さい。\r\n"
            "天気図と気象衛星画像の重ね合わせを表示します。\r\n\r\n"
            "ＩＥなどのブラウザにアドレスを入力して、データを入手して下さい。\r\n"
            "そのデータから天気図を描きます。\r\n\r\n"
            "「雲の断面図」や「気圧の立体表示」もできます。\r\n");
}

TEST(Guides, DescriptionPageOneEndsWithTheQuestionWithoutLineEnd) {
  const HelpText page = DescriptionPage1();
  EXPECT_EQ(page.text.rfind("　このたびは、ニンバラ　「Nimbara2」 を\r\n", 0), 0u);
  EXPECT_TRUE(EndsWith(page.text, "\r\n\r\n　　つぎの説明を表示しますか？"));
}

TEST(Guides, WindowHelpTitles) {
  EXPECT_EQ(TenkiHelp().title, " 「各地の天気」の説明 ");
  EXPECT_EQ(KaiyouHelp().title, " 「船舶、海洋ブイからの報告」の説明 ");
  EXPECT_EQ(GyogyouHelp().title, "漁業気象の説明 ");
  EXPECT_EQ(TeiseiHelp().title, "等圧線の修正,保存");
}

TEST(Guides, ShipHelpSkipsTheTabLineAndUsesTheFullWidthParenthesis) {
  const std::string text = KaiyouHelp().text;
  EXPECT_NE(text.find("\r\nキーボードから入力するとき\r\n　　(SHIFT+TABで前の項目に戻ります）\r\n"),
            std::string::npos);
  EXPECT_TRUE(EndsWith(text, "\r\n最後の行のデータは変更できません。削除して入力してください。\r\n"));
}

TEST(Guides, StationHelpIsExact) {
  EXPECT_EQ(TenkiHelp().text,
            "マウスを使うとき\r\n"
            "　　矢印をクリックするか、ドラッグ（ボタンをおして移動する）\r\n"
            "　　すると数値が変わります。\r\n"
            "　　「データの入力」をクリックすると入力されます。\r\n"
            "\r\n"
            "キーボードから入力するとき\r\n"
            "　　［ＴＡＢ］キーを押すと次の項目に移ります。\r\n"
            "　　(SHIFT+TABで前の項目に戻ります)\r\n"
            "　　風向、天気はカーソルキーで選んで［ＴＡＢ］\r\n"
            "　　風力、気圧、気温は数値を入力して［ＴＡＢ］\r\n"
            "　　「データの入力」のところで「リターン」キーを押すと入力。\r\n"
            "　　なれるとキーボードからのほうが速いです。\r\n"
            "\r\n"
            "入力してある行で「データの入力」をｸﾘｯｸすると変更されます。\r\n"
            "データがないときにはマウスで地名を選んでとばして下さい。\r\n");
}

TEST(Guides, CorrectionHelpEndsWithTheWrappedLine) {
  const std::string text = TeiseiHelp().text;
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "気圧？　　　：地図上の気圧を調べます。");
  EXPECT_TRUE(EndsWith(text, "もどる　　　：等圧線の修正、保存を終わりま\r\n　　　　　　　す。\r\n"));
}

}  // namespace
}  // namespace nimbara

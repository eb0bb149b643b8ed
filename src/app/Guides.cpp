#include "app/Guides.h"

#include <array>
#include <initializer_list>

#include "core/SystemKind.h"

namespace nimbara {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Where the pages live. Only the folders may change; the file names are
// those of the bulletins and image pages themselves.
constexpr std::string_view kObservationsFolder = "https://www.data.jma.go.jp/fcd/yoho/data/jikkyo/";
constexpr std::string_view kSystemsFolder = "https://www.data.jma.go.jp/fcd/yoho/data/joran/";
constexpr std::string_view kImagesFolder = "https://www.jwa.or.jp/";

constexpr std::string_view kObservationsTitle = "インターネットからの気象通報データの入手";
constexpr std::string_view kSystemsTitle = "「低気圧や前線の位置」のデータの入手";

struct PageEntry {
  GuideKind kind;
  std::string_view folder;
  std::string_view fileName;
  std::string_view title;
};

// In GuidePage order.
constexpr std::array<PageEntry, 9> kPages = {{
    {GuideKind::Observations, kObservationsFolder, "jikkyo06.txt", kObservationsTitle},
    {GuideKind::Observations, kObservationsFolder, "jikkyo12.txt", kObservationsTitle},
    {GuideKind::Observations, kObservationsFolder, "jikkyo18.txt", kObservationsTitle},
    {GuideKind::Systems, kSystemsFolder, "joran06.txt", kSystemsTitle},
    {GuideKind::Systems, kSystemsFolder, "joran12.txt", "「低気圧や前線の位置」のデータの入手 "},
    {GuideKind::Systems, kSystemsFolder, "joran18.txt", kSystemsTitle},
    {GuideKind::Infrared, kImagesFolder, "him/1t000.html", "赤外線画像の入手"},
    {GuideKind::Visible, kImagesFolder, "him/1t010.html", "可視光画像の入手"},
    {GuideKind::WaterVapour, kImagesFolder, "him/1t020.html", "水蒸気の画像の入手"},
}};

const PageEntry& EntryOf(GuidePage page) { return kPages[static_cast<std::size_t>(page)]; }

// Every line followed by CR LF; "" is an empty line.
std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

std::string_view OpenPageStep(GuideKind kind) {
  switch (kind) {
    case GuideKind::Observations:
      return "２　気象庁の「各地の観測値」のページを開きます。アドレスは";
    case GuideKind::Systems:
      return "２　気象庁の「低気圧や前線の位置」のページを開きます。アドレスは";
    case GuideKind::Infrared:
      return "２　日本気象協会の「気象衛星画像　日本（赤外）」のページを開きます。アドレスは";
    case GuideKind::WaterVapour:
      return "２　日本気象協会の「気象衛星画像　日本（水蒸気）」のページを開きます。アドレスは";
    case GuideKind::Visible:
      return "２　日本気象協会の「気象衛星画像　日本（可視）」のページを開きます。アドレスは";
  }
  return {};
}

std::string CopyStep(GuideKind kind) {
  if (kind == GuideKind::Observations || kind == GuideKind::Systems)
    return Lines({"５　「編集」→「すべて選択」をして色を反転させてから、",
                  "　　「編集」→「コピー」をクリックします。", ""});
  return Lines({"５　画像の上で「右クリック」して「コピー」をクリックします。", ""});
}

std::string_view LastStep(GuideKind kind) {
  switch (kind) {
    case GuideKind::Observations:
      return "７　次に「低気圧や前線の位置」をクリックして下さい。";
    case GuideKind::Systems:
      return "　これで気象通報のデータを入手できます。";
    case GuideKind::Infrared:
      return "　これで気象衛星画像　日本（赤外線画像）を入手できます。";
    case GuideKind::WaterVapour:
      return "　これで気象衛星画像　日本（水蒸気画像）を入手できます。";
    case GuideKind::Visible:
      return "　これで気象衛星画像　日本（可視光画像）を入手できます。";
  }
  return {};
}

// The first six lines of every entry window's help.
std::string EntryHelpStart() {
  return Lines({"マウスを使うとき", "　　矢印をクリックするか、ドラッグ（ボタンをおして移動する）",
                "　　すると数値が変わります。", "　　「データの入力」をクリックすると入力されます。", "",
                "キーボードから入力するとき"});
}

}  // namespace

std::string GuideAddress(GuidePage page) {
  const PageEntry& entry = EntryOf(page);
  return std::string(entry.folder) + std::string(entry.fileName);
}

HelpText GuideText(GuidePage page) {
  const PageEntry& entry = EntryOf(page);
  const std::string address = "　　" + GuideAddress(page);
  std::string text =
      Lines({"", "１　インターネットエクスプローラーを起動します。", "", OpenPageStep(entry.kind), address,
             "　（このアドレスはクリップボードにコピーしてあります。）", "",
             "３　インターネットエクスプローラーのアドレスに「貼り付け」します。", "",
             "４　「移動」をクリックしてページを表示させます", ""});
  text += CopyStep(entry.kind);
  text += Lines({"６　このソフトで「データの貼り付け」をクリックします。", "", LastStep(entry.kind)});
  return {std::string(entry.title), text};
}

void ShowGuide(const AppContext& app, GuidePage page) {
  app.ui.SetClipboardText(GuideAddress(page));
  ShowHelp(app, GuideText(page));
}

void cntInternetData06_Click(const AppContext& app) { ShowGuide(app, GuidePage::Observations06); }
void cntInternetData12_Click(const AppContext& app) { ShowGuide(app, GuidePage::Observations12); }
void cntInternetData18_Click(const AppContext& app) { ShowGuide(app, GuidePage::Observations18); }
void cntInternetTeikiatu06_Click(const AppContext& app) { ShowGuide(app, GuidePage::Systems06); }
void cntInternetTeikiatu12_Click(const AppContext& app) { ShowGuide(app, GuidePage::Systems12); }
void cntInternetTeikiatu18_Click(const AppContext& app) { ShowGuide(app, GuidePage::Systems18); }
void cntInternetPictureIR_Click(const AppContext& app) { ShowGuide(app, GuidePage::Infrared); }
void cntInternetPictureVisal_Click(const AppContext& app) { ShowGuide(app, GuidePage::Visible); }
void cntInternetPictureVapor_Click(const AppContext& app) { ShowGuide(app, GuidePage::WaterVapour); }

HelpText DescriptionPage1() {
  std::string text =
      Lines({"　このたびは、ニンバラ　「Nimbara2」 を",
             "　ご利用いただきありがとうございます。さて、このソフトで何が", "できるかといいますと・・・", "",
             "　１、インターネットのデータから天気図を描く。", "",
             "　２、インターネットの気象衛星画像と天気図を重ねる。", "",
             "　３、天気図や気象衛星画像の連続表示ができる。", ""});
  text += "　　つぎの説明を表示しますか？";  // the question has no line end
  return {"説明(1/2)", text};
}

HelpText DescriptionPage2() {
  return {"説明 (2/2)",
          Lines({"「ファイル」→「データファイル読み込み」でサンプルを見て下さい。",
                 "天気図と気象衛星画像の重ね合わせを表示します。", "",
                 "ＩＥなどのブラウザにアドレスを入力して、データを入手して下さい。",
                 "そのデータから天気図を描きます。", "", "「雲の断面図」や「気圧の立体表示」もできます。"})};
}

void cntHelp_Click(const AppContext& app) {
  const HelpText first = DescriptionPage1();
  if (!app.ui.AskYesNo(first.title, first.text)) return;
  ShowHelp(app, DescriptionPage2());
}

HelpText TenkiHelp() {
  std::string text = EntryHelpStart();
  text += Lines({"　　［ＴＡＢ］キーを押すと次の項目に移ります。", "　　(SHIFT+TABで前の項目に戻ります)",
                 "　　風向、天気はカーソルキーで選んで［ＴＡＢ］",
                 "　　風力、気圧、気温は数値を入力して［ＴＡＢ］",
                 "　　「データの入力」のところで「リターン」キーを押すと入力。",
                 "　　なれるとキーボードからのほうが速いです。", "",
                 "入力してある行で「データの入力」をｸﾘｯｸすると変更されます。",
                 "データがないときにはマウスで地名を選んでとばして下さい。"});
  return {" 「各地の天気」の説明 ", text};
}

HelpText KaiyouHelp() {
  std::string text = EntryHelpStart();
  text +=
      Lines({"　　(SHIFT+TABで前の項目に戻ります）", "　　北緯、東経、気圧は数値を入力して［ＴＡＢ］",
             "　　風向、天気はカーソルキーで選んで［ＴＡＢ］",
             "　　「データの入力」のところで「リターン」キーを押すと入力。",
             "　　なれるとキーボードからのほうが速いです。", "", "「削除」で現在カーソルがある行が消えます。",
             "入力してある行で「データの入力」をｸﾘｯｸすると変更できます。",
             "最後の行のデータは変更できません。削除して入力してください。"});
  return {" 「船舶、海洋ブイからの報告」の説明 ", text};
}

HelpText GyogyouHelp() {
  std::string text = EntryHelpStart();
  text += Lines({"　　(SHIFT+TABで前の項目に戻ります)", "　　北緯、東経、気圧は数値を入力して［ＴＡＢ］",
                 "　　高気圧や低気圧はカーソルキーで選んで［ＴＡＢ］",
                 "　　「データの入力」のところで「リターン」キーを押すと入力。",
                 "　　なれるとキーボードからのほうが速いです。", "",
                 "「中心から」は低気圧から出る前線の入力に使います。",
                 "「ここから」は前線がべつの前線に変化するときに使います。",
                 "　　　　どちらもあとで前線のデータに変換されます。"});
  return {"漁業気象の説明 ", text};
}

HelpText DictationHelp() {
  std::string text = Lines({"放送を聞きながら、キーボードだけで入力できます。", "",
                            "各地の天気：地名の順に「風向 風力 天気 気圧 気温」を1行ずつ入力して［⏎］",
                            "　　入電なしは「-」。↑↓で地点を選んで直せます。",
                            "　　直したあとは、放送が読んでいる地点にもどります。",
                            "　　報告のある地点を書きかえるときは、もう一度［⏎］",
                            "船舶の報告：「緯度 経度 風向 風力 天気 気圧」。削除は「-」",
                            "低気圧や前線：1行に1つ、［⏎］で読みます。", "　　低 1002 41 147　　温暖 40 152 37 155",
                            "　　種類は次の文字でも書けます："});
  for (const SystemKind& row : kSystemKinds) {
    text += "　　　" + std::string(row.shortForms[0]) + "＝" + std::string(row.letters) + "（" + std::string(row.word) +
            "）" + std::string(kLineEnd);
  }
  text += Lines({"", "［Tab］で次の欄、［Alt］＋［D］で観測日時、［F5］で天気図を表示します。"});
  return {"「ラジオの気象通報から入力」の説明", text};
}

HelpText TeiseiHelp() {
  return {
      "等圧線の修正,保存",
      Lines({"気圧？　　　：地図上の気圧を調べます。", "　　　　　　　調べたい所でクリック。",
             "気圧＋　　　：気圧を増やしたい所でクリック。", "気圧－　　　：気圧を減らしたい所でクリック。",
             "間隔　　　　：等圧線を何ｈＰａごとに描くか", "　　　　　　　を設定します。",
             "データの平均：気圧データを平均してから、", "　　　　　　　等圧線を描きます。",
             "等圧線を描く：画面全体を描きなおします。", "等圧線の保存：等圧線のデータを保存します。",
             "もどる　　　：等圧線の修正、保存を終わりま", "　　　　　　　す。"})};
}

void ShowHelp(const AppContext& app, const HelpText& help) {
  app.ui.Message(help.title, help.text, MessageIcon::None);
}

}  // namespace nimbara

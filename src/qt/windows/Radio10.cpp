#include "qt/windows/Radio10.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <variant>

#include "app/Alignment.h"
#include "app/ChooserRequests.h"
#include "app/ClickDispatch.h"
#include "app/CrossSection.h"
#include "app/DisplayCommands.h"
#include "app/DropCommands.h"
#include "app/EntryCommands.h"
#include "app/FileCommands.h"
#include "app/Guides.h"
#include "app/ImageCommands.h"
#include "app/IsobarCommands.h"
#include "app/MapOutput.h"
#include "app/PasteCommands.h"
#include "app/PracticeCommands.h"
#include "app/SettingsCommands.h"
#include "app/SlideShow.h"
#include "app/StartUp.h"
#include "app/StatusBar.h"
#include "app/WindowPlaces.h"
#include "qt/MapExport.h"
#include "qt/MapOutputActions.h"
#include "qt/WidgetText.h"
#include "qt/windows/Cont.h"
#include "qt/windows/Renshuu.h"
#include "qt/windows/Danmen.h"
#include "qt/windows/Gyogyou.h"
#include "qt/windows/Kaiyou1.h"
#include "qt/windows/RadioDictation.h"
#include "qt/windows/Teisei.h"
#include "qt/windows/Tenki1.h"
#include "qt/windows/frmAdjust.h"
#include "qt/windows/frmColor.h"
#include "qt/windows/frmOpenSave.h"

namespace nimbara {
namespace {

using Slot = void (Radio10::*)();

enum class Entry { Menu, Submenu, End, Item, Check, Separator, BarCommand };

// A line of the menu tree. An item runs a Qt-free command of src/app, or,
// for the few actions that need the Qt side (printing, the map's picture,
// the colour dialog, ending), a slot of the window.
struct MenuEntry {
  Entry kind;
  const char* name = "";
  const char* caption = "";  // "(&F)" marks a menu's mnemonic
  std::variant<Radio10::Command, Slot> action = Radio10::Command{};
  const char* keys = nullptr;  // the shortcut, as QKeySequence reads it
};

// The layer switch each check item shows.
struct LayerTick {
  const char* name;
  bool LayerSwitches::*layer;
};
constexpr LayerTick kLayerTicks[] = {
    {"cntTizu", &LayerSwitches::map},      {"cntTouatu2", &LayerSwitches::isobars},
    {"cntKigou", &LayerSwitches::weather}, {"cntHuuryoku", &LayerSwitches::wind},
    {"cntZensen", &LayerSwitches::fronts}, {"cntAllData", &LayerSwitches::allData},
    {"cntZoomUp", &LayerSwitches::zoomUp}, {"cntMitame", &LayerSwitches::chartStyle},
    {"cntHanrei", &LayerSwitches::legend},
};

// The browse buttons cmdPlay(0) to cmdPlay(5), top to bottom.
constexpr std::array<std::pair<BrowseButton, const char*>, kBrowseButtonCount> kBrowseButtons = {{
    {BrowseButton::First, "最も古い画像を表示"},
    {BrowseButton::Previous, "ひとつ前の画像"},
    {BrowseButton::Stop, "連続表示を止める"},
    {BrowseButton::Run, "連続表示"},
    {BrowseButton::Next, "次の画像"},
    {BrowseButton::Last, "いちばん新しい画像"},
}};
constexpr const char* kFolderCaption = "フォルダやファイルを選択";
constexpr const char* kWholeMapCaption = "全体を表示(&Z)";
constexpr const char* kWidestPointerText = "北緯00.0度　東経000.0度　0000.0hPa";
constexpr int kStartWidth = 1000;
constexpr int kStartHeight = 720;

}  // namespace

Radio10::Radio10(QWidget* parent)
    : QMainWindow(parent),
      m_ui(this,
           [this](const ChooserRequest& request) {
             frmOpenSave chooser(this);
             return chooser.Choose(request);
           }),
      m_picture1(new MapSurface(m_canvas, this)),
      m_mapScroll(new QScrollArea(this)) {
  setWindowTitle(WidgetText(kMainCaption));
  setCentralWidget(BuildClientArea());
  BuildMenus();
  BuildStatusBar();
  setAcceptDrops(true);
  for (const char* printing : {"cntMapPrint", "cntBlankPrint"}) MenuAction(printing)->setEnabled(CanPrint());
  RegisterToolWindows();
  m_ui.SetMapSurface(m_picture1);
  m_ui.RememberPlacesIn(m_state.windowPlaces);
  connect(m_picture1, &MapSurface::MousePressed, this, &Radio10::Picture1_MouseDown);
  StartSession(Context());
  ShowLayerTicks();
  resize(kStartWidth, kStartHeight);
}

void Radio10::BuildMenus() {
  static const MenuEntry kMenu[] = {
      {Entry::Menu, "cntFile", "ファイル(&F)　"},
      {Entry::Item, "cntLoad", "データファイル読みこみ(&O)", cntLoad_Click, "Ctrl+O"},
      {Entry::Item, "mnuDataRenzoku", "データファイル連続表示(&D)", mnuDataRenzoku_Click},
      {Entry::Item, "cntSave", "データファイル保存(&S)", cntSave_Click, "Ctrl+S"},
      {Entry::Separator},
      {Entry::Item, "cntKLoad", "気象観測ファイル読み込み(&K)", cntKLoad_Click},
      {Entry::Item, "mnuTenkiRenzoku", "気象観測（天気図）連続表示(&T)", mnuTenkiRenzoku_Click},
      {Entry::Item, "cntKSave", "気象観測ファイル保存(&V)", cntKSave_Click},
      {Entry::Separator},
      {Entry::Item, "cntHimawari", "気象衛星画像ファイル読みこみ(&G)", cntHimawari_Click},
      {Entry::Item, "cntGRenzoku", "気象衛星画像ファイル連続表示(&H)", cntGRenzoku_Click},
      {Entry::Item, "cntGazou", "気象衛星画像ファイル保存(&Z)", cntGazou_Click},
      {Entry::Item, "cntMapSave", "天気図を画像として保存(&M)", &Radio10::cntMapSave_Click},
      {Entry::Item, "cntMapPrint", "天気図を印刷(&P)", &Radio10::cntMapPrint_Click, "Ctrl+P"},
      {Entry::Item, "cntBlankPrint", "白地図を印刷(&B)", &Radio10::cntBlankPrint_Click},
      {Entry::Item, "cntBlankSave", "白地図を画像として保存(&W)", &Radio10::cntBlankSave_Click},
      {Entry::Separator},
      {Entry::Item, "cntTLoad", "等圧線ファイル読みこみ(&L)", LoadIsobarFile},
      {Entry::Item, "cntRenzoku", "等圧線ファイル連続表示(&R)", cntRenzoku_Click},
      {Entry::Item, "cntTSave", "等圧線ファイル保存(&I)", SaveIsobarFile},
      {Entry::Separator},
      {Entry::Item, "cntLoadSettei", "設定ファイル読み込み(&E)", cntLoadSettei_Click},
      {Entry::Item, "cntSaveSettei", "設定ファイル保存(&C)", cntSaveSettei_Click},
      {Entry::Separator},
      {Entry::Item, "entEnd2", "終了(&X)", &Radio10::entEnd2_Click},
      {Entry::End},
      {Entry::Menu, "cntInternet", "ｲﾝﾀｰﾈｯﾄからﾃﾞｰﾀを入手(&I)　"},
      {Entry::Item, "cntInternetData06", "各地の観測値ﾃﾞｰﾀ(午前６時)(&1)", cntInternetData06_Click},
      {Entry::Item, "cntInternetData12", "各地の観測値ﾃﾞｰﾀ(１２時)(&2)", cntInternetData12_Click},
      {Entry::Item, "cntInternetData18", "各地の観測値ﾃﾞｰﾀ(午後６時)(&3)", cntInternetData18_Click},
      {Entry::Separator},
      {Entry::Item, "cntInternetTeikiatu06", "低気圧や前線のﾃﾞｰﾀ(午前６時)(&4)",
       cntInternetTeikiatu06_Click},
      {Entry::Item, "cntInternetTeikiatu12", "低気圧や前線のﾃﾞｰﾀ(１２時)(&5)",
       cntInternetTeikiatu12_Click},
      {Entry::Item, "cntInternetTeikiatu18", "低気圧や前線のﾃﾞｰﾀ(午後６時)(&6)",
       cntInternetTeikiatu18_Click},
      {Entry::Separator},
      {Entry::Item, "cntInternetPictureIR", "気象衛星画像　日本（赤外線）(&I)",
       cntInternetPictureIR_Click},
      {Entry::Item, "cntInternetPictureVisal", "気象衛星画像　日本（可視光）(&V)",
       cntInternetPictureVisal_Click},
      {Entry::Item, "cntInternetPictureVapor", "気象衛星画像　日本（水蒸気）(&W)",
       cntInternetPictureVapor_Click},
      {Entry::Separator},
      {Entry::Item, "cntPaste", "データの貼り付け(&P)", cntPaste_Click, "Ctrl+V"},
      {Entry::End},
      {Entry::Menu, "cntEdit", "観測データ確認・入力(&E)　　"},
      {Entry::Item, "cntTenki", "各地の天気のデータ(&T)", cntTenki_Click},
      {Entry::Item, "cntSenpaku", "船舶の報告のデータ(&S)", cntSenpaku_Click},
      {Entry::Item, "cntGyogyou", "低気圧や前線の位置のデータ(&G)", cntGyogyou_Click},
      {Entry::Item, "cntRadio", "ラジオの気象通報から入力(&R)", cntRadio_Click, "Ctrl+R"},
      {Entry::Separator},
      {Entry::Submenu, "cntNew", "データを消す(&N)"},
      {Entry::Item, "cntNew2", "ﾃﾞｰﾀを消しますよ　ｏｋ？(&Y)", cntNew2_Click},
      {Entry::End},
      {Entry::End},
      {Entry::Menu, "cntLine", "天気図(&W)　"},
      {Entry::Item, "cntDisplay", "天気図を表示する(&D)", cntDisplay_Click, "F5"},
      {Entry::Submenu, "cntSetting", "表示の設定(&S)"},
      {Entry::Check, "cntTizu", "地図を表示(&M)", cntTizu_Click},
      {Entry::Check, "cntTouatu2", "等圧線の表示(&I)", cntTouatu2_Click},
      {Entry::Check, "cntKigou", "天気記号の表示(&W)", cntKigou_Click},
      {Entry::Check, "cntHuuryoku", "風力の表示(&F)", cntHuuryoku_Click},
      {Entry::Check, "cntZensen", "前線の表示(&R)", cntZensen_Click},
      {Entry::Separator},
      {Entry::Check, "cntAllData", "全観測地のデータを表示(&A)", cntAllData_Click},
      {Entry::Check, "cntZoomUp", "天気記号を拡大表示(&Z)", cntZoomUp_Click},
      {Entry::Separator},
      {Entry::Check, "cntMitame", "天気図の見た目：気象庁風(&C)", cntMitame_Click},
      {Entry::Check, "cntHanrei", "凡例(&L)", cntHanrei_Click},
      {Entry::End},
      {Entry::Separator},
      {Entry::Item, "cntClsLine", "天気図の表示を消す(&E)", cntClsLine_Click},
      {Entry::Separator},
      {Entry::Item, "cntRittai", "気圧の立体表示(&T)", cntRittai_Click},
      {Entry::Item, "cntTKankaku", "等圧線の間隔の変更(&K)", cntTKankaku_Click},
      {Entry::Item, "cntSyusei", "等圧線の修正、保存(&U)", cntSyusei_Click},
      {Entry::Item, "cntRenshuu", "等圧線を引く練習(&P)", cntRenshuu_Click},
      {Entry::Separator},
      {Entry::Item, "cntColor", "天気図の色の設定(&O)", &Radio10::cntColor_Click},
      {Entry::Item, "cntAdjust", "地図と画像の位置調整(&J)", OpenAlignmentWindow},
      {Entry::End},
      {Entry::BarCommand, "mnuKiatuClear", "気圧の表示を消す(&P)", mnuKiatuClear_Click},
      {Entry::Menu, "cntHim", "気象衛星画像(&S)"},
      {Entry::Item, "cntDanmen", "雲の断面図(&D)", cntDanmen_Click},
      {Entry::Separator},
      {Entry::Item, "cntCopy", "画像をクリップボードにコピー(&C)", cntCopy_Click},
      {Entry::Item, "cntMapCopy", "天気図をクリップボードにコピー(&M)", &Radio10::cntMapCopy_Click, "Ctrl+C"},
      {Entry::Separator},
      {Entry::Item, "cntClsBMP", "気象衛星画像の表示を消す(&E)", cntClsBMP_Click},
      {Entry::End},
      {Entry::BarCommand, "cntHelp", "説明する？(&H)", cntHelp_Click},
  };
  std::vector<QMenu*> open;  // the menu being filled and the ones around it
  for (const MenuEntry& entry : kMenu) {
    QAction* action = nullptr;
    switch (entry.kind) {
      case Entry::Menu:
      case Entry::Submenu: {
        QMenu* menu = open.empty() ? menuBar()->addMenu(WidgetText(entry.caption))
                                   : open.back()->addMenu(WidgetText(entry.caption));
        menu->setObjectName(entry.name);
        menu->menuAction()->setObjectName(entry.name);
        open.push_back(menu);
        continue;
      }
      case Entry::End:
        open.pop_back();
        continue;
      case Entry::Separator:
        open.back()->addSeparator();
        continue;
      case Entry::BarCommand:
        action = menuBar()->addAction(WidgetText(entry.caption));
        break;
      case Entry::Item:
      case Entry::Check:
        action = open.back()->addAction(WidgetText(entry.caption));
        break;
    }
    action->setObjectName(entry.name);
    action->setCheckable(entry.kind == Entry::Check);
    if (entry.keys) action->setShortcut(QKeySequence(QString::fromLatin1(entry.keys)));
    if (const Command* command = std::get_if<Command>(&entry.action))
      connect(action, &QAction::triggered, this, [this, command = *command] { Run(command); });
    else
      connect(action, &QAction::triggered, this, std::get<Slot>(entry.action));
  }
}

QWidget* Radio10::BuildClientArea() {
  auto* area = new QWidget(this);
  auto* row = new QHBoxLayout(area);
  m_mapScroll->setObjectName(QStringLiteral("MapScroll"));
  m_mapScroll->setFrameShape(QFrame::NoFrame);
  m_mapScroll->setWidget(m_picture1);
  row->addWidget(m_mapScroll, 1);
  auto* buttons = new QVBoxLayout;
  for (std::size_t i = 0; i < kBrowseButtons.size(); ++i) {
    const auto [which, caption] = kBrowseButtons[i];
    QPushButton*& button = cmdPlay[i];
    button = new QPushButton(WidgetText(caption), area);
    button->setObjectName(QStringLiteral("cmdPlay%1").arg(i));
    buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, which = which] { cmdPlay_Click(which); });
  }
  buttons->addSpacing(cmdPlay[0]->sizeHint().height() / 2);
  cmdFolder = new QPushButton(WidgetText(kFolderCaption), area);
  cmdFolder->setObjectName(QStringLiteral("cmdFolder"));
  buttons->addWidget(cmdFolder);
  buttons->addStretch(1);
  connect(cmdFolder, &QPushButton::clicked, this, [this] { Run(nimbara::cmdFolder_Click); });
  cmdZentai = new QPushButton(WidgetText(kWholeMapCaption), area);
  cmdZentai->setObjectName(QStringLiteral("cmdZentai"));
  cmdZentai->setCheckable(true);
  buttons->insertWidget(buttons->count() - 1, cmdZentai);
  connect(cmdZentai, &QPushButton::toggled, this, &Radio10::cmdZentai_Toggled);
  cmdZentai_Toggled(false);
  row->addLayout(buttons);
  return area;
}

void Radio10::BuildStatusBar() {
  m_clickModeLabel = new QLabel(this);
  m_clickModeLabel->setObjectName(QStringLiteral("lblClickMode"));
  m_pointerLabel = new QLabel(this);
  m_pointerLabel->setObjectName(QStringLiteral("lblPointer"));
  // As wide as its widest text from the start, so the words do not shift as the pointer moves.
  m_pointerLabel->setMinimumWidth(m_pointerLabel->fontMetrics().horizontalAdvance(WidgetText(kWidestPointerText)));
  m_pointerLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  statusBar()->addWidget(m_clickModeLabel, 1);
  statusBar()->addPermanentWidget(m_pointerLabel);
  ShowClickMode();
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &Radio10::ShowClickMode);
  connect(m_picture1, &MapSurface::PointerMoved, this, [this](double x, double y) {
    m_pointerLabel->setText(WidgetText(PointerText(m_state.field.grid, x, y)));
  });
  connect(m_picture1, &MapSurface::PointerLeft, m_pointerLabel, &QLabel::clear);
}

void Radio10::ShowClickMode() {
  if (m_shownClickMode == m_state.clickMode) return;
  m_shownClickMode = m_state.clickMode;
  m_clickModeLabel->setText(WidgetText(ClickModeText(m_state.clickMode)));
}

void Radio10::RegisterToolWindows() {
  const auto repaintOn = [this](auto* window) {
    connect(window, &std::remove_pointer_t<decltype(window)>::MapChanged, this, &Radio10::RefreshMap);
    return QtUi::Created{window, window};
  };
  m_ui.RegisterFactory(WindowId::Teisei,
                       [this, repaintOn] { return repaintOn(new Teisei(Context(), this)); });
  m_ui.RegisterFactory(WindowId::Danmen,
                       [this, repaintOn] { return repaintOn(new Danmen(Context(), this)); });
  m_ui.RegisterFactory(WindowId::RadioDictation,
                       [this, repaintOn] { return repaintOn(new RadioDictation(Context(), this)); });
  m_ui.RegisterFactory(WindowId::FrmAdjust,
                       [this, repaintOn] { return repaintOn(new frmAdjust(Context(), this)); });
  m_ui.RegisterFactory(WindowId::Renshuu, [this] {
    auto* window = new Renshuu(Context(), this);
    return QtUi::Created{window, window};
  });
  m_ui.RegisterFactory(WindowId::Cont, [this] {
    auto* window = new Cont(Context(), this);
    return QtUi::Created{window, window};
  });
}

void Radio10::LoadEntryWindows() {
  const auto load = [this](WindowId id, auto* window) {
    m_ui.RegisterWindow(id, window, window);
    window->Refresh();
  };
  load(WindowId::Tenki1, new Tenki1(Context(), this));
  load(WindowId::Kaiyou1, new Kaiyou1(Context(), this));
  load(WindowId::Gyogyou, new Gyogyou(Context(), this));
}

QAction* Radio10::MenuAction(const QString& name) const { return findChild<QAction*>(name); }

void Radio10::MDIForm_Load() {
  StartUpOptions options;
  options.startDirectory = QDir::currentPath().toStdString();
  options.sample = FindSampleData(SampleDirectories(QCoreApplication::applicationDirPath().toStdString()));
  options.loadEntryWindows = [this] { LoadEntryWindows(); };
  nimbara::MDIForm_Load(Context(), options);
  ShowLayerTicks();
  RefreshMap();
}

void Radio10::closeEvent(QCloseEvent* event) {
  if (!MDIForm_QueryUnload(Context())) {
    event->ignore();
    return;
  }
  MDIForm_Unload(Context());
  m_ui.EndAllWindows();
  event->accept();
  // The end of the main window is the end of the program. Qt quits by itself
  // on the last window only if nothing holds the application at that moment,
  // which a run ending in a nested event loop may; queued, the quit also
  // reaches the application's own loop when no run was going.
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void Radio10::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
    event->acceptProposedAction();
}

void Radio10::dropEvent(QDropEvent* event) {
  std::vector<std::string> files;
  for (const QUrl& url : event->mimeData()->urls()) files.push_back(url.toLocalFile().toStdString());
  event->acceptProposedAction();
  DropFiles(Context(), files);
  AfterCommand();
}

void Radio10::Run(Command command) {
  command(Context());
  AfterCommand();
}

void Radio10::AfterCommand() {
  ShowLayerTicks();
  // A command may change the observation date (a systems paste, say) without
  // touching the rows of every entry window; their date boxes follow it.
  for (WindowId id : {WindowId::Tenki1, WindowId::Kaiyou1, WindowId::Gyogyou})
    if (auto* entry = qobject_cast<EntryWindow*>(m_ui.Window(id))) entry->FollowDate();
  RefreshMap();
}

void Radio10::RefreshMap() { m_picture1->update(); }

void Radio10::ShowLayerTicks() {
  for (const LayerTick& tick : kLayerTicks)
    if (QAction* action = MenuAction(tick.name)) action->setChecked(m_state.layers.*tick.layer);
}

void Radio10::entEnd2_Click() { close(); }

void Radio10::cmdZentai_Toggled(bool wholeMap) {
  // Either way the surface turns widget positions into map units by its own
  // zoom, so drawing, clicks and the readout are the same.
  m_mapScroll->setWidgetResizable(wholeMap);
  if (!wholeMap) m_picture1->resize(m_canvas.PixelWidth(), m_canvas.PixelHeight());
}

void Radio10::cntMapSave_Click() { SaveCanvasAs(Context(), m_canvas, kSaveMapChooser, PageHeading(m_state)); }
void Radio10::cntMapPrint_Click() { PrintCanvas(m_canvas, PageHeading(m_state), this); }
void Radio10::cntBlankPrint_Click() {
  PrintCanvas(*MakeBlankForm(m_state.store.stations, m_state.store.stationCount), kBlankFormTitle, this);
}
void Radio10::cntBlankSave_Click() {
  SaveCanvasAs(Context(), *MakeBlankForm(m_state.store.stations, m_state.store.stationCount), kSaveBlankFormChooser,
               kBlankFormTitle);
}
void Radio10::cntMapCopy_Click() { CopyCanvasToClipboard(Context(), m_canvas); }

void Radio10::cntColor_Click() {
  frmColor dialog(Context(), this);
  m_ui.PlaceWindow(&dialog, kColourWindowPlaceName);
  connect(&dialog, &frmColor::MapChanged, this, &Radio10::RefreshMap);
  dialog.exec();
}

void Radio10::cmdPlay_Click(BrowseButton button) {
  nimbara::cmdPlay_Click(Context(), button);
  RefreshMap();
}

void Radio10::Picture1_MouseDown(Qt::MouseButton button, double x, double y) {
  ClickHooks hooks;
  hooks.crossSection = DrawCloudSectionAtClick;
  hooks.correctedPressure = [this](const std::string& hPa) {
    if (auto* window = qobject_cast<Teisei*>(m_ui.Window(WindowId::Teisei))) window->ShowPressure(hPa);
  };
  nimbara::Picture1_MouseDown(Context(), button == Qt::LeftButton, x, y, hooks);
  RefreshMap();
}

}  // namespace nimbara

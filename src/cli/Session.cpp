#include "cli/Session.h"

#include <QDir>
#include <QGuiApplication>

#include <fstream>
#include <iostream>

#include "app/ShipEntry.h"
#include "app/StationEntry.h"
#include "app/SystemEntryEditor.h"
#include "core/BaseMap.h"
#include "io/DataFile.h"
#include "io/FileIo.h"

namespace nimbara {

Session::Session(int pixelWidth, int pixelHeight, bool keepLog)
    : m_keepLog(keepLog),
      m_picture(pixelWidth, pixelHeight),
      m_log(pixelWidth, pixelHeight),
      m_canvas(m_picture, m_log) {
  Canvas& canvas = Context().canvas;
  ApplyMapView(canvas, state.view);
  canvas.SetBackColour(state.colours[kBackgroundColour]);
}

QuietRun::QuietRun() {
  // As at start-up, the entry windows' lists hold a row per record, so the
  // counts that saving takes from them are right.
  LoadStationRows(state);
  LoadShipRows(state);
  LoadSystemRows(state);
  state.layers.map = state.layers.isobars = state.layers.weather = state.layers.wind = state.layers.fronts = false;
}

void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "nimbara";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance()) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::tempPath() + "/nimbara-runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
  new QGuiApplication(argc, argv);
}

std::string DataFileProblem(const std::string& path) {
  const auto text = ReadCp932File(path);
  if (!text) return "cannot read " + path;
  if (!ParseDataFile(*text)) return path + " is not a data file";
  return {};
}

bool WriteTextOutput(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (out.flush()) return true;
  std::cerr << "nimbara: cannot write " << path << "\n";
  return false;
}

}  // namespace nimbara

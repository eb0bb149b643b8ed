#include "cli/Session.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "app/StartUp.h"
#include "cli/MapFonts.h"
#include "cli/RuntimeFolder.h"

namespace nimbara {
namespace {

// The process's own folder (cli/RuntimeFolder.h), removed at exit: Qt's
// runtime folder unless one is set, and where the fonts' setup is written.
std::string PrivateFolder() {
  static std::string folder;
  folder = MakePrivateRuntimeFolder(QDir::tempPath().toStdString());
  if (folder.empty()) return folder;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  });
  return folder;
}

std::string Reason(const FileStatus& status) {
  switch (status.fault) {
    case FileFault::None:
      break;
    case FileFault::Missing:
      return "no such file";
    case FileFault::Folder:
      return "a folder";
    case FileFault::NotRegular:
      return "not a regular file";
    case FileFault::TooLarge:
      return "too large";
    case FileFault::Utf8Text:
      return "UTF-8 text (data files are CP932)";
    case FileFault::WrongKind:
      return "not a data file";
    case FileFault::ReadOnly:
      return "the file is read-only";
    case FileFault::System:
      return std::strerror(status.error);
  }
  return {};
}

}  // namespace

Session::Session(int pixelWidth, int pixelHeight, bool keepLog)
    : m_keepLog(keepLog),
      m_picture(pixelWidth, pixelHeight),
      m_log(pixelWidth, pixelHeight),
      m_canvas(m_picture, m_log) {
  StartSession(Context());
}

QuietRun::QuietRun() {
  StartSession(Context());
  state.layers.map = state.layers.isobars = state.layers.weather = state.layers.wind = state.layers.fronts = false;
}

void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "nimbara";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance()) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string folder = PrivateFolder();
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && !folder.empty())
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder));
  OfferOnlyMapFonts(folder);
  new QGuiApplication(argc, argv);
}

std::string ReadProblem(const FileStatus& status) { return "cannot read " + status.path + ": " + Reason(status); }

std::string WriteProblem(const FileStatus& status) { return "cannot write " + status.path + ": " + Reason(status); }

}  // namespace nimbara

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "app/AppState.h"
#include "app/DisplayCommands.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/HeadlessUi.h"
#include "cli/TeeCanvas.h"
#include "core/BaseMap.h"
#include "qt/QtCanvas.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

constexpr int kDefaultPictureSize = 800;
constexpr int kMaxPictureSide = 16384;

struct PictureSize {
  int width = kDefaultPictureSize;
  int height = kDefaultPictureSize;
};

std::optional<PictureSize> ParseSize(const std::string& text) {
  int width = 0;
  int height = 0;
  char extra = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &extra) != 2) return std::nullopt;
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) return std::nullopt;
  return PictureSize{width, height};
}

// Qt's text drawing needs a GUI application object, but no screen.
void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "nimbara";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

}  // namespace

int RenderCommand(int argc, char** argv) {
  Arguments args(argc, argv, 2);
  const auto output = args.TakeValue("-o");
  const auto opsPath = args.TakeValue("--ops");
  const auto sizeText = args.TakeValue("--size");
  const auto positionals = args.TakePositionals();
  if (!args.Error().empty()) return UsageError(args.Error().c_str());
  if (!output) return UsageError("render needs -o OUT.png");
  if (!positionals.empty()) return UsageError("render does not take a data file yet");
  PictureSize size;
  if (sizeText) {
    const auto parsed = ParseSize(*sizeText);
    if (!parsed) return UsageError("--size must be WIDTHxHEIGHT, each 1 to 16384");
    size = *parsed;
  }

  EnsureGuiApplication();
  QtCanvas picture(size.width, size.height);
  RecordingCanvas log(size.width, size.height);
  TeeCanvas canvas(picture, log);
  AppState state;
  HeadlessUi ui;
  ApplyMapView(canvas, state.view);
  canvas.SetBackColour(state.colours[kBackgroundColour]);
  cntDisplay_Click({state, canvas, ui});

  if (!picture.Composite().save(QString::fromStdString(*output), "PNG")) {
    std::cerr << "nimbara: cannot write " << *output << "\n";
    return kExitFailure;
  }
  if (opsPath) {
    std::ofstream ops(*opsPath, std::ios::binary);
    ops << log.Log();
    if (!ops.flush()) {
      std::cerr << "nimbara: cannot write " << *opsPath << "\n";
      return kExitFailure;
    }
  }
  return kExitOk;
}

}  // namespace nimbara

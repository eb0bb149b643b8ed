#pragma once
// The menu actions that take the drawn map (or the blank form) out of the
// program: saved as a picture or document, printed, copied.

#include <QWidget>

#include <string>

#include "app/AppContext.h"
#include "qt/QtCanvas.h"

namespace nimbara {

// Asks for a file with `request` and writes `canvas` there as
// PNG, SVG or PDF; a failed write is reported.
void SaveCanvasAs(const AppContext& app, const QtCanvas& canvas, const ChooserRequest& request,
                  const std::string& title);

// Shows the print dialog and prints `canvas` fitted to the page under
// `title`. Without print support nothing happens.
void PrintCanvas(const QtCanvas& canvas, const std::string& title, QWidget* parent);

// What the map surface shows, on the clipboard as a picture.
void CopyCanvasToClipboard(const AppContext& app, const QtCanvas& canvas);

// Whether this build can print.
bool CanPrint();

}  // namespace nimbara

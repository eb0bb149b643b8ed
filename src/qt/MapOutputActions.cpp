#include "qt/MapOutputActions.h"

#if NIMBARA_HAVE_PRINT
#include <QPrintDialog>
#include <QPrinter>
#endif

#include "app/FileMessages.h"
#include "app/MapOutput.h"
#include "qt/MapExport.h"

namespace nimbara {

void SaveCanvasAs(const AppContext& app, const QtCanvas& canvas, const ChooserRequest& request,
                  const std::string& title) {
  const auto path = ChooseMapOutputPath(app, request);
  if (!path) return;
  if (FileStatus status = ExportMap(canvas, *path, title); !status) {
    app.ui.Message(kMapOutputErrorTitle, kMapOutputErrorText + *path + "\r\n" + FileFaultText(status),
                   MessageIcon::Warning);
  }
}

bool CanPrint() {
#if NIMBARA_HAVE_PRINT
  return true;
#else
  return false;
#endif
}

void PrintCanvas([[maybe_unused]] const QtCanvas& canvas, [[maybe_unused]] const std::string& title,
                 [[maybe_unused]] QWidget* parent) {
#if NIMBARA_HAVE_PRINT
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(title.empty() ? std::string("Nimbara") : title));
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() == QDialog::Accepted) PaintMapPage(canvas, printer, title);
#endif
}

void CopyCanvasToClipboard(const AppContext& app, const QtCanvas& canvas) {
  app.ui.SetClipboardPicture(ToPicture(canvas.Composite()));
}

}  // namespace nimbara

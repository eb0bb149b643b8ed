#pragma once
// Saving what the map surface shows: background, picture and every drawn
// layer. PNG is a picture; SVG and PDF repaint the drawing calls as vectors,
// text kept as text.

#include <QPagedPaintDevice>
#include <QString>

#include <memory>
#include <optional>
#include <string>

#include "app/MapOutput.h"
#include "core/ObservationStore.h"
#include "io/FileIo.h"
#include "qt/QtCanvas.h"

namespace nimbara {

// The canvas as the bytes of a file in `format`; `title` (the observation
// date) heads the PDF page. Nothing when they cannot be made (SVG without
// SVG support).
std::optional<std::string> ExportBytes(const QtCanvas& canvas, ExportFormat format, const std::string& title);

// Writes ExportBytes to `path` through the atomic writer, in the format of its
// extension (FileFault::WrongKind when it is not png, svg or pdf).
FileStatus ExportMap(const QtCanvas& canvas, const std::string& path, const std::string& title = {});

// Paints background, picture and drawing onto `painter` in canvas pixels.
void PaintMap(const QtCanvas& canvas, QPainter& painter);

// Paints the map fitted to one page of a PDF file or a printer, with `title`
// (when not empty) centred above it.
void PaintMapPage(const QtCanvas& canvas, QPagedPaintDevice& device, const std::string& title);

// A canvas of its own holding the blank map form.
std::unique_ptr<QtCanvas> MakeBlankForm(const StationTable& stations, int stationCount);

}  // namespace nimbara

#pragma once
// A picture as PNG, written for speed: 8-bit RGB, every row unfiltered,
// deflated by libdeflate at its fastest level. On maps (flat colours, and a
// satellite picture behind them) no filter came out both faster and smaller
// than libpng's adaptive ones, and libdeflate about three times as fast as
// zlib at the same size (bench/README.md); writing the PNG was most of what
// `nimbara render` spent.

#include <QByteArray>
#include <QImage>

namespace nimbara {

// Empty when the encoder fails. Opaque pixels only: alpha is dropped.
QByteArray FastPngBytes(const QImage& image);

}  // namespace nimbara

#include "qt/PngBytes.h"

#include <libdeflate.h>

#include <cstdint>
#include <memory>
#include <string_view>

namespace nimbara {
namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr int kBitDepth = 8;
constexpr int kColourTypeRgb = 2;
constexpr std::uint8_t kNoFilter = 0;
constexpr int kBytesPerPixel = 3;
constexpr int kFastestLevel = 1;

void AppendBigEndian(QByteArray& bytes, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes.append(static_cast<char>((value >> shift) & 0xFF));
}

// Length, type, data and the CRC of type and data.
void AppendChunk(QByteArray& png, const char (&type)[5], const QByteArray& data) {
  AppendBigEndian(png, static_cast<std::uint32_t>(data.size()));
  const qsizetype typeAt = png.size();
  png.append(type, 4);
  png.append(data);
  AppendBigEndian(png, libdeflate_crc32(0, png.constData() + typeAt, static_cast<std::size_t>(4 + data.size())));
}

QByteArray Header(const QImage& image) {
  QByteArray header;
  AppendBigEndian(header, static_cast<std::uint32_t>(image.width()));
  AppendBigEndian(header, static_cast<std::uint32_t>(image.height()));
  // Bit depth, colour type, then deflate, adaptive filter set, no interlace.
  for (int field : {kBitDepth, kColourTypeRgb, 0, 0, 0}) header.append(static_cast<char>(field));
  return header;
}

// The rows, each led by its filter byte, as one zlib stream.
QByteArray DeflatedRows(const QImage& image) {
  const int width = image.width();
  const int height = image.height();
  const std::size_t rowBytes = 1 + static_cast<std::size_t>(width) * kBytesPerPixel;
  const std::size_t size = rowBytes * static_cast<std::size_t>(height);
  const auto rows = std::make_unique_for_overwrite<std::uint8_t[]>(size);  // every byte is written below
  std::uint8_t* out = rows.get();
  for (int y = 0; y < height; ++y) {
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    *out++ = kNoFilter;
    for (int x = 0; x < width; ++x) {
      *out++ = static_cast<std::uint8_t>(qRed(pixels[x]));
      *out++ = static_cast<std::uint8_t>(qGreen(pixels[x]));
      *out++ = static_cast<std::uint8_t>(qBlue(pixels[x]));
    }
  }
  libdeflate_compressor* compressor = libdeflate_alloc_compressor(kFastestLevel);
  if (compressor == nullptr) return {};
  QByteArray deflated(static_cast<qsizetype>(libdeflate_zlib_compress_bound(compressor, size)), Qt::Uninitialized);
  const std::size_t deflatedSize =
      libdeflate_zlib_compress(compressor, rows.get(), size, deflated.data(), deflated.size());
  libdeflate_free_compressor(compressor);
  deflated.resize(static_cast<qsizetype>(deflatedSize));  // 0: it did not fit, which the bound rules out
  return deflated;
}

}  // namespace

QByteArray FastPngBytes(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  const QByteArray rows = DeflatedRows(rgb);
  if (rows.isEmpty()) return {};
  QByteArray png(kSignature.data(), static_cast<qsizetype>(kSignature.size()));
  AppendChunk(png, "IHDR", Header(rgb));
  AppendChunk(png, "IDAT", rows);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace nimbara

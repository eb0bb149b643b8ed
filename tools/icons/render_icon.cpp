// Renders the application's SVG icon into a square PNG of the given size, for
// the hicolor icon sizes the package installs beside the scalable icon.
//   render_icon ICON.svg SIZE OUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: render_icon ICON.svg SIZE OUT.png\n";
    return 2;
  }
  QGuiApplication app(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  const int size = std::atoi(argv[2]);
  if (!svg.isValid() || size <= 0) {
    std::cerr << "render_icon: cannot render " << argv[1] << " at " << argv[2] << "\n";
    return 2;
  }
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 2;
}

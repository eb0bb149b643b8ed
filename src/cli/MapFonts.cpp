#include "cli/MapFonts.h"

#include <QByteArray>
#include <QtGlobal>

#include <filesystem>
#include <fstream>

namespace nimbara {

std::string FontsOnlyFrom(const std::string& fontFolder) {
  return "<?xml version=\"1.0\"?>\n"
         "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
         "<fontconfig>\n"
         "  <dir>" + fontFolder + "</dir>\n"
         "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
         "  <cachedir>/var/cache/fontconfig</cachedir>\n"
         "  <cachedir prefix=\"xdg\">fontconfig</cachedir>\n"
         "</fontconfig>\n";
}

void OfferOnlyMapFonts(const std::string& privateFolder) {
  std::error_code ignored;
  if (privateFolder.empty() || !qEnvironmentVariableIsEmpty("FONTCONFIG_FILE") ||
      !std::filesystem::is_directory(kMapFontFolder, ignored))
    return;
  // A scratch file of this process's own folder, gone at its exit: written
  // plainly, not through the atomic writer's fsync, and used only if whole.
  const std::string file = privateFolder + "/fonts.conf";
  std::ofstream out(file, std::ios::binary);
  out << FontsOnlyFrom(kMapFontFolder);
  out.close();
  if (out) qputenv("FONTCONFIG_FILE", QByteArray::fromStdString(file));
}

}  // namespace nimbara

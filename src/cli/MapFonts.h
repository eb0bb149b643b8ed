#pragma once
// A render draws its text in one font, yet fontconfig would read every font
// installed before Qt draws the first letter. Offered only the folder of the
// map's font, with the system's own rules kept (hinting, antialiasing,
// synthetic bold: without them the same font paints other pixels), it
// paints the same pixels sooner.

#include <string>

namespace nimbara {

// The folder of the map's font (kFontFamily, qt/Fonts.h) as Debian's
// fonts-ipafont-gothic, which the package depends on, installs it.
inline constexpr const char* kMapFontFolder = "/usr/share/fonts/opentype/ipafont-gothic";

// A fontconfig file that offers the fonts of `fontFolder` only, under the
// system's rules.
std::string FontsOnlyFrom(const std::string& fontFolder);

// Points fontconfig at such a file for kMapFontFolder, written into
// `privateFolder`; nothing when FONTCONFIG_FILE names a setup or the folder
// is missing, so every installed font stays offered.
void OfferOnlyMapFonts(const std::string& privateFolder);

}  // namespace nimbara

#pragma once
// A KMZ: the KML overlay as "doc.kml" and the picture it names, under that
// name, in one zip archive (libzip), so a globe viewer opens both at once.
#include <string>

namespace dorx {

// kml_path and png_path are read as they are on disk; png_name_utf8 is the
// name the KML's Icon gives the picture. False when a file cannot be read or
// the archive cannot be written (nothing is left behind then).
bool WriteKmz(const std::string& kmz_path, const std::string& kml_path, const std::string& png_path,
              const std::string& png_name_utf8);

}  // namespace dorx

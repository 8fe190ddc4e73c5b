#include "render/world_files.h"

#include "platform/c_format.h"
#include "platform/file_system.h"
#include "render/geotiff_writer.h"

namespace dorx {
namespace {

std::string WithoutExtension(const std::string& path) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}

// The WKT inside an XML element: & < > escaped.
std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (const char ch : text) {
    if (ch == '&') out += "&amp;";
    else if (ch == '<') out += "&lt;";
    else if (ch == '>') out += "&gt;";
    else out += ch;
  }
  return out;
}

std::string AuxXmlText(int epsg) {
  return "<PAMDataset>\r\n  <SRS dataAxisToSRSAxisMapping=\"2,1\">" + XmlEscaped(CrsWkt(epsg, WktFlavour::kGdal)) +
         "</SRS>\r\n</PAMDataset>\r\n";
}

}  // namespace

WorldFileNames WorldFileNamesOf(const std::string& png_path) {
  const std::string stem = WithoutExtension(png_path);
  return {stem + ".pgw", stem + ".prj", png_path + ".aux.xml"};
}

std::string WorldFileText(const OverlayBox& box, int width_px, int height_px) {
  const double pixel_width = (box.east - box.west) / width_px;
  const double pixel_height = -(box.north - box.south) / height_px;
  return Format("%.12f\r\n0.0\r\n0.0\r\n%.12f\r\n%.12f\r\n%.12f\r\n", pixel_width, pixel_height,
                box.west + pixel_width / 2, box.north + pixel_height / 2);
}

std::string WriteWorldFiles(const std::string& png_path, const OverlayBox& box, int width_px, int height_px, int epsg) {
  const WorldFileNames names = WorldFileNamesOf(png_path);
  if (!WriteWholeFile(names.world, WorldFileText(box, width_px, height_px))) return names.world;
  if (!WriteWholeFile(names.prj, CrsWkt(epsg, WktFlavour::kEsri))) return names.prj;
  if (!WriteWholeFile(names.aux, AuxXmlText(epsg))) return names.aux;
  return "";
}

}  // namespace dorx

#pragma once
// The KML template Dorx.kml and the ground-overlay files filled from it.
#include <functional>
#include <string>

#include "files/message_sink.h"

namespace dorx {

// The 17 default template lines; code 121 when the file cannot be created.
bool WriteDefaultKmlTemplate(const std::string& path, MessageSink& sink);

enum class OverlayCorner { kNorthWest, kSouthEast };
struct LatLonDeg {
  double latitude_deg = 0.0;
  double longitude_deg = 0.0;
};

struct OverlayText {
  std::string project_name;  // CP932
  std::string icon_name;     // CP932, the PNG file name without folder
  // Called anew for every corner placeholder line, in the order of the lines.
  std::function<LatLonDeg(OverlayCorner)> corner;
};

// Copies the template to output_path with the placeholder lines replaced,
// converted from CP932 to UTF-8. Code 117 when the template cannot be opened;
// MessageText "Write: <path>" and code 119 when the output cannot be created.
void WriteOverlayKmlFile(const std::string& template_path, const std::string& output_path,
                         const OverlayText& text, MessageSink& sink);

}  // namespace dorx

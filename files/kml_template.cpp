#include "files/kml_template.h"

#include <optional>

#include "files/text_lines_file.h"
#include "platform/c_format.h"
#include "platform/file_system.h"
#include "platform/sjis.h"
#include "platform/text_stream.h"

namespace dorx {
namespace {

// A template line holds at most 1,023 bytes with its line end; a longer line
// arrives in pieces, each treated as a line of its own.
constexpr int kTemplateLineBufferBytes = 1024;
constexpr size_t kPlaceholderBytes = 4;

// The replacement of a placeholder line, without a line end; nothing when the
// line is not a placeholder line (only its first four bytes are compared).
std::optional<std::string> Replacement(std::string_view line, const OverlayText& text) {
  if (line.size() < kPlaceholderBytes) return std::nullopt;
  const std::string_view head = line.substr(0, kPlaceholderBytes);
  if (head == "@d-@") return Format("<description>%s</description>", text.project_name.c_str());
  if (head == "@p-@") return Format("<Icon>%s</Icon>", text.icon_name.c_str());
  const bool north_west = head == "@n-@" || head == "@w-@";
  const bool south_east = head == "@s-@" || head == "@e-@";
  if (!north_west && !south_east) return std::nullopt;
  // The record is read anew for every corner placeholder line.
  const OverlayCorner corner = north_west ? OverlayCorner::kNorthWest : OverlayCorner::kSouthEast;
  const LatLonDeg c = text.corner ? text.corner(corner) : LatLonDeg{};
  if (head == "@n-@") return Format("<north>%4.6f</north>", c.latitude_deg);
  if (head == "@s-@") return Format("<south>%4.6f</south>", c.latitude_deg);
  if (head == "@w-@") return Format("<west>%4.6f</west>", c.longitude_deg);
  return Format("<east>%4.6f</east>", c.longitude_deg);
}

}  // namespace

bool WriteDefaultKmlTemplate(const std::string& path, MessageSink& sink) {
  return WriteTextLines(path,
                        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                         "<kml  xmlns=\"http://www.opengis.net/kml/2.2\">",
                         "<Folder>",
                         "<name>Ground Overlays</name>",
                         "<description>*-Dorx-*</description>",
                         "<GroundOverlay>",
                         "<name>Large-scale overlay on terrain</name>",
                         "@d-@",
                         "<color>80ffffff</color>",
                         "@p-@",
                         "<LatLonBox>",
                         "@n-@",
                         "@s-@",
                         "@e-@",
                         "@w-@",
                         "<rotation>-0.123</rotation>",
                         "</LatLonBox></GroundOverlay></Folder></kml>"},
                        sink);
}

void WriteOverlayKmlFile(const std::string& template_path, const std::string& output_path,
                         const OverlayText& text, MessageSink& sink) {
  std::optional<TextReader> in = TextReader::Open(template_path);
  if (!in) {
    sink.ShowMessageCode(117);
    return;
  }
  auto cannot_write = [&] {
    sink.SetMessageText(Utf8ToCp932("Write: " + output_path));
    sink.ShowMessageCode(119);
  };
  if (!WriteWholeFile(output_path, "")) {
    cannot_write();
    return;
  }
  // CR LF arrives as LF; the lines keep their line ends, replacements have none.
  std::string cp932;
  while (std::optional<std::string> line = in->Fgets(kTemplateLineBufferBytes)) {
    std::optional<std::string> replaced = Replacement(*line, text);
    cp932 += replaced ? *replaced : *line;
  }
  // Converted as a whole, so a character cut between two pieces of a long line stays whole.
  if (!WriteWholeFile(output_path, Cp932ToUtf8(cp932))) cannot_write();
}

}  // namespace dorx

#include "tiny_area.h"

#include <filesystem>
#include <stdexcept>

#include "files/message_sink.h"
#include "files/project_file.h"
#include "files/settings_file.h"
#include "platform/c_format.h"
#include "support/default_station.h"
#include "support/test_support.h"

namespace dorx::test {
namespace {

class IgnoredMessages : public MessageSink {
 public:
  void SetMessageText(std::string_view) override {}
  void ShowMessageCode(int, int, int) override {}
};

}  // namespace

std::string FlatTileText(int elevation_dm) {
  std::string text = Format("%-58s%-10s", "FLAT TEST TILE", "FLAT TILE ") + "\r\n";
  const std::string field = Format("%5d", elevation_dm);
  for (int row = 199; row >= 0; --row) {
    std::string line = Format("%9d", row);
    for (int column = 0; column < 200; ++column) line += field;
    text += line + "\r\n";
  }
  return text;
}

std::string WriteFlatTile(const std::string& mesh_folder, const std::string& code, int elevation_dm) {
  const std::string folder = mesh_folder + code.substr(0, 4) + "/";
  std::filesystem::create_directories(folder);
  const std::string path = folder + code + ".mem";
  WriteBytes(path, FlatTileText(elevation_dm));
  return path;
}

ProjectParameters TinyAreaParameters() {
  ProjectParameters p;
  p.Project_Name = "station";
  p.Source_North_latitude = {35, 22, 30.75};
  p.Source_East_longitude = {138, 41, 16.125};
  p.Range_North = p.Range_South = p.Range_East = p.Range_West = 100;
  test::SetDefaultRadio(p);
  return p;
}

ProjectParameters TinyAreaReachingEast() {
  ProjectParameters p = TinyAreaParameters();
  p.Source_East_longitude = {138, 43, 8.625};  // 16.125 seconds + 50 x 2.25
  return p;
}

std::string WriteProject(const std::string& path, const ProjectParameters& p) {
  IgnoredMessages messages;
  if (!WriteProjectFile(path, p, messages)) throw std::runtime_error("cannot write " + path);
  return path;
}

void WriteSettings(const std::string& program_folder, bool flood_mode) {
  IgnoredMessages messages;
  const std::string path = program_folder + "Dorx.ini";
  WriteDefaultSettingsFile(path, messages);
  if (!flood_mode) return;
  std::string text = ReadBytes(path);
  const std::string off = "(int)      0";
  text.replace(text.find(off), off.size(), "(int)      1");
  WriteBytes(path, text);
}

}  // namespace dorx::test

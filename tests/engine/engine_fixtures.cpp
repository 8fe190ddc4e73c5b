#include "engine_fixtures.h"

#include <filesystem>

#include "platform/c_format.h"
#include "support/test_support.h"

namespace dorx::test {

std::string TileText(std::string_view name10, const TileElevations& elevation, int data_lines,
                     std::string_view line_end) {
  std::string header = Format("%-58s", "DEMO TILE 0000 50M");
  header += std::string(name10);
  header += "  1  200  200";
  std::string text = header + std::string(line_end);
  for (int t = 1; t <= data_lines; ++t) {
    const int row = 200 - t;
    std::string line = Format("%9d", row);
    for (int column = 0; column < 200; ++column) line += Format("%5d", elevation(row, column));
    text += line + std::string(line_end);
  }
  return text;
}

std::string WriteTile(const std::string& mesh_folder, const std::string& code, const std::string& text) {
  const std::string folder = mesh_folder + code.substr(0, 4) + "/";
  std::filesystem::create_directories(folder);
  const std::string path = folder + code + ".mem";
  WriteBytes(path, text);
  return path;
}

void SetUpStation(Context& ctx, const std::string& mesh_folder, int range) {
  ctx.MeshFolder = mesh_folder;
  ProjectParameters& p = ctx.params;
  p.Project_Name = "station";
  p.Source_North_latitude = {35, 21, 38.4};
  p.Source_East_longitude = {138, 43, 38.4};
  p.Range_North = p.Range_South = p.Range_East = p.Range_West = range;
  p.Rx_Altitude = 1.8;
  p.Rx_Loss = 2.0;
  p.Rx_Impedance = 50.0;
  p.Tx_Altitude = 40.0;
  p.Tx_Loss = 20.5;
  p.Tx_Power = 100.0;
  p.Tx_Frequency = 500.0;
  p.Antenna_Gain = 4.0;
}

}  // namespace dorx::test

#pragma once
// The smallest area a run accepts (200 x 200 cells) over one flat terrain
// tile, and the files around it: tiles, project files, settings files.
#include <string>

#include "files/project_parameters.h"

namespace dorx::test {

// The station in the middle of tile 533805: 35 22 30.75 N, 138 41 16.125 E
// lies half a cell off the centre row and column 100, so the area of 100
// cells each way stays inside the tile with half a cell to spare.
inline constexpr const char* kTinyTileCode = "533805";
// The tile east of it (533806); leaving it out leaves cells without data.
inline constexpr const char* kEastTileCode = "533806";

// A tile file of 200 x 200 cells all at `elevation_dm` (0.1 m), with the
// 10-byte name at header bytes 58 to 67 and CR LF line ends.
std::string FlatTileText(int elevation_dm);
// Writes the tile below the mesh folder as <mesh>5338/<code>.mem; returns its path.
std::string WriteFlatTile(const std::string& mesh_folder, const std::string& code, int elevation_dm);

// The parameters of a run over the tiny area: the default project's
// equipment, the station above, 100 cells each way, the name "station".
ProjectParameters TinyAreaParameters();
// The same with the station 50 cells further east, so that its eastern 50
// columns (10,000 cells) fall into the tile east of 533805.
ProjectParameters TinyAreaReachingEast();

// Writes the project file (CP932 lines with CR LF) and returns its path.
std::string WriteProject(const std::string& path, const ProjectParameters& p);
// Writes a settings file Dorx.ini into the folder, in flood mode or not.
void WriteSettings(const std::string& program_folder, bool flood_mode);

}  // namespace dorx::test

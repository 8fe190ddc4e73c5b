#pragma once
// The state of the whole system apart from the pictures: one object, passed
// explicitly, with the names the system uses for its values.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cell_store.h"
#include "engine/terrain_tiles.h"
#include "files/antenna_pattern.h"
#include "files/datum_table.h"
#include "files/project_parameters.h"
#include "files/settings.h"

namespace dorx {

// Values a run keeps between its passes and stores in the result header.
struct RunValues {
  double SourceLatSeconds = 0.0;  // arc-seconds, JGD2000, before any Compensation move
  double SourceLonSeconds = 0.0;
  int32_t SourceElevation = 0;    // 0.1 m
  double ElevationMax = 0.0;      // m
  double ElevationMin = 0.0;      // m
};

// Size of the map pictures and the mapping between cells and pixels.
struct MapGeometry {
  double ImageHeight = 0.0;
  double ImageWidth = 0.0;
  double CellsPerPixelY = 0.0;
  double CellsPerPixelX = 0.0;
  double NorthPixels = 0.0;
  double SouthPixels = 0.0;
  double EastPixels = 0.0;
  double WestPixels = 0.0;
};

// Drawing settings of the drawing page.
struct DrawingSettings {
  double DrawLowerLimit = 0.0;
  double DrawStep = 5.0;
  double DrawUpperLimit = 35.0;
  double DrawMagnification = 100.0;
  int32_t GridCount = 5;
};
DrawingSettings StartUpDrawingSettings(int flood_mode);

struct Context {
  ProjectParameters params;
  Settings settings;
  int FloodMode = 0;
  DatumShiftTable datum;
  AntennaPattern pattern;

  CellStore store;
  RunValues run;
  TerrainTiles tiles;
  MapGeometry geometry;
  DrawingSettings drawing;

  // Native paths; folders end in a separator.
  std::string ProgramFolder;
  std::string OutputFolder;
  std::string MeshFolder;
  std::string ProjectFilePath;
  std::string ResultFilePath;  // the result file chosen for drawing

  std::string MessageText;  // CP932, at most 1,023 bytes: use SetMessageText

  bool StopRequested = false;
  bool ImageReady = false;
  bool CursorTracking = false;
  bool MeshFolderChosen = false;
  int32_t DatumTableAnswer = 0;

  void SetMessageText(std::string_view cp932);
  // CellAccess on this context's store with its parameters.
  int CellAccess(int type, int32_t a, int32_t b) { return dorx::CellAccess(store, params, type, a, b); }
};

}  // namespace dorx

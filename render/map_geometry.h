#pragma once
// Size of the map pictures and the mapping between cells and pixels. One
// pixel is 36 m on the ground at the base scale of a run; the sizing steps are
// the negative painting codes of the cell painter.
#include "engine/cell_record.h"
#include "engine/context.h"

namespace dorx {

// Pixels per cell: k = 200 x the earth radius 6378137 m, times the sine of a
// cell's height (1.5") or width (2.25") divided by 7200.
inline constexpr double kPixelScale_k = 1275627400.0;
inline constexpr double kCellHeightAngle_rad = 1.0100285024434156e-09;
inline constexpr double kCellWidthAngle_rad = 1.5150427536651234e-09;
inline constexpr double kRadiansPerArcsec = 4.848136811728395e-06;

// dy = sin(1.5" / 7200) x k pixels per cell from north to south, and
// dx = sin(2.25" / 7200) x k x cos(latitude) from west to east at the cell's
// JGD2000 latitude (slot 1 + slot 3, arc-seconds).
double PixelsPerCellY();
double PixelsPerCellX(const CellRecord& record);

// Rows R = Range_South + Range_North and columns C = Range_West + Range_East,
// summed without integer overflow.
double RowCount(const ProjectParameters& p);
double ColumnCount(const ProjectParameters& p);

// CellsPerPixelY, NorthPixels, SouthPixels, CellsPerPixelX, EastPixels,
// WestPixels from ImageHeight, ImageWidth and the four ranges.
void DeriveMapGeometry(MapGeometry& g, const ProjectParameters& p);

// -5001: the first estimate at the start of a run, 8 cells of margin each way.
void EstimateRunMapSize(MapGeometry& g, const ProjectParameters& p);
// The full size at the latitude of the cell (slot 1 + slot 3); no margin, no
// reduction, nothing derived. Code 5001 does this for every terrain cell.
void SizeFromTerrainCell(MapGeometry& g, const ProjectParameters& p, const CellRecord& record);
// -5003: divides the size by Coarse under Flag_Reduction, then derives.
void ApplySizeReduction(MapGeometry& g, const ProjectParameters& p);
// -5011: multiplies the size by DrawMagnification x 0.01, then derives.
void ApplyDrawMagnification(MapGeometry& g, const ProjectParameters& p, double DrawMagnification);

// The sizing codes -5001, -5003, -5011, -5031 (derive only); any other code
// changes nothing. Returns whether the code was a sizing code.
bool ApplySizingCode(Context& ctx, int code);

// cut(ImageWidth), cut(ImageHeight): the size the layers are reset to.
int MapWidthPixels(const MapGeometry& g);
int MapHeightPixels(const MapGeometry& g);

}  // namespace dorx

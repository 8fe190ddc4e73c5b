#include "render/map_geometry.h"

#include <cmath>

#include "engine/cell_store.h"
#include "platform/cut.h"

namespace dorx {
namespace {

double PixelsPerColumnAtEquator() { return std::sin(kCellWidthAngle_rad) * kPixelScale_k; }

// A Coarse below 1 (which the parameter checks never let through) counts as
// 1, as in the cell store, so the size never becomes infinite.
void DivideByCoarseUnderReduction(MapGeometry& g, const ProjectParameters& p) {
  if (p.Flag_Reduction > 0) {
    g.ImageHeight = g.ImageHeight / CoarseStep(p);
    g.ImageWidth = g.ImageWidth / CoarseStep(p);
  }
}

}  // namespace

double PixelsPerCellY() { return std::sin(kCellHeightAngle_rad) * kPixelScale_k; }

double PixelsPerCellX(const CellRecord& record) {
  const double latitude_arcsec = record.slot[kLatitude] + record.slot[kLatitudeShift];
  return PixelsPerColumnAtEquator() * std::cos(latitude_arcsec * kRadiansPerArcsec);
}

double RowCount(const ProjectParameters& p) {
  return static_cast<double>(int64_t{p.Range_South} + p.Range_North);
}

double ColumnCount(const ProjectParameters& p) {
  return static_cast<double>(int64_t{p.Range_West} + p.Range_East);
}

void DeriveMapGeometry(MapGeometry& g, const ProjectParameters& p) {
  g.CellsPerPixelY = RowCount(p) / g.ImageHeight;
  g.NorthPixels = p.Range_North / g.CellsPerPixelY;
  g.SouthPixels = p.Range_South / g.CellsPerPixelY;
  g.CellsPerPixelX = ColumnCount(p) / g.ImageWidth;
  g.EastPixels = p.Range_East / g.CellsPerPixelX;
  g.WestPixels = p.Range_West / g.CellsPerPixelX;
}

void EstimateRunMapSize(MapGeometry& g, const ProjectParameters& p) {
  g.ImageHeight = PixelsPerCellY() * (RowCount(p) + 8);
  g.ImageWidth = PixelsPerColumnAtEquator() * (ColumnCount(p) + 8);
  DivideByCoarseUnderReduction(g, p);
  DeriveMapGeometry(g, p);
}

void SizeFromTerrainCell(MapGeometry& g, const ProjectParameters& p, const CellRecord& record) {
  g.ImageHeight = RowCount(p) * PixelsPerCellY();
  g.ImageWidth = ColumnCount(p) * PixelsPerCellX(record);
}

void ApplySizeReduction(MapGeometry& g, const ProjectParameters& p) {
  DivideByCoarseUnderReduction(g, p);
  DeriveMapGeometry(g, p);
}

void ApplyDrawMagnification(MapGeometry& g, const ProjectParameters& p, double DrawMagnification) {
  g.ImageHeight = g.ImageHeight * (DrawMagnification * 0.01);
  g.ImageWidth = g.ImageWidth * (DrawMagnification * 0.01);
  DeriveMapGeometry(g, p);
}

bool ApplySizingCode(Context& ctx, int code) {
  switch (code) {
    case -5001: EstimateRunMapSize(ctx.geometry, ctx.params); return true;
    case -5003: ApplySizeReduction(ctx.geometry, ctx.params); return true;
    case -5011: ApplyDrawMagnification(ctx.geometry, ctx.params, ctx.drawing.DrawMagnification); return true;
    case -5031: DeriveMapGeometry(ctx.geometry, ctx.params); return true;
    default: return false;
  }
}

int MapWidthPixels(const MapGeometry& g) { return CutToInt(g.ImageWidth); }
int MapHeightPixels(const MapGeometry& g) { return CutToInt(g.ImageHeight); }

}  // namespace dorx

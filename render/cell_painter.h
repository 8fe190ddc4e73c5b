#pragma once
// The cell painter: fills the pixel block of one cell on one map layer for a
// painting code, and sizes the map for the negative codes.
//
//   5001  terrain pass: grey on a fixed 0..3800 m scale on ImageMAP, block
//         edges by the cell's latitude; refreshes the view from ImageMAP
//   5003  geometry pass: TerrainGrey on ImageMAP; refresh with station marker
//   5005  field-strength / flood pass: colour ramp on ImageSIM; refresh
//   5011  drawing: TerrainGrey on ImageMAP
//   5013  drawing: colour ramp on ImageSIM; refresh
//   5015  drawing: stepped ramp on ImageSIM1
//   5017  drawing: MarkColour on ImageSIM2 where the value reaches DrawLowerLimit
//   5019  drawing: MarkColour on ImageSIM3 where the cell is in line of sight
//   5031  preview: the 4 x 4 pixels at (a, b) of ImageCSR
//   -5001, -5003, -5011, -5031: sizing (render/map_geometry.h), nothing painted
//
// a is the column from the west edge and b the row from the south edge, except
// for 5031 where they are pixel coordinates. The cell's values are those of
// ctx.store.CurrentRecord. Any other code does nothing.
#include "engine/context.h"
#include "render/render_state.h"

namespace dorx {

enum PaintingCode : int {
  kPaintTerrainRun = 5001,
  kPaintTerrainGeometry = 5003,
  kPaintResultRun = 5005,
  kPaintTerrain = 5011,
  kPaintRamp = 5013,
  kPaintSteppedRamp = 5015,
  kPaintThreshold = 5017,
  kPaintLineOfSight = 5019,
  kPaintPreview = 5031,
  kSizeRunEstimate = -5001,
  kSizeRunReduction = -5003,
  kSizeDrawing = -5011,
  kSizePreview = -5031,
};

void PaintCell(Context& ctx, RenderState& rs, int code, int a, int b);

}  // namespace dorx

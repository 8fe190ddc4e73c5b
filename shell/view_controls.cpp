#include "shell/view_controls.h"

namespace dorx {
namespace {

DisplayMode Display(const Controls& c, const char* line, const char* colour) {
  if (c.Checked(colour)) return DisplayMode::kColour;
  if (c.Checked(line)) return DisplayMode::kLine;
  return DisplayMode::kNone;
}

ResultLayer Layer(const Controls& c) {
  if (c.Checked("RadioButtonSIM1")) return ResultLayer::kSIM1;
  if (c.Checked("RadioButtonSIM2")) return ResultLayer::kSIM2;
  if (c.Checked("RadioButtonSIM3")) return ResultLayer::kSIM3;
  return ResultLayer::kDORX;
}

TerrainMode Terrain(const Controls& c) {
  if (c.Checked("RadioButtonMAP1")) return TerrainMode::kMAP1;
  if (c.Checked("RadioButtonMAP2")) return TerrainMode::kMAP2;
  return TerrainMode::kMAPX;
}

}  // namespace

ViewChoices ViewChoicesFromControls(const Controls& c) {
  ViewChoices v;
  v.result_layer = Layer(c);
  v.terrain = Terrain(c);
  v.sea = c.Checked("CheckBoxSea");
  v.fine = Display(c, "RadioButtonFineLine", "RadioButtonFineColor");
  v.fine_big = c.Checked("CheckBoxFineBig");
  v.section = Display(c, "RadioButtonSecLine", "RadioButtonSecColor");
  v.grid = c.Checked("CheckBoxGrid");
  v.move = c.Checked("CheckBoxMove");
  return v;
}

}  // namespace dorx

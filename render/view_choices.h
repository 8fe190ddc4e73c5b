#pragma once
// The drawing page's radio buttons and check boxes as the painters see them.
// The window keeps this in step with its controls.

namespace dorx {

enum class ResultLayer { kDORX, kSIM1, kSIM2, kSIM3 };  // ImageSIM, ImageSIM1, ImageSIM2, ImageSIM3
enum class TerrainMode { kMAPX, kMAP1, kMAP2 };          // none, where the result is white, blended
enum class DisplayMode { kNone, kLine, kColour };        // line-of-sight chart and section strip

struct ViewChoices {
  ResultLayer result_layer = ResultLayer::kDORX;
  TerrainMode terrain = TerrainMode::kMAPX;
  bool sea = true;                       // CheckBoxSea: blank sea cells in the result layers
  DisplayMode fine = DisplayMode::kNone;  // RadioButtonFineNon / Line / Color
  bool fine_big = true;                  // CheckBoxFineBig
  DisplayMode section = DisplayMode::kNone;  // RadioButtonSecNon / Line / Color
  bool grid = false;                     // CheckBoxGrid
  bool move = false;                     // CheckBoxMove
};

}  // namespace dorx

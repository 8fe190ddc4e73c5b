#pragma once
// Layer codes of the form images and ResetLayer, which sizes and clears them.
#include "render/pictures.h"

namespace dorx {

enum LayerCode : int {
  kLayerAll = 3001,
  kLayerCSR = 3003,
  kLayerMAP = 3005,
  kLayerMIX = 3007,
  kLayerSIM = 3011,
  kLayerSIM1 = 3013,
  kLayerSIM2 = 3015,
  kLayerSIM3 = 3017,
  kLayerFIN = 3031,
  kLayerNOT = 3033,
  kLayerSEC = 3035,
};

// Sizes the image of the code to width x height (3033: always 192 x 570; 3001:
// every image, hidden), gives it a new white picture and a solid white brush.
// Any other code does nothing.
void ResetLayer(Pictures& pictures, int code, int width, int height);

}  // namespace dorx

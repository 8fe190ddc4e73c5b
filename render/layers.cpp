#include "render/layers.h"

namespace dorx {
namespace {

constexpr int kLargeLayerPixels = 3030;
constexpr int kPanelWidth = 192;
constexpr int kPanelHeight = 570;
constexpr int kSectionWidth = 800;
constexpr int kSectionHeight = 160;

// A new white picture with a fresh canvas: pen, font and brush as new, the
// brush solid white.
void ResetImage(FormImage& image, int width, int height) {
  image.Clear(width, height);
  image.canvas_state = CanvasState{};
  image.canvas_state.brush_colour = kWhite;
  image.canvas_state.brush_style = BrushStyle::kSolid;
}

void ResetHidden(FormImage& image, int width, int height) {
  ResetImage(image, width, height);
  image.visible = false;
  image.transparent = false;
}

void ResetAll(Pictures& p) {
  for (FormImage* image : {&p.ImageCSR, &p.ImageSIM, &p.ImageSIM1, &p.ImageSIM2, &p.ImageSIM3, &p.ImageMAP,
                           &p.ImageMIX, &p.ImageFIN})
    ResetHidden(*image, kLargeLayerPixels, kLargeLayerPixels);
  ResetHidden(p.ImageNOT, kPanelWidth, kPanelHeight);
  ResetHidden(p.ImageSEC, kSectionWidth, kSectionHeight);
}

FormImage* ImageOfCode(Pictures& p, int code) {
  switch (code) {
    case kLayerCSR: return &p.ImageCSR;
    case kLayerMAP: return &p.ImageMAP;
    case kLayerMIX: return &p.ImageMIX;
    case kLayerSIM: return &p.ImageSIM;
    case kLayerSIM1: return &p.ImageSIM1;
    case kLayerSIM2: return &p.ImageSIM2;
    case kLayerSIM3: return &p.ImageSIM3;
    case kLayerFIN: return &p.ImageFIN;
    case kLayerNOT: return &p.ImageNOT;
    case kLayerSEC: return &p.ImageSEC;
    default: return nullptr;
  }
}

}  // namespace

void ResetLayer(Pictures& pictures, int code, int width, int height) {
  if (code == kLayerAll) {
    ResetAll(pictures);
    return;
  }
  FormImage* image = ImageOfCode(pictures, code);
  if (image == nullptr) return;
  if (code == kLayerNOT) {
    width = kPanelWidth;
    height = kPanelHeight;
  }
  ResetImage(*image, width, height);
}

}  // namespace dorx

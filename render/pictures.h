#pragma once
// The form images of the window as pictures: the eight map layers, the
// information panel, the section strip, and the three work bitmaps.
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace dorx {

struct FormImage {
  Bitmap picture;
  CanvasState canvas_state;
  bool visible = false;
  bool transparent = false;

  Canvas canvas() { return Canvas(picture, canvas_state); }
};

enum class ImageId {
  ImageMAP,   // terrain
  ImageFIN,   // line-of-sight chart
  ImageSIM,   // colour ramp
  ImageCSR,   // the view
  ImageSIM1,  // stepped ramp
  ImageMIX,   // export surface
  ImageSIM2,  // threshold
  ImageSIM3,  // line of sight
  ImageNOT,   // information panel
  ImageSEC,   // section strip
};

struct Pictures {
  FormImage ImageMAP, ImageFIN, ImageSIM, ImageCSR, ImageSIM1, ImageMIX, ImageSIM2, ImageSIM3;
  FormImage ImageNOT, ImageSEC;

  Bitmap LayerBitmap;
  Bitmap TerrainBitmap;
  Bitmap ComposedBitmap;

  FormImage& Get(ImageId id);
};

}  // namespace dorx

#pragma once
// The form images of the window as pictures: the eight map layers, the
// information panel, the section strip, and the three work bitmaps.
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace dorx {

// One form image: its picture, the state of its canvas and its two flags.
// A cleared picture is white; its pixels are only made when the picture is
// first drawn on or read, because a reset of all layers sizes eight pictures
// of 3030 x 3030 pixels (27 MB each) that are mostly never used.
class FormImage {
 public:
  // A new white picture of width x height (negative sizes count as 0).
  void Clear(int width, int height);
  // Replaces the picture by a copy of the bitmap (e.g. a title picture).
  void SetPicture(const Bitmap& bitmap);

  // The size of the image, also while its white pixels are not yet made.
  int width() const { return width_; }
  int height() const { return height_; }

  // The picture with its pixels; the first access after Clear makes them.
  Bitmap& picture();
  const Bitmap& picture() const;
  Canvas canvas() { return Canvas(picture(), canvas_state); }

  // Whether the pixels exist yet (a cleared, untouched picture has none).
  bool materialised() const { return !pending_; }

  CanvasState canvas_state;
  bool visible = false;
  bool transparent = false;

 private:
  mutable Bitmap picture_;
  mutable bool pending_ = false;
  int width_ = 0;
  int height_ = 0;
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

#include "render/pictures.h"

#include <algorithm>

namespace dorx {

void FormImage::Clear(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  picture_ = Bitmap();
  pending_ = true;
}

void FormImage::SetPicture(const Bitmap& bitmap) {
  picture_ = bitmap;
  width_ = bitmap.width();
  height_ = bitmap.height();
  pending_ = false;
}

const Bitmap& FormImage::picture() const {
  if (pending_) {
    picture_ = Bitmap(width_, height_);
    pending_ = false;
  }
  return picture_;
}

Bitmap& FormImage::picture() {
  static_cast<const FormImage&>(*this).picture();
  return picture_;
}

FormImage& Pictures::Get(ImageId id) {
  switch (id) {
    case ImageId::ImageMAP: return ImageMAP;
    case ImageId::ImageFIN: return ImageFIN;
    case ImageId::ImageSIM: return ImageSIM;
    case ImageId::ImageCSR: return ImageCSR;
    case ImageId::ImageSIM1: return ImageSIM1;
    case ImageId::ImageMIX: return ImageMIX;
    case ImageId::ImageSIM2: return ImageSIM2;
    case ImageId::ImageSIM3: return ImageSIM3;
    case ImageId::ImageNOT: return ImageNOT;
    case ImageId::ImageSEC: return ImageSEC;
  }
  return ImageCSR;
}

}  // namespace dorx

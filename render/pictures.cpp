#include "render/pictures.h"

namespace dorx {

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

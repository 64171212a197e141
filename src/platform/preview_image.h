// The preview bitmap: the A4 page at the screen's resolution, blank white
// when made. Making a new one is how the preview is cleared.
#pragma once

#include <filesystem>

#include "platform/canvas.h"

namespace mirelo {

class PreviewImage {
 public:
  virtual ~PreviewImage() = default;
  virtual Canvas& ImageCanvas() = 0;
  // Makes the picture blank white again. The canvas keeps its font; pen and
  // brush return to a new canvas's (black pen of width 1, solid white brush).
  virtual void Clear() = 0;
  // Writes the picture as PNG; the file appears whole or not at all.
  // Throws std::runtime_error on failure.
  virtual void SavePng(const std::filesystem::path& path) = 0;
  // Completes on the picture what this thread has drawn on it, before
  // another thread uses it (a platform may hold drawings back per thread).
  virtual void FinishDrawing() {}
  // Takes over the picture drawn on drawn, a preview image of the same size
  // and dots made by the same platform, which is left without one. False
  // where the platform cannot; the picture is then as it was.
  virtual bool TakePicture(PreviewImage& drawn) {
    (void)drawn;
    return false;
  }
};

}  // namespace mirelo

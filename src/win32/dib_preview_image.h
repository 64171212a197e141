// The preview bitmap as a DIB section: white A4 at the screen's dots per
// inch, drawn on through a memory device context.
#pragma once

#include <memory>
#include <optional>

#include "platform/preview_image.h"
#include "win32/gdi_canvas.h"
#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class DibPreviewImage : public PreviewImage {
 public:
  // Throws std::runtime_error when the system cannot make the bitmap.
  DibPreviewImage(int widthDots, int heightDots, int dotsPerInch);
  DibPreviewImage(const DibPreviewImage&) = delete;
  DibPreviewImage& operator=(const DibPreviewImage&) = delete;

  Canvas& ImageCanvas() override { return *canvas_; }
  void Clear() override;
  void SavePng(const std::filesystem::path& path) override;
  void FinishDrawing() override;
  bool TakePicture(PreviewImage& drawn) override;

  // For the window: the bitmap's device context, and its size.
  HDC Dc() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_;
  // Declared in the order they are made; they go in reverse: the canvas
  // gives the DC its state back, the DC its first bitmap, then the bitmap
  // and the DC are deleted.
  OwnedDc dc_;
  GdiObject<HBITMAP> bitmap_;
  std::optional<SelectedObject> selected_;
  void* bits_ = nullptr;  // 24 bits a pixel, rows top-down, each padded to 4 bytes
  std::unique_ptr<GdiCanvas> canvas_;
};

}  // namespace mirelo::win32

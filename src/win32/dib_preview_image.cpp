#include "win32/dib_preview_image.h"

#include <cstring>
#include <stdexcept>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/utf8_path.h"
#include "win32/wic_png.h"
#include "win32/win32_file_store.h"

namespace mirelo::win32 {
namespace {

int Stride(int width) { return (width * 3 + 3) & ~3; }

}  // namespace

DibPreviewImage::DibPreviewImage(int widthDots, int heightDots, int dotsPerInch)
    : width_(widthDots), height_(heightDots) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = widthDots;
  info.bmiHeader.biHeight = -heightDots;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const int dotsPerMeter = static_cast<int>(dotsPerInch / 0.0254 + 0.5);
  info.bmiHeader.biXPelsPerMeter = dotsPerMeter;
  info.bmiHeader.biYPelsPerMeter = dotsPerMeter;
  dc_.Reset(CreateCompatibleDC(nullptr));
  if (dc_) bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  if (!bitmap_) throw std::runtime_error("preview bitmap: out of memory");
  selected_.emplace(dc_.Get(), bitmap_.Get());
  Clear();
  canvas_ = std::make_unique<GdiCanvas>(dc_.Get(), dotsPerInch, dotsPerInch);
}

void DibPreviewImage::Clear() {
  GdiFlush();
  std::memset(bits_, 0xFF,
              static_cast<std::size_t>(Stride(width_)) * static_cast<std::size_t>(height_));
  if (canvas_) canvas_->Reset();
}

void DibPreviewImage::FinishDrawing() {
  // GDI batches a thread's drawing calls and drops what is still batched
  // when the thread ends.
  GdiFlush();
}

bool DibPreviewImage::TakePicture(PreviewImage& drawn) {
  auto* other = dynamic_cast<DibPreviewImage*>(&drawn);
  if (!other || other->width_ != width_ || other->height_ != height_) return false;
  GdiFlush();  // both bitmaps' drawings are in their bits
  std::memcpy(bits_, other->bits_,
              static_cast<std::size_t>(Stride(width_)) * static_cast<std::size_t>(height_));
  return true;
}

void DibPreviewImage::SavePng(const std::filesystem::path& path) {
  GdiFlush();  // every drawing is in the bits
  Win32FileStore files;
  const std::optional<std::filesystem::path> temp = files.CreateTempFileBeside(path);
  bool written = false;
  if (temp) {
    try {
      WritePng24(*temp, bits_, width_, height_, Stride(width_), canvas_->LogPixelsX());
      written = true;
    } catch (const std::runtime_error&) {
      DeleteFileW(temp->c_str());
    }
  }
  if (!written || !files.CommitTempFile(*temp, path))
    throw std::runtime_error(FormatMessage(msg::kCannotWrite, PathToUtf8(path)));
}

}  // namespace mirelo::win32

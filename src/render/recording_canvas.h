// A canvas that draws nothing and writes every call as one JSON object a
// line, in device coordinates: the draw log of the headless mode and the
// eye of the renderer's tests. Its device facts are given to it.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace mirelo {

struct DeviceFacts {
  int logPixelsX = 96, logPixelsY = 96;
  int physicalOffsetX = 0, physicalOffsetY = 0;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(DeviceFacts facts) : facts_(facts) {}

  void SetPenWidth(int width) override;
  void SetBrush(BrushStyle style, std::uint32_t rgb) override;
  void SetFont(std::u16string_view faceName, int pointSize) override;
  int FontPointSize() const override { return pointSize_; }
  int FontHeight() const override;
  void TextOut(int x, int y, std::u16string_view text) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(std::span<const DevicePt> points) override;
  void Rectangle(const DeviceRectangle& r) override;
  void FillRect(const DeviceRectangle& r) override;
  void StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) override;
  int LogPixelsX() const override { return facts_.logPixelsX; }
  int LogPixelsY() const override { return facts_.logPixelsY; }
  int PhysicalOffsetX() const override { return facts_.physicalOffsetX; }
  int PhysicalOffsetY() const override { return facts_.physicalOffsetY; }

  // One JSON object per call, in call order, without line ends.
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  DeviceFacts facts_;
  int pointSize_ = 0;
  std::vector<std::string> lines_;
};

}  // namespace mirelo

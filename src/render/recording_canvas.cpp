#include "render/recording_canvas.h"

#include <cmath>
#include <cstdio>

#include "base/json_writer.h"
#include "render/device_mapping.h"

namespace mirelo {
namespace {

std::string Num(int v) { return std::to_string(v); }

std::string Box(const char* op, const DeviceRectangle& r) {
  return std::string("{\"op\":\"") + op + "\",\"l\":" + Num(r.Left) + ",\"t\":" + Num(r.Top) +
         ",\"r\":" + Num(r.Right) + ",\"b\":" + Num(r.Bottom) + "}";
}

std::string Point(const char* op, int x, int y) {
  return std::string("{\"op\":\"") + op + "\",\"x\":" + Num(x) + ",\"y\":" + Num(y) + "}";
}

}  // namespace

void RecordingCanvas::SetPenWidth(int width) {
  lines_.push_back("{\"op\":\"pen\",\"width\":" + Num(width) + "}");
}

void RecordingCanvas::SetBrush(BrushStyle style, std::uint32_t rgb) {
  char color[8];
  std::snprintf(color, sizeof color, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
  lines_.push_back(std::string("{\"op\":\"brush\",\"style\":\"") +
                   (style == BrushStyle::Solid ? "solid" : "clear") + "\",\"color\":\"" + color +
                   "\"}");
}

void RecordingCanvas::SetFont(std::u16string_view faceName, int pointSize) {
  pointSize_ = pointSize;
  lines_.push_back("{\"op\":\"font\",\"name\":" + JsonString(faceName) +
                   ",\"size\":" + Num(pointSize) + ",\"height\":" + Num(FontHeight()) + "}");
}

int RecordingCanvas::FontHeight() const { return CharacterHeight(pointSize_, facts_.logPixelsY); }

void RecordingCanvas::TextOut(int x, int y, std::u16string_view text) {
  lines_.push_back("{\"op\":\"text\",\"x\":" + Num(x) + ",\"y\":" + Num(y) +
                   ",\"s\":" + JsonString(text) + "}");
}

void RecordingCanvas::MoveTo(int x, int y) { lines_.push_back(Point("moveto", x, y)); }
void RecordingCanvas::LineTo(int x, int y) { lines_.push_back(Point("lineto", x, y)); }

void RecordingCanvas::Polyline(std::span<const DevicePt> points) {
  std::string s = "{\"op\":\"polyline\",\"pts\":[";
  for (std::size_t i = 0; i < points.size(); ++i)
    s += (i ? ",[" : "[") + Num(points[i].x) + "," + Num(points[i].y) + "]";
  lines_.push_back(s + "]}");
}

void RecordingCanvas::Rectangle(const DeviceRectangle& r) { lines_.push_back(Box("rect", r)); }
void RecordingCanvas::FillRect(const DeviceRectangle& r) { lines_.push_back(Box("fill", r)); }

void RecordingCanvas::StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) {
  lines_.push_back("{\"op\":\"bitmap\",\"name\":" + JsonString(resourceName) +
                   ",\"l\":" + Num(r.Left) + ",\"t\":" + Num(r.Top) + ",\"r\":" + Num(r.Right) +
                   ",\"b\":" + Num(r.Bottom) + "}");
}

}  // namespace mirelo

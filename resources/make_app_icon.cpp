// Build tool: writes the program's icon in the look of its window, the A4
// page of the form with its frame, its rules and the pale-yellow overview
// field over it, drawn for each size on its own so that the small ones stay
// sharp.
//   make_app_icon OUT.ico OUT.png
// The .ico holds 16, 24, 32, 48 and 64 dots as 32-bit images with alpha
// (Windows's resource and Explorer); the .png is the 64-dot one, for the
// Debian window.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64};
const QColor kOverviewYellow(255, 255, 136);  // the overview field's colour

QImage Draw(int n) {
  QImage image(n, n, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  // The sheet: A4's 210 by 297, as tall as the icon.
  const double h = n - 1, w = h * 210.0 / 297.0;
  const QRectF sheet((n - w) / 2.0, 0.5, w, h - 0.5);
  p.setRenderHint(QPainter::Antialiasing, n > 24);
  p.setPen(QPen(Qt::black, n >= 48 ? 2.0 : 1.0));
  p.setBrush(Qt::white);
  p.drawRect(sheet);
  // The boxes' rules, and the overview field lying over the second box.
  const double left = sheet.left() + w * 0.14, right = sheet.right() - w * 0.12;
  p.setPen(QPen(QColor(60, 60, 60), 1.0));
  for (double y : {0.12, 0.52, 0.64, 0.76, 0.88})
    p.drawLine(QPointF(left, sheet.top() + h * y), QPointF(right, sheet.top() + h * y));
  p.setPen(QPen(Qt::black, 1.0));
  p.setBrush(kOverviewYellow);
  p.drawRect(QRectF(left, sheet.top() + h * 0.2, right - left, h * 0.22));
  return image;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// One image of the .ico: a BITMAPINFOHEADER of twice the height (colour and
// mask), 32-bit BGRA rows bottom-up, then the 1-bit mask (set where clear).
std::vector<std::uint8_t> IconImage(const QImage& image) {
  const int n = image.width();
  const int maskRow = ((n + 31) / 32) * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, n);
  Put32(out, 2 * n);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);  // BI_RGB
  Put32(out, static_cast<std::uint32_t>(n * n * 4 + maskRow * n));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x) {
      const QRgb c = image.pixel(x, y);  // not premultiplied
      out.push_back(static_cast<std::uint8_t>(qBlue(c)));
      out.push_back(static_cast<std::uint8_t>(qGreen(c)));
      out.push_back(static_cast<std::uint8_t>(qRed(c)));
      out.push_back(static_cast<std::uint8_t>(qAlpha(c)));
    }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
    for (int x = 0; x < n; ++x)
      if (qAlpha(image.pixel(x, y)) == 0) row[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_app_icon OUT.ico OUT.png\n");
    return 2;
  }
  try {
    QGuiApplication app(argc, argv);
    std::vector<std::vector<std::uint8_t>> images;
    for (int n : kSizes) images.push_back(IconImage(Draw(n)));
    // ICONDIR, one ICONDIRENTRY an image, the images.
    std::vector<std::uint8_t> ico;
    Put16(ico, 0);
    Put16(ico, 1);
    Put16(ico, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
      ico.push_back(static_cast<std::uint8_t>(kSizes[i]));
      ico.push_back(static_cast<std::uint8_t>(kSizes[i]));
      ico.push_back(0);  // no palette
      ico.push_back(0);
      Put16(ico, 1);
      Put16(ico, 32);
      Put32(ico, static_cast<std::uint32_t>(images[i].size()));
      Put32(ico, offset);
      offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) ico.insert(ico.end(), image.begin(), image.end());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    if (!out.flush()) throw std::runtime_error("cannot write the icon");
    if (!Draw(64).save(QString::fromLocal8Bit(argv[2]), "PNG"))
      throw std::runtime_error("cannot write the PNG");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_app_icon: %s\n", e.what());
    return 1;
  }
  return 0;
}

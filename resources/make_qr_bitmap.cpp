// Build tool: writes the QR bitmap of the form identifier.
//   make_qr_bitmap OUT.bmp
// The symbol is fixed by the form: version 3, level M, mask 7, byte mode.
// Each module is 20 pixels square, except the last module row, which the
// form's image cuts to 17 pixels; a 581st pixel column at the right stays
// light. There is no quiet zone: the page's margin around the image is it.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include <qrcodegen/qrcodegen.hpp>

#include "bmp_writer.h"

namespace {

constexpr char kFormIdentifier[] = "afcec5b2-32d1-4b3e-a99d-cbf86cd79503";
constexpr int kVersion = 3;
constexpr int kMask = 7;
constexpr int kModulePixels = 20;
constexpr int kWidth = 581;
constexpr int kHeight = 577;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_qr_bitmap OUT.bmp\n");
    return 2;
  }
  try {
    using qrcodegen::QrCode;
    using qrcodegen::QrSegment;
    std::vector<std::uint8_t> bytes(kFormIdentifier, kFormIdentifier + sizeof kFormIdentifier - 1);
    QrCode qr = QrCode::encodeSegments({QrSegment::makeBytes(bytes)}, QrCode::Ecc::MEDIUM, kVersion,
                                       kVersion, kMask, /*boostEcl=*/false);
    if (qr.getVersion() != kVersion || qr.getMask() != kMask ||
        qr.getErrorCorrectionLevel() != QrCode::Ecc::MEDIUM) {
      std::fprintf(stderr, "make_qr_bitmap: the library did not give the requested symbol\n");
      return 1;
    }
    const int modules = qr.getSize();
    bmp::Write1Bit(argv[1], kWidth, kHeight, [&](int x, int y) {
      int mx = x / kModulePixels, my = y / kModulePixels;
      return mx < modules && my < modules && qr.getModule(mx, my);
    });
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_qr_bitmap: %s\n", e.what());
    return 1;
  }
  return 0;
}

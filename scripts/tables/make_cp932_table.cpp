// Writes src/base/cp932_table.cpp: the double-byte characters of code page
// 932 as ICU's windows-31j converter reads them, one row of 188 per lead
// byte. Run by scripts/make-cp932-table; the program itself never needs ICU.
#include <unicode/ucnv.h>

#include <cstdio>
#include <memory>

namespace {

struct Closer {
  void operator()(UConverter* c) const { ucnv_close(c); }
};

bool IsUserDefinedLead(int lead) { return lead >= 0xF0 && lead <= 0xF9; }

}  // namespace

int main() {
  UErrorCode err = U_ZERO_ERROR;
  std::unique_ptr<UConverter, Closer> c(ucnv_open("windows-31j", &err));
  if (U_FAILURE(err)) {
    std::fprintf(stderr, "ICU has no windows-31j converter: %s\n", u_errorName(err));
    return 1;
  }
  std::printf(
      "// The double-byte characters of code page 932: for each lead byte a row\n"
      "// of 188, one for each trail byte 0x40..0x7E, 0x80..0xFC, with U+FFFD where\n"
      "// the pair is assigned nothing. The user-defined rows 0xF0..0xF9, which run\n"
      "// through U+E000..U+E757 in order, are not stored.\n"
      "// Made by scripts/make-cp932-table from ICU's windows-31j converter; do not\n"
      "// edit by hand.\n"
      "// clang-format off\n"
      "#include \"base/cp932_table.h\"\n\n"
      "namespace mirelo::cp932 {\n\n"
      "const char16_t kDoubleByteRows[kStoredRows][kTrailCount + 1] = {\n");
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead < 0xE0) continue;
    if (IsUserDefinedLead(lead)) continue;
    std::printf("    // 0x%02X\n", lead);
    int column = 0;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      if (column % 32 == 0) std::printf("%su\"", column ? "\"\n    " : "    ");
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      UChar out[4];
      err = U_ZERO_ERROR;
      ucnv_reset(c.get());
      const int n = ucnv_toUChars(c.get(), out, 4, pair, 2, &err);
      // One character for the pair, or none (an unassigned pair).
      const char16_t ch = (U_SUCCESS(err) && n == 1) ? out[0] : 0xFFFD;
      if (ch == 0xFFFD || ch < 0x80 || ch == u'"' || ch == u'\\') {
        std::printf("\\u%04X", static_cast<unsigned>(ch));
      } else {
        // UTF-8, so that the table reads as the characters it holds.
        if (ch < 0x800) {
          std::printf("%c%c", 0xC0 | (ch >> 6), 0x80 | (ch & 0x3F));
        } else {
          std::printf("%c%c%c", 0xE0 | (ch >> 12), 0x80 | ((ch >> 6) & 0x3F), 0x80 | (ch & 0x3F));
        }
      }
      ++column;
    }
    std::printf("\",\n");
  }
  std::printf("};\n\n}  // namespace mirelo::cp932\n");
  return 0;
}

#include "base/text_encoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace mirelo {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU gives U+001A for some bad bytes of code page 932; the program wants the
// Unicode replacement character for every byte it cannot read.
void ReplacementCallback(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                         UConverterCallbackReason reason, UErrorCode* err) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close, clone
  static const UChar kReplacement = 0xFFFD;
  *err = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, err);
}

Converter OpenConverter(const char* name) {
  UErrorCode err = U_ZERO_ERROR;
  Converter c(ucnv_open(name, &err));
  if (U_FAILURE(err) || !c) throw std::runtime_error(std::string("ICU converter missing: ") + name);
  err = U_ZERO_ERROR;
  ucnv_setToUCallBack(c.get(), ReplacementCallback, nullptr, nullptr, nullptr, &err);
  return c;
}

std::u16string Decode(const char* converter, std::string_view bytes) {
  if (bytes.empty()) return {};
  Converter c = OpenConverter(converter);
  std::u16string out(bytes.size() * 2 + 2, u'\0');
  UErrorCode err = U_ZERO_ERROR;
  int32_t n = ucnv_toUChars(c.get(), reinterpret_cast<UChar*>(out.data()),
                            static_cast<int32_t>(out.size()), bytes.data(),
                            static_cast<int32_t>(bytes.size()), &err);
  if (U_FAILURE(err)) throw std::runtime_error("text decoding failed");
  out.resize(static_cast<std::size_t>(n));
  return out;
}

// The Unicode forms, which hold every character.
std::string Encode(const char* converter, std::u16string_view text) {
  if (text.empty()) return {};
  Converter c = OpenConverter(converter);
  std::string out(text.size() * 4 + 4, '\0');
  UErrorCode err = U_ZERO_ERROR;
  int32_t n = ucnv_fromUChars(c.get(), out.data(), static_cast<int32_t>(out.size()),
                              reinterpret_cast<const UChar*>(text.data()),
                              static_cast<int32_t>(text.size()), &err);
  if (U_FAILURE(err)) throw std::runtime_error("text encoding failed");
  out.resize(static_cast<std::size_t>(n));
  return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

constexpr char kCp932Converter[] = "windows-31j";

}  // namespace

// ICU's table for code page 932 is IBM's, which trades the control bytes
// 0x1A, 0x1C and 0x7F among U+001A, U+001C and U+007F, in both directions.
// Windows keeps every byte 0x00 to 0x7F as the code point of the same value,
// and so do the files written here. No byte below 0x80 leads a double-byte
// character, so a character that ICU reports as starting at such a byte is
// that byte alone and is put back as it stands; the same holds for a
// character below U+0080 on the way out.
std::u16string DecodeCp932(std::string_view bytes) {
  if (bytes.empty()) return {};
  Converter c = OpenConverter(kCp932Converter);
  std::u16string out(bytes.size() * 2 + 2, u'\0');
  std::vector<int32_t> offsets(out.size(), -1);
  UChar* target = reinterpret_cast<UChar*>(out.data());
  UChar* const targetStart = target;
  const char* source = bytes.data();
  UErrorCode err = U_ZERO_ERROR;
  ucnv_toUnicode(c.get(), &target, targetStart + out.size(), &source,
                 bytes.data() + bytes.size(), offsets.data(), true, &err);
  if (U_FAILURE(err)) throw std::runtime_error("text decoding failed");
  out.resize(static_cast<std::size_t>(target - targetStart));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int32_t at = offsets[i];
    if (at < 0 || static_cast<std::size_t>(at) >= bytes.size()) continue;
    const auto byte = static_cast<unsigned char>(bytes[static_cast<std::size_t>(at)]);
    if (byte < 0x80) out[i] = static_cast<char16_t>(byte);
  }
  return out;
}

std::string EncodeCp932(std::u16string_view text) {
  if (text.empty()) return {};
  Converter c = OpenConverter(kCp932Converter);
  UErrorCode err = U_ZERO_ERROR;
  ucnv_setSubstChars(c.get(), "?", 1, &err);
  std::string out(text.size() * 4 + 4, '\0');
  std::vector<int32_t> offsets(out.size(), -1);
  char* target = out.data();
  const UChar* source = reinterpret_cast<const UChar*>(text.data());
  err = U_ZERO_ERROR;
  ucnv_fromUnicode(c.get(), &target, out.data() + out.size(), &source, source + text.size(),
                   offsets.data(), true, &err);
  if (U_FAILURE(err)) throw std::runtime_error("text encoding failed");
  out.resize(static_cast<std::size_t>(target - out.data()));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int32_t at = offsets[i];
    if (at < 0 || static_cast<std::size_t>(at) >= text.size()) continue;
    const char16_t ch = text[static_cast<std::size_t>(at)];
    if (ch < 0x80) out[i] = static_cast<char>(ch);
  }
  return out;
}

DecodedText DecodeTextFile(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF"))
    return {Decode("UTF-8", bytes.substr(3)), TextEncoding::Utf8};
  if (StartsWith(bytes, "\xFF\xFE"))
    return {Decode("UTF-16LE", bytes.substr(2)), TextEncoding::Utf16LE};
  if (StartsWith(bytes, "\xFE\xFF"))
    return {Decode("UTF-16BE", bytes.substr(2)), TextEncoding::Utf16BE};
  return {DecodeCp932(bytes), TextEncoding::Cp932};
}

std::string EncodeTextFile(std::u16string_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8: return "\xEF\xBB\xBF" + Encode("UTF-8", text);
    case TextEncoding::Utf16LE: return "\xFF\xFE" + Encode("UTF-16LE", text);
    case TextEncoding::Utf16BE: return "\xFE\xFF" + Encode("UTF-16BE", text);
    case TextEncoding::Cp932: break;
  }
  return EncodeCp932(text);
}

std::vector<std::u16string> SplitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) { return Decode("UTF-8", text); }

std::string Cp932Prefix(std::u16string_view text, std::size_t maxBytes) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = (IsHighSurrogate(text[i]) && i + 1 < text.size()) ? 2 : 1;
    std::string bytes = EncodeCp932(text.substr(i, len));
    if (out.size() + bytes.size() > maxBytes) break;
    out += bytes;
    i += len;
  }
  return out;
}

}  // namespace mirelo

#include "data/ini_file.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "base/file_bytes.h"
#include "base/text_encoding.h"
#include "base/utf8_path.h"

namespace mirelo {
namespace {

// The file's lines as their raw bytes in the file's encoding, without the
// line ends, and that encoding: code page 932, or the Unicode form a
// byte-order mark announces (Notepad's "Unicode" is UTF-16LE), as the
// system's profile functions read them. Lines are split on whole code
// units: CR and LF never occur inside a character of any of them, so lines
// this code does not touch keep their exact bytes. A missing file has no
// lines and is code page 932; a file that is there but cannot be read (a
// folder, a read error) gives false, so that no write replaces what could
// not be read.
struct IniLines {
  TextEncoding encoding = TextEncoding::Cp932;
  std::vector<std::string> lines;
};

// The file's bytes; none for a missing file. False when it is there but
// cannot be read.
bool ReadBytes(const std::filesystem::path& path, std::string* bytes) {
  bytes->clear();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return !ec;
  // Only a regular file is read: a pipe in its place would block forever.
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::optional<std::string> read = ReadFileBytes(path);
  if (!read) return false;
  *bytes = std::move(*read);
  return true;
}

void SplitLines(std::string_view fileBytes, IniLines* ini) {
  *ini = IniLines{};
  // The mark alone decides, as the text files' reader decides it.
  ini->encoding = DecodeTextFile(fileBytes.substr(0, 3)).encoding;
  const std::string_view bytes = fileBytes.substr(ByteOrderMark(ini->encoding).size());
  const std::size_t unit =
      ini->encoding == TextEncoding::Utf16LE || ini->encoding == TextEncoding::Utf16BE ? 2 : 1;
  const bool bigEndian = ini->encoding == TextEncoding::Utf16BE;
  auto unitAt = [&](std::size_t i) -> char16_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    if (unit == 1) return a;
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  std::size_t start = 0;
  for (std::size_t i = 0; i + unit <= bytes.size(); i += unit) {
    const char16_t c = unitAt(i);
    if (c != u'\r' && c != u'\n') continue;
    ini->lines.emplace_back(bytes.substr(start, i - start));
    if (c == u'\r' && i + 2 * unit <= bytes.size() && unitAt(i + unit) == u'\n') i += unit;
    start = i + unit;
  }
  if (start < bytes.size()) ini->lines.emplace_back(bytes.substr(start));
  // Half a UTF-16 unit at the very end reads as U+FFFD; kept as it stands it
  // would put every unit that a write adds after it out of step. It is kept
  // as what it reads as.
  if (unit == 2 && bytes.size() % 2 != 0) {
    std::string& last = ini->lines.back();
    last.pop_back();
    last += EncodeText(u"\uFFFD", ini->encoding);
  }
}

bool ReadLines(const std::filesystem::path& path, IniLines* ini) {
  std::string bytes;
  if (!ReadBytes(path, &bytes)) return false;
  SplitLines(bytes, ini);
  return true;
}

std::u16string Trim(std::u16string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == u' ' || s[b] == u'\t')) ++b;
  while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t')) --e;
  return std::u16string(s.substr(b, e - b));
}

// Names match as the system's profile functions match them: letters A to Z
// regardless of case, every other character as it stands. Every section and
// key the program uses is ASCII.
char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// A parsed line: a section header, a key line or anything else.
struct Parsed {
  enum Kind { Other, Section, Key } kind = Other;
  std::u16string name;   // section or key name
  std::u16string value;  // key lines only
};

Parsed Parse(const std::string& raw, TextEncoding encoding) {
  std::u16string line = Trim(DecodeText(raw, encoding));
  Parsed p;
  if (!line.empty() && line[0] == u'[') {
    std::size_t close = line.find(u']');
    p.kind = Parsed::Section;
    p.name = Trim(line.substr(1, close == std::u16string::npos ? std::u16string::npos : close - 1));
    return p;
  }
  std::size_t eq = line.find(u'=');
  if (eq == std::u16string::npos || eq == 0) return p;
  p.kind = Parsed::Key;
  p.name = Trim(line.substr(0, eq));
  p.value = Trim(line.substr(eq + 1));
  return p;
}

// Control characters would let a value open lines or sections of its own.
std::u16string WithoutControls(std::u16string_view s) {
  std::u16string out;
  for (char16_t c : s)
    if (c >= 0x20 && c != 0x7F) out += c;
  return out;
}

}  // namespace

bool IniFile::WaitUntilReadable() {
  // About a second in all, in growing steps. What is read is what the
  // settings are loaded from, key by key: a hold that began after this
  // read cannot turn a key into its default.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  std::string bytes;
  for (auto wait = std::chrono::milliseconds(10);;
       wait = std::min(wait * 2, std::chrono::milliseconds(200))) {
    if (ReadBytes(Source(), &bytes)) {
      snapshot_ = std::move(bytes);
      return true;
    }
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(wait);
  }
}

std::string IniFile::Where() const { return PathToUtf8(Source()); }

const std::filesystem::path& IniFile::Source() const {
  std::error_code ec;
  if (!sharedFile_ || std::filesystem::exists(path_, ec) || ec) return path_;
  return *sharedFile_;
}

std::optional<std::u16string> IniFile::ReadString(std::u16string_view section,
                                                  std::u16string_view key) {
  IniLines ini;
  if (snapshot_)
    SplitLines(*snapshot_, &ini);
  else if (!ReadLines(Source(), &ini))
    return std::nullopt;
  // Only the first section of the name counts, as for the system's profile
  // functions and for WriteString: a repeated header later is not looked at.
  bool inSection = false;
  for (const std::string& raw : ini.lines) {
    Parsed p = Parse(raw, ini.encoding);
    if (p.kind == Parsed::Section) {
      if (inSection) break;
      inSection = SameName(p.name, section);
    } else if (inSection && p.kind == Parsed::Key && SameName(p.name, key)) {
      return p.value;
    }
  }
  return std::nullopt;
}

bool IniFile::WriteString(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) {
  const std::filesystem::path& source = Source();
  IniLines ini;
  if (!ReadLines(source, &ini)) return false;
  // The user's own copy is made with its folder at its first write.
  if (source != path_ && !files_.CreateFolder(path_.parent_path())) return false;
  std::vector<std::string>& lines = ini.lines;
  // Written as it will be read back: without controls, and without the
  // spaces at either end that reading trims (a face name that ended in
  // controls would otherwise change between two closes).
  // A file keeps the encoding it was read in; a new one is code page 932.
  const std::string keyLine =
      EncodeText(Trim(WithoutControls(key)) + u"=" + Trim(WithoutControls(value)), ini.encoding);

  // Find the section, the key in it, and the last non-blank line of it.
  bool inSection = false;
  std::optional<std::size_t> sectionLine, keyAt, lastInSection;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Parsed p = Parse(lines[i], ini.encoding);
    if (p.kind == Parsed::Section) {
      if (inSection) break;  // the section ended; a repeated header later is not looked at
      inSection = SameName(p.name, section);
      if (inSection) {
        sectionLine = i;
        lastInSection = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (p.kind == Parsed::Key && SameName(p.name, key)) {
      keyAt = i;
      break;
    }
    if (!Trim(DecodeText(lines[i], ini.encoding)).empty()) lastInSection = i;
  }

  if (keyAt) {
    lines[*keyAt] = keyLine;
  } else if (sectionLine) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastInSection + 1), keyLine);
  } else {
    lines.push_back(EncodeText(u"[" + WithoutControls(section) + u"]", ini.encoding));
    lines.push_back(keyLine);
  }

  std::string bytes(ByteOrderMark(ini.encoding));
  const std::string lineEnd = EncodeText(u"\r\n", ini.encoding);
  for (const std::string& line : lines) {
    bytes += line;
    bytes += lineEnd;
  }
  if (!files_.ReplaceFile(path_, bytes)) return false;
  snapshot_.reset();  // read from the file again from now on
  return true;
}

}  // namespace mirelo

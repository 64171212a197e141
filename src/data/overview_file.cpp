#include "data/overview_file.h"

#include "base/file_bytes.h"
#include "base/format_message.h"
#include "base/messages.h"
#include "base/utf8_path.h"

namespace mirelo {

std::filesystem::path OverviewFolder(const std::string& dataFilePath) {
  return PathFromUtf8(dataFilePath).parent_path() / kOverviewFolderName;
}

std::filesystem::path OverviewFilePath(const std::string& dataFilePath) {
  return OverviewFolder(dataFilePath) / PathFromUtf8(dataFilePath).filename();
}

std::u16string ToCrLf(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c != u'\r' && c != u'\n') {
      out += c;
      continue;
    }
    out += u"\r\n";
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
  }
  return out;
}

std::string OverviewFileBytes(std::u16string_view text, std::optional<TextEncoding> readAs) {
  const TextEncoding chosen = readAs.value_or(TextEncoding::Cp932);
  std::string bytes = EncodeTextFile(text, chosen);
  if (DecodeTextFile(bytes).text == text) return bytes;
  return EncodeTextFile(text, TextEncoding::Utf8);
}

void WriteOverviewFile(const std::filesystem::path& path, std::u16string_view text,
                       std::optional<TextEncoding> readAs, FileStore& files) {
  if (!files.ReplaceFile(path, OverviewFileBytes(text, readAs)))
    throw OverviewFileError(FormatMessage(msg::kOverviewCannotWrite, PathToUtf8(path)));
}

std::optional<DecodedText> ReadOverviewFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return std::nullopt;
  // An unreadable file (a folder in its place among them) is not taken for
  // a missing one: the placeholder would then be saved over it at closing.
  const std::optional<std::string> bytes =
      std::filesystem::is_regular_file(path, ec) ? ReadFileBytes(path) : std::nullopt;
  if (!bytes)
    throw OverviewFileError(FormatMessage(
        LargerThan(path) ? msg::kOverviewTooLarge : msg::kOverviewUnreadable, PathToUtf8(path)));
  DecodedText decoded = DecodeTextFile(*bytes);
  decoded.text = ToCrLf(decoded.text);
  return decoded;
}

}  // namespace mirelo

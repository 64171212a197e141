// The overview text kept beside the data file: <data folder>/Gaikyo/<data
// file name>.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/text_encoding.h"
#include "platform/file_store.h"

namespace mirelo {

inline constexpr char kOverviewFolderName[] = "Gaikyo";

std::filesystem::path OverviewFolder(const std::string& dataFilePath);
std::filesystem::path OverviewFilePath(const std::string& dataFilePath);

// An overview file exists but cannot be read; what() is the user's message.
class OverviewFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every line break (CR LF, lone LF, lone CR) as CR LF, as the input field
// holds it.
std::u16string ToCrLf(std::u16string_view text);

// The bytes of the overview file for text (CR LF line breaks): in the
// encoding the file was read in (readAs), with its byte-order mark, or in
// code page 932 without one where it was not read. Text that encoding cannot
// hold character for character is written as UTF-8 with its mark instead, so
// that nothing the user typed turns into "?".
std::string OverviewFileBytes(std::u16string_view text, std::optional<TextEncoding> readAs);

// Replaces the overview file at path whole or not at all, through files.
// Throws OverviewFileError when it cannot be written; the old file then
// stays.
void WriteOverviewFile(const std::filesystem::path& path, std::u16string_view text,
                       std::optional<TextEncoding> readAs, FileStore& files);

// The overview file decoded by its byte-order mark (code page 932 without
// one), with CR LF line breaks; nothing when there is no such file. Throws
// OverviewFileError when the file exists but cannot be read.
std::optional<DecodedText> ReadOverviewFile(const std::filesystem::path& path);

}  // namespace mirelo

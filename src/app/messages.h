// Every text the program shows its user, once each. UTF-8.
#pragma once

namespace mirelo::msg {

inline constexpr char kAppTitle[] = "ミレロ";
inline constexpr char kAlreadyRunning[] = "既に起動しています。";
inline constexpr char kDataFileMissing[] = "読み込む対象のデータが見つかりません。\r\n終了します。";
inline constexpr char kCannotWrite[] = "%s に書き込めません";

// Data files that break the format (%s: the data file's path).
inline constexpr char kDataUnreadable[] = "データファイルを読み込めません: %s";
inline constexpr char kDataEmpty[] = "データファイルが空です: %s";
inline constexpr char kHeaderTooShort[] = "データファイルの見出し行が34文字に足りません: %s";
inline constexpr char kBadSurveyDate[] = "データファイルの調査日が正しい日付ではありません: %s";

}  // namespace mirelo::msg

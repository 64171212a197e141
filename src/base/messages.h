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

// The overview input's text until a kept overview is loaded or the user types.
inline constexpr char kOverviewPlaceholder[] = "概況をここに入力";
// A kept overview file that exists but cannot be read (%s: its path).
inline constexpr char kOverviewUnreadable[] = "概況ファイルを読み込めません: %s";

// A headless output that names the data file or the settings file (%s: it).
inline constexpr char kOutputIsInput[] = "出力先が入力ファイルと同じです: %s";

// Printing.
inline constexpr char kPrinted[] = "認定調査票（特記事項）が印刷されました。";
inline constexpr char kPrintStartFailed[] = "印刷できません: %s";
// The data file's insured-person number (%s: the data file's path).
inline constexpr char kInsuredNumberNotTenDigits[] =
    "被保険者番号が10桁の数字ではありません。数字のない欄は空けて描きます: %s";

}  // namespace mirelo::msg

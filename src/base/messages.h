// Every text the program shows its user, once each. UTF-8.
#pragma once

namespace mirelo::msg {

inline constexpr char kAppTitle[] = "ミレロ";
inline constexpr char kAlreadyRunning[] = "既に起動しています。";
inline constexpr char kDataFileMissing[] = "読み込む対象のデータが見つかりません。\r\n終了します。";
inline constexpr char kCannotWrite[] = "%s に書き込めません";
// Below kCannotWrite for the settings file at the close, which goes on.
inline constexpr char kSettingsNotKept[] =
    "今回の印刷設定（倍率・補正・フォントなど）と画面の位置は保存されません。";

// A settings file that exists but cannot be read, after a moment's
// retrying (another program holding it, %s: its path), and what becomes of
// it in the window.
inline constexpr char kSettingsUnreadable[] = "設定ファイルを読み込めません: %s";
inline constexpr char kSettingsLeftAlone[] =
    "今回は既定の設定で表示し、設定ファイルはそのまま残して保存もしません。";

// Data files that break the format (%s: the data file's path).
inline constexpr char kDataUnreadable[] = "データファイルを読み込めません: %s";
inline constexpr char kDataEmpty[] = "データファイルが空です: %s";
inline constexpr char kHeaderTooShort[] = "データファイルの見出し行が34文字に足りません: %s";
inline constexpr char kBadSurveyDate[] = "データファイルの調査日が正しい日付ではありません: %s";
// The limit named is kMaxReadBytes (base/file_bytes.h).
inline constexpr char kDataTooLarge[] = "データファイルが大きすぎます（4 MB まで）: %s";

// The overview input's text until a kept overview is loaded or the user types.
inline constexpr char kOverviewPlaceholder[] = "概況をここに入力";
// A kept overview file that exists but cannot be read, or written (%s: its
// path).
inline constexpr char kOverviewUnreadable[] = "概況ファイルを読み込めません: %s";
inline constexpr char kOverviewCannotWrite[] = "概況ファイルに書き込めません: %s";
inline constexpr char kOverviewTooLarge[] = "概況ファイルが大きすぎます（4 MB まで）: %s";
// Below either of the two above at the first showing: the window goes on
// without the kept overview.
inline constexpr char kOverviewLeftAlone[] =
    "概況ファイルはそのまま残し、今回は概況の入力も保存もしません。";
// Before the folder of the kept overviews is made beside the data file.
inline constexpr char kOverviewFolderNotice[] =
    "概況データを保存するフォルダをNinteiData内に作成します。";
inline constexpr char kOverviewFolderCannotCreate[] = "概況を保存するフォルダを作成できません: %s";

// A headless output that names the data file or the settings file (%s: it).
inline constexpr char kOutputIsInput[] = "出力先が入力ファイルと同じです: %s";
// The dump's destination where it cannot be written (in kCannotWrite).
inline constexpr char kStandardOutput[] = "標準出力";

// The main window: its caption, and the captions of its controls.
inline constexpr char kMainWindowCaption[] = "蒼浦市版 認定調査票（概況調査/特記事項）プレビュー";
inline constexpr char kPrintAllCaption[] = "全ページ印刷";
inline constexpr char kPrintCurrentCaption[] = "現ページ印刷";
inline constexpr char kPreviousPageCaption[] = "前のページ";
inline constexpr char kNextPageCaption[] = "次のページ";
inline constexpr char kOverviewOpenCaption[] = "概況入力";
inline constexpr char kOverviewCloseCaption[] = "概況閉じる";
inline constexpr char kSettingsCaption[] = "印刷設定";
inline constexpr char kCloseCaption[] = "閉じる";
inline constexpr char kSaveOverviewCaption[] = "概況を保存する";
inline constexpr char kPrinterLabelCaption[] = "プリンタ：";

// The screen has no display to open the window on.
inline constexpr char kNoDisplay[] = "画面に接続できないため、プレビュー画面を開けません";

// Printing.
inline constexpr char kNoDefaultPrinter[] = "デフォルトのプリンタが現在選択されていません";
// The program's own printer where the system has none: a PDF file.
inline constexpr char kOwnPdfPrinterName[] = "PDFファイルに保存";
inline constexpr char kPdfFileFilter[] = "PDF ファイル (*.pdf)";
inline constexpr char kPrinted[] = "認定調査票（特記事項）が印刷されました。";
inline constexpr char kPrintStartFailed[] = "印刷できません: %s";
// Printing without the window (mirelo --print): the system has no printer,
// or none of the name asked for (%s: the name).
inline constexpr char kNoPrinterAtAll[] = "プリンタがありません";
inline constexpr char kPrinterNotFound[] = "プリンタが見つかりません: %s";
// --print-pdf on Windows prints through the system's PDF printer (%s: its
// name), which not every system has.
inline constexpr char kNoPdfPrinter[] = "PDFを作るプリンタがありません: %s";
// The data file's insured-person number (%s: the data file's path).
inline constexpr char kInsuredNumberNotTenDigits[] =
    "被保険者番号が10桁の数字ではありません。数字のない欄は空けて描きます: %s";

// The print settings dialog: the captions of its controls and labels.
inline constexpr char kChangePrinterCaption[] = "プリンタの変更";
inline constexpr char kOverviewFontCaption[] = "概況欄フォント変更";
inline constexpr char kNotesFontCaption[] = "特記事項欄フォント変更";
inline constexpr char kGroupSpacingCaption[] = "群の境で空白行を挿入する";
inline constexpr char kOverviewLinesLabel[] = "概況欄行数変更";
inline constexpr char kPenWidthLabel[] = "被保険者番号枠などの太さ";
inline constexpr char kNumberColumnLabel[] = "（1 - 1）などの番号欄の幅";
inline constexpr char kNumberColumnUnitLabel[] = "左端からのmm数";
inline constexpr char kScaleLabel[] = "倍率の設定 １000より大きいと伸びる";
inline constexpr char kOffsetLabel[] = "0.1mmずつ全体をずらす";
inline constexpr char kScaleXLabel[] = "X軸（横）の倍率";
inline constexpr char kOffsetXLabel[] = "X軸補正";
inline constexpr char kScaleXHint[] = "+1で横へ約0.2mm伸びる";
inline constexpr char kOffsetXHint[] = "+10で右へ1mm";
inline constexpr char kScaleYLabel[] = "Y軸（縦）の倍率";
inline constexpr char kOffsetYLabel[] = "Y軸補正";
inline constexpr char kScaleYHint[] = "+1で縦へ約0.3mm伸びる";
inline constexpr char kOffsetYHint[] = "+10で下へ1mm";
// A face whose name code page 932 cannot hold (%s: the name); the box keeps
// its font.
inline constexpr char kFontNameNotCp932[] = "このフォント名には使えない文字が含まれています: %s";
// The confirming button of the printer set-up dialog: it chooses, it does
// not print.
inline constexpr char kPrinterSetupConfirm[] = "OK";
// The printer button where the system has no printer to choose.
inline constexpr char kNoSystemPrinter[] =
    "選択できるプリンタがありません。印刷はPDFファイルに保存します。";

}  // namespace mirelo::msg

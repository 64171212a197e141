#include "app/command_line.h"

#include <charconv>
#include <limits>

#include "app/version.h"
#include "base/visible_text.h"

namespace mirelo {
namespace {

std::optional<int> ParseInt(const std::string& s) {
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

}  // namespace

std::string UsageText() {
  return "使い方: mirelo [オプション] DATAFILE\n"
         "  DATAFILE だけを渡すとプレビュー画面を開きます。\n"
         "オプション (DATAFILE より前に置きます。-- で終わります):\n"
         "  --dump-layout            レイアウトを JSON で標準出力に書きます\n"
         "  --print-pdf OUT.pdf      全ページを PDF に書きます\n"
         "  --preview-png OUT.png    プレビュー画像を PNG に書きます\n"
         "  --draw-log OUT.jsonl     描画の呼び出しを JSON Lines で書きます\n"
         "  --print                  全ページを既定のプリンタに印刷します (画面なし)\n"
         "  --printer NAME           --print で使うプリンタ\n"
         "  --page N                 --preview-png と --draw-log のページ (既定 1)\n"
         "  --target D|P             --draw-log の出力先: D 画面, P プリンタ (既定 D)\n"
         "  --ini FILE               control.ini の代わりに読む設定ファイル\n"
         "  --screen-dpi N           画面の解像度: プレビューの大きさ (1〜600, 既定 96; 文字は常に "
         "96 で測ります)\n"
         "  --printer-dpi N          プリンタの解像度 (1〜4800, 既定 600)\n"
         "  --printer-margin DX,DY   プリンタの印刷できない余白 (ドット, 既定 0,0)\n"
         "  --version                名前と版を表示します\n"
         "  --help                   この説明を表示します\n"
         "終了コード: 0 成功, 2 引数またはデータファイルの誤り\n";
}

std::optional<std::string> InformationText(const CommandLine& line) {
  if (line.mode == RunMode::Help) return UsageText();
  if (line.mode == RunMode::Version) return VersionLine() + "\n";
  return std::nullopt;
}

std::string CommandLineErrorLine(const std::string& error) {
  return "mirelo: " + error + "（使い方は mirelo --help）";
}

CommandLineResult ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineResult r;
  CommandLine& c = r.line;
  bool modeSet = false;
  auto setMode = [&](RunMode m, const std::string& name) {
    if (modeSet && c.mode != m) {
      r.error = name + " は他の出力オプションと一緒に使えません";
      return false;
    }
    c.mode = m;
    modeSet = true;
    return true;
  };

  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a.rfind("--", 0) != 0) break;  // the data path

    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) {
        r.error = a + " には値が必要です";
        return std::nullopt;
      }
      return args[++i];
    };
    auto intValue = [&](int min, int max) -> std::optional<int> {
      auto v = value();
      if (!v) return std::nullopt;
      auto n = ParseInt(*v);
      if (!n || *n < min || *n > max) {
        r.error = a + " の値が正しくありません: " + EscapeControls(*v);
        return std::nullopt;
      }
      return n;
    };

    if (a == "--help") {
      c.mode = RunMode::Help;
      return r;
    } else if (a == "--version") {
      c.mode = RunMode::Version;
      return r;
    } else if (a == "--dump-layout") {
      if (!setMode(RunMode::DumpLayout, a)) return r;
    } else if (a == "--print") {
      if (!setMode(RunMode::Print, a)) return r;
    } else if (a == "--printer") {
      auto v = value();
      if (!v) return r;
      c.printerName = *v;
    } else if (a == "--print-pdf" || a == "--preview-png" || a == "--draw-log") {
      RunMode m = a == "--print-pdf"     ? RunMode::PrintPdf
                  : a == "--preview-png" ? RunMode::PreviewPng
                                         : RunMode::DrawLog;
      if (!setMode(m, a)) return r;
      auto v = value();
      if (!v) return r;
      c.outputPath = *v;
    } else if (a == "--ini") {
      auto v = value();
      if (!v) return r;
      c.iniPath = *v;
    } else if (a == "--screen-dpi") {
      auto v = intValue(1, kMaxScreenDpi);
      if (!v) return r;
      c.screenDpi = *v;
    } else if (a == "--printer-dpi") {
      auto v = intValue(1, kMaxPrinterDpi);
      if (!v) return r;
      c.printerDpi = *v;
    } else if (a == "--page") {
      auto v = intValue(1, std::numeric_limits<int>::max());
      if (!v) return r;
      c.page = *v;
    } else if (a == "--target") {
      auto v = value();
      if (!v) return r;
      if (*v != "D" && *v != "P") {
        r.error = "--target は D か P です: " + EscapeControls(*v);
        return r;
      }
      c.target = static_cast<char16_t>((*v)[0]);
    } else if (a == "--printer-margin") {
      auto v = value();
      if (!v) return r;
      std::size_t comma = v->find(',');
      auto dx = comma == std::string::npos ? std::nullopt : ParseInt(v->substr(0, comma));
      auto dy = comma == std::string::npos ? std::nullopt : ParseInt(v->substr(comma + 1));
      if (!dx || !dy || *dx < 0 || *dy < 0) {
        r.error = "--printer-margin の値が正しくありません: " + EscapeControls(*v);
        return r;
      }
      c.printerMarginX = *dx;
      c.printerMarginY = *dy;
    } else {
      r.error = "知らないオプションです: " + EscapeControls(a);
      return r;
    }
  }
  if (c.printerName && c.mode != RunMode::Print) {
    r.error = "--printer は --print と一緒に使います";
    return r;
  }
  if (i < args.size()) c.dataPath = args[i];
  return r;
}

}  // namespace mirelo

#!/usr/bin/env bash
# The headless modes of the build under test against the Debian build's:
# the layout dump of both samples line for line, the draw log of every page
# of both targets call for call, the preview picture, and Japanese names
# for the data file, its overview folder and the settings file; an output
# naming a file the user owns is refused. (Run on the Debian build, the
# comparisons hold it against itself and the rest checks it alone.)
source "$(dirname "$0")/lib.sh"
need python3 compare pdfinfo
compare_draw_logs=$E2E_DIR/../wine/compare_draw_logs.py
ini=$WORK/no-settings.ini

# One executable that needs nothing beside the system's own libraries (the
# Debian build comes as a package whose dependencies Debian installs).
if on_windows && command -v x86_64-w64-mingw32-objdump >/dev/null; then
  imports=$(x86_64-w64-mingw32-objdump -p "$WIN_MIRELO" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
  for dll in $imports; do
    case $dll in
      GDI32.DLL | KERNEL32.DLL | MSVCRT.DLL | OLE32.DLL | SHELL32.DLL | USER32.DLL | WINSPOOL.DRV | \
        COMDLG32.DLL | COMCTL32.DLL | IMM32.DLL | WINDOWSCODECS.DLL | ADVAPI32.DLL | UXTHEME.DLL) ;;
      *) fail "mirelo.exe needs $dll, which is not a system library (it imports: $imports)" ;;
    esac
  done
  log "mirelo.exe imports only the system's libraries: $imports"
fi

# The layout: the same lines, page count and settings.
for sample in "$SAMPLES"/large-survey.txt "$SAMPLES"/worked-example.txt; do
  name=$(basename "$sample" .txt)
  "$MIRELO" --ini "$ini" --dump-layout "$sample" >"$WORK/$name.linux.json"
  run_mirelo --ini "$ini" --dump-layout "$sample" >"$WORK/$name.build.json" ||
    fail "the build's mirelo --dump-layout $name failed"
  diff -u "$WORK/$name.linux.json" "$WORK/$name.build.json" >&2 ||
    fail "the layout of $name differs between the builds (above)"
  log "the layout of $name is the same in both builds"
done

# Text is measured at 96 dots per inch whatever the screen's: the same
# layout and printed page at every --screen-dpi, and the preview's calls
# those of the Debian build at that resolution.
sample=$SAMPLES/large-survey.txt
"$MIRELO" --ini "$ini" --draw-log "$WORK/l.jsonl" --target P "$sample"
for dpi in 72 120 144 168 192 288; do
  run_mirelo --ini "$ini" --screen-dpi "$dpi" --dump-layout "$sample" >"$WORK/dpi.json" ||
    fail "the build's mirelo --dump-layout --screen-dpi $dpi failed"
  diff -u "$WORK/large-survey.linux.json" "$WORK/dpi.json" >&2 ||
    fail "the layout at $dpi dots per inch differs from the one at 96 (above)"
  run_mirelo --ini "$ini" --screen-dpi "$dpi" --draw-log "$WORK/w.jsonl" --target P "$sample" ||
    fail "the build's mirelo --draw-log --screen-dpi $dpi failed"
  result=$(python3 "$compare_draw_logs" "$WORK/l.jsonl" "$WORK/w.jsonl" $(( (4 * 600 + 95) / 96 ))) ||
    fail "the printed page at $dpi dots per inch: $result"
  "$MIRELO" --ini "$ini" --screen-dpi "$dpi" --draw-log "$WORK/ld.jsonl" "$sample"
  run_mirelo --ini "$ini" --screen-dpi "$dpi" --draw-log "$WORK/wd.jsonl" "$sample" ||
    fail "the build's mirelo --draw-log --screen-dpi $dpi failed"
  result=$(python3 "$compare_draw_logs" "$WORK/ld.jsonl" "$WORK/wd.jsonl" $(( (4 * dpi + 95) / 96 ))) ||
    fail "the preview at $dpi dots per inch: $result"
done
log "at 72 to 288 dots per inch the layout and the printed page are those at 96, and the preview the Debian build's"

# The drawing: every page, screen and printer, the same calls with the same
# texts. GDI gives each glyph a whole advance where Qt sums the font's
# fractional ones, so the proportional kana of a long line end a few dots
# apart: places may differ by up to 4 screen dots (about 1 mm), the same
# distance in printer dots.
sample=$SAMPLES/large-survey.txt
pages=$(sed -n 's/^ *"PageCount": *\([0-9]*\),*$/\1/p' "$WORK/large-survey.linux.json")
for page in $(seq "$pages"); do
  for target in D P; do
    tolerance=4
    [ "$target" = P ] && tolerance=$(( (4 * 600 + 95) / 96 ))
    "$MIRELO" --ini "$ini" --draw-log "$WORK/l.jsonl" --page "$page" --target "$target" "$sample"
    run_mirelo --ini "$ini" --draw-log "$WORK/w.jsonl" --page "$page" --target "$target" "$sample" ||
      fail "the build's mirelo --draw-log failed"
    result=$(python3 "$compare_draw_logs" "$WORK/l.jsonl" "$WORK/w.jsonl" "$tolerance") ||
      fail "the draw log of page $page, target $target: $result"
    log "page $page, target $target: $result"
  done
done

# The preview picture: the A4 page at 96 dpi, which looks like the Debian
# build's page 1 more than like its page 2 (compared as small grey
# pictures: GDI draws text without grey edges where Qt smooths it).
"$MIRELO" --ini "$ini" --preview-png "$WORK/l1.png" "$sample"
"$MIRELO" --ini "$ini" --preview-png "$WORK/l2.png" --page 2 "$sample"
run_mirelo --ini "$ini" --preview-png "$WORK/w.png" "$sample" || fail "the build's mirelo --preview-png failed"
[ "$(identify -format '%w %h' "$WORK/w.png")" = "794 1123" ] ||
  fail "the preview picture is $(identify -format '%w x %h' "$WORK/w.png"), not 794 x 1123"
small() { convert "$1" -colorspace gray -resize 25% "$2"; }
small "$WORK/l1.png" "$WORK/l1.pgm"
small "$WORK/l2.png" "$WORK/l2.pgm"
small "$WORK/w.png" "$WORK/w.pgm"
rmse() { (compare -metric RMSE "$1" "$2" null: 2>&1 || true) | sed -n 's/.*(\(.*\)).*/\1/p'; }
same=$(rmse "$WORK/l1.pgm" "$WORK/w.pgm")
other=$(rmse "$WORK/l2.pgm" "$WORK/w.pgm")
awk -v a="$same" -v b="$other" 'BEGIN { exit !(a < 0.1 && a < b / 1.5) }' ||
  fail "the preview picture is $same from the Debian build's page 1 and $other from its page 2 (RMSE)"
log "the preview picture is 794 x 1123, $same from the Debian build's page 1 and $other from its page 2"

# Japanese names: the data file in a folder of its own with its kept
# overview beside it, and the settings file.
folder=$WORK/調査データ
mkdir -p "$folder/Gaikyo"
cp "$SAMPLES/worked-example.txt" "$folder/あい.txt"
printf '%s\r\n' '外出は週に一度。' | iconv -f UTF-8 -t CP932 >"$folder/Gaikyo/あい.txt"
printf '[Bikou]\r\nSize=11\r\n' >"$WORK/設定.ini"
run_mirelo --ini "$WORK/設定.ini" --dump-layout "$folder/あい.txt" >"$WORK/japanese.json" ||
  fail "the build did not read the data file with a Japanese name"
grep -q '"Bikou.Size": 11' "$WORK/japanese.json" || fail "the settings file with a Japanese name was not read"
grep -q '外出は週に一度。' "$WORK/japanese.json" || fail "the kept overview in the Japanese folder was not loaded"
"$MIRELO" --ini "$WORK/設定.ini" --dump-layout "$folder/あい.txt" | diff - "$WORK/japanese.json" >&2 ||
  fail "the builds read the Japanese names apart (above)"
log "a data file, its overview folder and a settings file with Japanese names work"

# An output naming the kept overview, the data file or the settings file,
# however spelled, is refused and leaves it as it was; so is a device.
owned=$WORK/owned
mkdir -p "$owned/Gaikyo"
cp "$sample" "$owned/survey.txt"
printf 'typed by the user\r\n' >"$owned/Gaikyo/survey.txt"
printf '[Print]\r\nx_Bai=1\r\n' >"$owned/control.ini"
cp "$owned/Gaikyo/survey.txt" "$WORK/overview.before"
# The same file by other spellings: a path through "..", and on Windows,
# whose file names ignore case, other cases and the \\?\ form.
outs=("$owned/Gaikyo/survey.txt" "$owned/Gaikyo/../Gaikyo/survey.txt" "$owned/survey.txt")
if on_windows; then
  windows_owned=$(winepath -w "$owned")
  outs+=("$owned/GAIKYO/Survey.TXT" "\\\\?\\$windows_owned\\Gaikyo\\survey.txt" "$owned/CONTROL.INI")
else
  outs+=("$owned/control.ini")
fi
for out in "${outs[@]}"; do
  status=0
  run_mirelo --ini "$owned/control.ini" --draw-log "$out" "$owned/survey.txt" >"$WORK/out" 2>"$WORK/err" || status=$?
  [ "$status" -eq 2 ] && [ "$(cat "$WORK/err")" = "出力先が入力ファイルと同じです: $out" ] ||
    fail "--draw-log $out: status $status, said: $(cat "$WORK/err")"
done
cmp -s "$owned/Gaikyo/survey.txt" "$WORK/overview.before" || fail "an output over the kept overview changed it"
cmp -s "$owned/survey.txt" "$sample" || fail "an output over the data file changed it"
# A device is no file to write a log into (Windows's NUL; /dev/null is
# where a Debian user sends output on purpose).
if on_windows; then
  status=0
  run_mirelo --ini "$ini" --draw-log NUL "$owned/survey.txt" >"$WORK/out" 2>"$WORK/err" || status=$?
  [ "$status" -eq 2 ] || fail "--draw-log NUL: status $status, said: $(cat "$WORK/err")"
fi
log "outputs over the kept overview, the data file, the settings file or a device are refused"

# --print-pdf goes through the system's PDF printer, which Wine lacks: the
# message, status 2, and no file. (The Debian build makes the PDF itself.)
if on_windows; then
  status=0
  run_mirelo --ini "$ini" --print-pdf "$WORK/out.pdf" "$sample" >"$WORK/out" 2>"$WORK/err" || status=$?
  [ "$status" -eq 2 ] && [ "$(cat "$WORK/err")" = "PDFを作るプリンタがありません: Microsoft Print to PDF" ] ||
    fail "--print-pdf without the PDF printer: status $status, said: $(cat "$WORK/err")"
  [ ! -e "$WORK/out.pdf" ] || fail "--print-pdf without the PDF printer left a file"
fi
log "PASSED: the build lays out and draws as the Debian build does, and refuses outputs over the user's files"

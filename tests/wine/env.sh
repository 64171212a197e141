# The environment the Windows build runs in under Wine, sourced by
# scripts/test-windows: a Wine prefix of the build's own (never the user's),
# the Japanese locale (so the ANSI code page is 932), and the form's two
# faces mapped to the IPA fonts, as Windows has them under their own names;
# so is Tahoma, the face of the windows' controls, which Wine lacks.
# wine_prefix_ready makes the prefix once; later runs find it made.
export WINEPREFIX=${MIRELO_WINEPREFIX:?set MIRELO_WINEPREFIX to the prefix folder}
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
unset WAYLAND_DISPLAY

# Raised whenever what wine_prefix_ready puts into the prefix changes, so an
# older prefix is made anew.
readonly MIRELO_PREFIX_VERSION=2

wine_prefix_ready() {
  [ "$(cat "$WINEPREFIX/.mirelo-prefix" 2>/dev/null)" = "$MIRELO_PREFIX_VERSION" ] && return 0
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1
  local reg=$WINEPREFIX/mirelo-fonts.reg
  {
    printf '\xff\xfe'
    printf 'Windows Registry Editor Version 5.00\r\n\r\n%s\r\n%s\r\n%s\r\n%s\r\n' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' '"Tahoma"="IPAPGothic"' |
      iconv -f UTF-8 -t UTF-16LE
  } >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  echo "$MIRELO_PREFIX_VERSION" >"$WINEPREFIX/.mirelo-prefix"
}

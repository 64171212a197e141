# Pictures of a window's places, for what a person sees: sourced by
# lib.sh. A place is "WIDTHxHEIGHT+X+Y" inside the window.

# A spot of the tool bar between the print and the page buttons, where the
# pointer rests so that no control shows it hovering.
readonly RESTING_PLACE='250 20'
# 概況入力 (SpeedButton5) and the overview field (Memo1) in the window: the
# scroll box starts 49 below the window's top, unscrolled.
readonly OVERVIEW_BUTTON_PLACE='89x33+96+201'
readonly OVERVIEW_FIELD_PLACE='697x81+105+269'

# rest WINDOW : the pointer to the resting place; what it left settles.
rest() {
  xdotool mousemove --window "$1" $RESTING_PLACE
  sleep 0.6
}

# snap WINDOW PLACE NAME : the picture of PLACE in $WORK/NAME.png.
snap() {
  import -window "$1" -crop "$2" +repage "$WORK/$3.png"
}

# expect_same A B MAX WHAT : pictures A and B differ in at most MAX pixels
# (a blinking caret), or the scenario fails saying WHAT; the pictures are
# then kept in the temporary folder for a look.
expect_same() {
  local n
  n=$(compare -metric AE -fuzz 10% "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 || true)
  n=${n%% *}
  n=${n%.*}
  if ! [ "$n" -le "$3" ] 2>/dev/null; then
    local kept=${TMPDIR:-/tmp}/mirelo-$BUILD-$(basename "$0" .sh)
    mkdir -p "$kept"
    cp "$WORK/$1.png" "$WORK/$2.png" "$kept/"
    fail "$4: $n pixels differ from before (pictures in $kept)"
  fi
}

# white_share WINDOW PLACE : the share of pure white among the pixels of PLACE.
white_share() {
  import -window "$1" -crop "$2" +repage "$WORK/white.png"
  convert "$WORK/white.png" -fill black +opaque white -fill white -opaque white -colorspace gray -format '%[fx:mean]' info:
}

#!/usr/bin/env bash
# Plays two whole games with the keyboard and the mouse on the built program, started from a
# folder that holds no media, on the desktop BNG_DESKTOP names (see harness/desktop.sh), and checks
# what shows at each step: the captions, messages and counts whole inside their controls at the
# desktop's scale, every text on a background the window fixes readable (WCAG contrast 4.5:1),
# the windows at their designed sizes, the faces and the About banner grown with the scale.
# Between the games it opens the Help and About windows and leaves them open; "No." ends it all.
# The game speaks the language BNG_LANGUAGE names (see harness/language.sh).
# Pictures of the steps are kept in $BNG_SCREENSHOTS if set. Usage: play_game.sh <program>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
PROGRAM=$(realpath "$1")
shots=${BNG_SCREENSHOTS:-}

start_session --display
faults=()

# Keeps a picture of window $1 as $2.png when pictures are kept.
picture() {
    [ -n "$shots" ] && shoot "$1" "$shots/$2.png"
}

# Fails unless window $1 is $2 x $3 design pixels at the desktop's scale, give or take the
# rounding of one pixel, and keeps that size.
expect_size() {
    local width height
    width=$(scaled "$2")
    height=$(scaled "$3")
    window_geometry "$1"
    [ $((WINDOW_WIDTH - width)) -ge -1 ] && [ $((WINDOW_WIDTH - width)) -le 1 ] &&
        [ $((WINDOW_HEIGHT - height)) -ge -1 ] && [ $((WINDOW_HEIGHT - height)) -le 1 ] ||
        fail "the $4 window is ${WINDOW_WIDTH}x$WINDOW_HEIGHT, not ${width}x$height"
    fixed_size "$1" || fail "the $4 window can be resized"
}

# Grabs the client rectangle x,y,width,height shrunk by one screen pixel on every side, so
# that no neighbour's edge creeps in at a scale that rounds, into file $5.
grab_inside() {
    grab $((CLIENT_X + $(scaled "$1") + 1)) $((CLIENT_Y + $(scaled "$2") + 1)) \
        $(($(scaled "$3") - 2)) $(($(scaled "$4") - 2)) "$5"
}

# Checks that the text $1 in the control at x,y,width,height ($2..$5, design pixels), inside a
# frame $6 design pixels wide, shows whole: it keeps clear of the control's edges, as text that
# the control cuts off does not, on the sides $8 ("lrtb" by default: left-aligned text starts at
# the left edge); with $7 other than "-", it runs to that many lines.
expect_whole() {
    local frame=$6 left top right bottom lines width height sides=${8:-lrtb}
    grab_inside $(($2 + frame)) $(($3 + frame)) $(($4 - 2 * frame)) $(($5 - 2 * frame)) \
        "$work/text.ppm"
    read -r left top right bottom lines _ < <(python3 "$harness/contrast.py" ink "$work/text.ppm")
    [ "$left" = none ] && fail "\"$1\" does not show"
    width=$(($(scaled $(($4 - 2 * frame))) - 2))
    height=$(($(scaled $(($5 - 2 * frame))) - 2))
    if { [[ $sides == *l* ]] && [ "$left" -eq 0 ]; } || { [[ $sides == *t* ]] && [ "$top" -eq 0 ]; } ||
        { [[ $sides == *r* ]] && [ "$right" -ge $((width - 1)) ]; } ||
        { [[ $sides == *b* ]] && [ "$bottom" -ge $((height - 1)) ]; }; then
        faults+=("\"$1\" is cut off (its ink spans $left,$top to $right,$bottom of ${width}x$height)")
    fi
    [ "${7:--}" = - ] || [ "$lines" = "$7" ] || faults+=("\"$1\" runs to $lines lines, not $7")
}

# Measures the contrast of the text $1 in the control at x,y,width,height ($2..$5), inside a
# frame $6 design pixels wide, against the background the control shows most of.
measure_contrast() {
    local frame=$6 ratio back text
    grab_inside $(($2 + frame)) $(($3 + frame)) $(($4 - 2 * frame)) $(($5 - 2 * frame)) \
        "$work/text.ppm"
    read -r ratio back text < <(python3 "$harness/contrast.py" contrast "$work/text.ppm")
    echo "contrast $ratio:1 for $1 ($text on $back)"
    python3 -c "import sys; sys.exit(float(sys.argv[1]) < 4.5)" "$ratio" ||
        faults+=("$1 is hard to read at $ratio:1")
}

# True once the guess box shows a typed number, more than its text cursor alone.
guess_typed() {
    local pixels
    grab_inside 248 120 65 33 "$work/guess.ppm"
    read -r _ _ _ _ _ pixels < <(python3 "$harness/contrast.py" ink "$work/guess.ppm")
    [ "${pixels:-none}" != none ] && [ "$pixels" -gt $((40 * SCALE_PERCENT * SCALE_PERCENT / 10000)) ]
}

# The ink of the picture in client rectangle x,y,width,height ($1..$4) against the colour of
# the rectangle's edges: prints its width and height in screen pixels.
picture_extent() {
    grab_client "$@" "$work/picture.ppm"
    read -r left top right bottom _ < <(python3 "$harness/contrast.py" ink "$work/picture.ppm")
    echo $((right - left + 1)) $((bottom - top + 1))
}

# How far the About window's banner, seen inside its sunken box, is from the banner picture
# scaled once to the box's size in screen pixels: the root mean square of the difference, 0 for
# the same, 1 for opposites. A banner shrunk to the box's design size and then enlarged to the
# screen's is blurred: at 150% it lies 0.078 away, at 200% 0.097; one scaled once lies 0.022.
banner_error() {
    local width height
    width=$(scaled 125)
    height=$(scaled 69)
    grab_client 58 10 125 69 "$work/banner.ppm"
    convert "$BNG_SOURCE_DIR/media/banner.bmp" -resize "$(scaled 129)x$(scaled 73)!" \
        -crop "${width}x$height+0+0" +repage "$work/expected.ppm"
    compare -metric RMSE "$work/banner.ppm" "$work/expected.ppm" null: 2>&1 |
        sed -n 's/.*(\(.*\))/\1/p'
}

mkdir "$work/play"
cd "$work/play"
STDERR_FILE=$work/stderr
open_game
# Desktops match the window to the desktop entry: on Wayland by the entry's name, on X11 by the
# class the entry names.
entry=$(ls "$BNG_BUILD_DIR"/dist/*.desktop)
if [ "$DESKTOP" = wayland ]; then
    app_id=$(basename "$entry" .desktop)
else
    app_id=$(sed -n 's/^StartupWMClass=//p' "$entry")
fi
[ "$(window_app_id "$window")" = "$app_id" ] ||
    fail "the main window's id is '$(window_app_id "$window")', not '$app_id'"
window_geometry "$window"
[ $((WINDOW_WIDTH - $(scaled 323))) -ge -1 ] && [ $((WINDOW_WIDTH - $(scaled 323))) -le 1 ] ||
    fail "the main window is $WINDOW_WIDTH pixels wide, not $(scaled 323)"
menu_bar=$((WINDOW_HEIGHT - $(scaled 162)))
[ "$menu_bar" -ge $(scaled 12) ] && [ "$menu_bar" -le $(scaled 40) ] ||
    fail "the main window is $WINDOW_HEIGHT pixels high, leaving $menu_bar for its menu bar"
[ -z "$SCHEME_WINDOW_COLOUR" ] || [ "$(client_pixel 160 80)" = "$SCHEME_WINDOW_COLOUR" ] ||
    fail "the window is not in the desktop's colour scheme"
picture "$window" start

choose_standard_game
expect_whole "Enter Upper limit for guess" 8 8 153 17 0
expect_whole "Enter Lower limit for guess" 8 32 153 17 0
expect_whole "Enter Numbers to Guess Between then press GO!" "${message_area[@]}" 1 2
expect_whole "Guesses" 16 120 41 17 0
expect_whole "the count 0" "${count_area[@]}" 1
# Limits 5 and 5 leave one possible secret.
type_limits 5 5
expect_whole "GO!" "${go_area[@]}" 3
changes_message click_at 276 28 || fail "GO! did not start the game"
expect_whole "I've got the number! What's your guess?" "${message_area[@]}" 1 2
measure_contrast "the typed upper limit" 168 8 65 19 3
measure_contrast "the typed lower limit" 168 32 65 19 3
measure_contrast "Enter Upper limit for guess" 8 8 153 17 0
measure_contrast "Enter Lower limit for guess" 8 32 153 17 0
measure_contrast "the message" "${message_area[@]}" 1
face_start=$(region_print "${face_area[@]}")
# The face is its 32-pixel icon stretched to 49 design pixels square, at the desktop's scale.
start_face=$(media_file start face) || fail "media/media.txt does not name the start's face"
icon_width=$(identify -format '%@' "$BNG_SOURCE_DIR/media/$start_face[0]" | cut -dx -f1)
read -r face_width _ < <(picture_extent "${face_area[@]}")
expected_face=$(scaled $((49 * icon_width / 32)))
[ $((face_width - expected_face)) -ge -2 ] && [ $((face_width - expected_face)) -le 2 ] ||
    fail "the face is $face_width pixels wide, not $expected_face: it did not grow with the window"

guesses 3
face_higher=$(region_print "${face_area[@]}")
[ "$face_higher" != "$face_start" ] || fail "the face did not change for a guess"
expect_whole "My number is higher." "${message_area[@]}" 1 1
guesses 7
expect_whole "My number is lower." "${message_area[@]}" 1 1
expect_whole "the count 2" "${count_area[@]}" 1
face_lower=$(region_print "${face_area[@]}")
message_lower=$(region_print "${message_area[@]}")
count_2=$(region_print "${count_area[@]}")
picture "$window" playing
question_shown && fail "the question showed before the right guess"
guesses 5
wait_question || fail "the right guess did not ask to play again"
expect_whole "You got my number!" "${message_area[@]}" 1 1
expect_whole "Do you want to play again?" 112 120 137 17 0 - rtb
expect_whole "Yes!" 112 136 65 17 2
expect_whole "No." 184 136 65 17 2
measure_contrast "Do you want to play again?" 112 120 137 17 1
measure_contrast "the count" "${count_area[@]}" 1
picture "$window" won

click_yes

# The Help and About windows open on their own and stay open through the next game.
help=$(open_info_window "$window" 1 "$(w Help)") || fail "the Help window did not open"
focus_window "$help"
find_client "$help" 427
help_printed() { [ "$(python3 "$harness/contrast.py" ink <(grab_client 0 0 446 427 -))" != none ]; }
wait_until help_printed || fail "the Help window shows no text"
measure_contrast "the Help text" 0 0 446 427 0
picture "$help" help
expect_size "$help" 446 427 Help
about=$(open_info_window "$window" 3 "$(w About)") || fail "the About window did not open"
# A new window may be placed and painted a moment after it is first seen.
banner_shown() {
    find_client "$about" 205
    banner_error=$(banner_error)
    python3 -c "import sys; sys.exit(float(sys.argv[1]) > 0.04)" "$banner_error"
}
wait_until banner_shown ||
    fail "the About window's banner is not its picture, sharp at the desktop's scale (error $banner_error)"
picture "$about" about
expect_size "$about" 255 205 About
[ "$help" != "$about" ] && window_shown "$help" || fail "the About window took the Help window's place"

# The second game, from the keyboard: Tab moves from the upper to the lower limit and Enter
# presses the default button GO!. One click into the guess box submits a guess; a double click
# submits only one, judged on the number typed.
focus_window "$window"
find_client "$window" 162
choose_standard_game
click_at 200 17
type_text 9
key Tab
type_text 9
changes_message key Return || fail "Enter in the lower limit box did not press GO!"
submit_guess 1 click_at 280 136 || fail "a click into the guess box did not submit the guess"
count_before=$(region_print "${count_area[@]}")
type_text 12
wait_until guess_typed || fail "the typed guess does not show"
measure_contrast "the typed guess" 248 120 65 33 3
double_click_at 280 136
wait_region_change "${count_area[@]}" "$count_before" ||
    fail "a double click into the guess box did not submit the guess"
[ "$(region_print "${count_area[@]}")" = "$count_2" ] ||
    fail "a double click into the guess box did not count exactly one guess"
[ "$(region_print "${face_area[@]}")" = "$face_lower" ] &&
    [ "$(region_print "${message_area[@]}")" = "$message_lower" ] ||
    fail "a double click did not judge the typed 12 as above the secret"
guesses 9
wait_question || fail "the second game was not won"
window_shown "$help" && window_shown "$about" || fail "an information window closed by itself"

click_no
wait_gone "$help" && wait_gone "$about" || fail "No. left an information window open"
game_lines | grep -q 'cannot' && { cat "$STDERR_FILE" >&2; fail "media were not found from an unrelated folder"; }
[ ${#faults[@]} -eq 0 ] || fail "on $DESKTOP: $(printf '%s; ' "${faults[@]}")"
echo "played two games on $DESKTOP and ended with No."

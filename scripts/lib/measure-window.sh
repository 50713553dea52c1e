# Sourced by scripts/check-scaling and scripts/windows-wine: measures a
# screenshot of the main window taken with a decoder type chosen.

# Width, height, x and y of the smallest box around the pixels of the colour
# given, within the part of the picture given as width, height, x and y.
box_of_colour() {
    convert "$1" -crop "$3x$4+$5+$6" +repage -alpha off -fill black +opaque "$2" -format '%@' info: | tr 'x+' '  '
}

# Prints the window's width and height, then its pure blue CV row's. Fails
# unless the value row shows whole below the CV row: its first cell, light
# grey, right under the CV row and as high.
measure_window() {
    local picture=$1 what=$2 width height
    read -r width height < <(identify -format '%w %h' "$picture")
    local cv_width cv_height cv_x cv_y
    read -r cv_width cv_height cv_x cv_y < <(box_of_colour "$picture" '#0000FF' "$width" "$height" 0 0)
    [ "$cv_width" -gt 0 ] || fail "$what: no blue CV row, no grid shown"
    local column=$((cv_width / 14)) below=$((cv_y + cv_height))
    local value_width value_height value_x value_y
    read -r value_width value_height value_x value_y < <(
        box_of_colour "$picture" '#C0C0C0' $((column - 2)) $((height - below)) $((cv_x + 1)) "$below")
    [ "$value_width" -gt 0 ] || fail "$what: no value row below the CV row"
    [ "$value_y" -le 4 ] && [ $((value_height - cv_height)) -ge -2 ] && [ $((value_height - cv_height)) -le 2 ] ||
        fail "$what: the value row is cut off: $value_height px high, $value_y px below the CV row" \
            "($cv_height px high)"
    echo "$width $height $cv_width $cv_height"
}

# Fails unless each of the measures given second (as measure_window prints
# them) is the factor times the one given first, give or take 3 pixels.
check_scaled() {
    local what=$1 factor=$2 names=(window\ width window\ height CV\ row\ width CV\ row\ height)
    local -a base measured
    read -r -a base <<<"$3"
    read -r -a measured <<<"$4"
    local k expected
    for k in 0 1 2 3; do
        expected=$(awk -v f="$factor" -v b="${base[k]}" 'BEGIN { printf "%d", f * b + 0.5 }')
        [ $((measured[k] - expected)) -ge -3 ] && [ $((measured[k] - expected)) -le 3 ] ||
            fail "$what: ${names[k]} ${measured[k]} px, expected $expected ($factor x ${base[k]})"
    done
}

# Measures the window in the picture given, taken at 96 dpi; then, for 144 and
# 192 dpi, has the command given photograph it (arguments: the dpi and the
# picture to write) and checks that it grew by that scale.
check_display_scales() {
    local base_picture=$1 photograph=$2 base dpi factor measures
    base=$(measure_window "$base_picture" "at 96 dpi")
    echo "    96 dpi: $(describe_measures "$base"), the value row whole below it"
    for dpi in 144 192; do
        "$photograph" "$dpi" "${base_picture%/*}/$dpi-dpi.png"
        factor=$(awk -v d="$dpi" 'BEGIN { print d / 96 }')
        measures=$(measure_window "${base_picture%/*}/$dpi-dpi.png" "at $dpi dpi")
        check_scaled "at $dpi dpi" "$factor" "$base" "$measures"
        echo "    $dpi dpi: $(describe_measures "$measures") (${factor}x), the value row whole below it"
    done
}

# Describes measures as measure_window prints them.
describe_measures() {
    local m
    read -r -a m <<<"$1"
    echo "window ${m[0]}x${m[1]}, CV row ${m[2]}x${m[3]}"
}

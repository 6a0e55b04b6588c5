#!/bin/sh
# Photos for the orientation tests: one upright 64 x 32 picture of four coloured quarters (red,
# green / blue, yellow), stored in each of the eight EXIF orientations. The stored pixels are
# the upright picture turned the opposite way, so every file shows the same upright picture once
# its orientation is applied. "tagged-as-stored.jpg" is stored upright but tagged 6 (a quarter
# clockwise); the tests damage its EXIF segment and expect it as stored.
# Usage: make-orientation-pictures.sh FOLDER
set -eu
out=$1
mkdir -p "$out"
convert -size 32x16 xc:red xc:lime +append \( -size 32x16 xc:blue xc:yellow +append \) -append \
    "$out/upright.png"

# orientation, the turn that stores the upright picture in it, byte order of the EXIF data
for entry in "1::II" "2:-flop:MM" "3:-rotate 180:II" "4:-flip:MM" "5:-transpose:II" "6:-rotate 270:MM" \
             "7:-transverse:II" "8:-rotate 90:MM"; do
    orientation=${entry%%:*}
    rest=${entry#*:}
    turn=${rest%:*}
    order=${rest##*:}
    # shellcheck disable=SC2086 # the turn is an option and its argument
    convert "$out/upright.png" $turn -quality 95 "$out/orientation-$orientation.jpg"
    exiftool -q -n -ExifByteOrder="$order" -Orientation="$orientation" -overwrite_original \
        "$out/orientation-$orientation.jpg"
done

convert "$out/upright.png" -quality 95 "$out/tagged-as-stored.jpg"
exiftool -q -n -Orientation=6 -overwrite_original "$out/tagged-as-stored.jpg"
rm "$out/upright.png"

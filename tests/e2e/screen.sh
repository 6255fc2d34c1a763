# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Reads pixels from screenshots with ImageMagick. Sourced by the end-to-end tests.

# pixels IMAGE X Y W H: one "x y r g b" line (8-bit values) for each pixel of the
# rectangle W x H at (X, Y), with x and y counted in the whole image.
pixels() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 -compress none ppm:- |
        awk -v left="$2" -v top="$3" '
            BEGIN { RS = "[ \t\n]+" }       # one number a record: "P3", width, height, 255, then r g b ...
            NR == 2 { width = $1 }
            NR <= 4 { next }
            (NR - 5) % 3 == 0 { r = $1; next }
            (NR - 5) % 3 == 1 { g = $1; next }
            {
                pixel = (NR - 7) / 3
                print left + pixel % width, top + int(pixel / width), r, g, $1
            }'
}

# region IMAGE X Y W H CONDITION: "count left right top bottom" of the pixels of the
# rectangle that meet CONDITION, an awk expression over r, g, b, x and y ("0 -1 -1 -1 -1"
# when none do).
region() {
    pixels "$1" "$2" "$3" "$4" "$5" | awk '
        { x = $1; y = $2; r = $3; g = $4; b = $5 }
        '"$6"' {
            if (!n++) { left = right = x; top = bottom = y }
            if (x < left) left = x
            if (x > right) right = x
            if (y < top) top = y
            if (y > bottom) bottom = y
        }
        END { if (n) print n, left, right, top, bottom; else print 0, -1, -1, -1, -1 }'
}

# count IMAGE X Y W H CONDITION: how many pixels of the rectangle meet CONDITION.
count() {
    region "$@" | cut -d' ' -f1
}

# colour IMAGE X Y: "r g b" of one pixel.
colour() {
    pixels "$1" "$2" "$3" 1 1 | cut -d' ' -f3-
}

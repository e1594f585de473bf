#!/bin/sh
# Makes the built-in background pictures of the prompter (resources/scroll/backgrounds): dark, calm
# gradients under white script text, one for each animated kind's still and a neutral one for when no
# other picture can be had. Needs ImageMagick's convert; run again only to change the pictures.
set -e
out="$(dirname "$0")/../resources/scroll/backgrounds"
mkdir -p "$out"
size=640x360
make() { convert -size "$size" "$1" -blur 0x8 -quality 82 -strip "$out/$2"; }
make 'gradient:#06140b-#0b2a17' "Falling Characters Background.jpg"
make 'radial-gradient:#12224a-#03050d' "Stars Background.jpg"
make 'gradient:#1e1628-#0a0810' "Movie Background.jpg"
make 'gradient:#0a2328-#050d10' "Live Video Background.jpg"
make 'radial-gradient:#3a1838-#0d060d' "Mandala Background.jpg"
make 'gradient:#2a2a2c-#141416' "Plain Background.jpg"

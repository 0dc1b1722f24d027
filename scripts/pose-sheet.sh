#!/usr/bin/env bash
# Renders the pose sheet (docs/pose-sheet.png) and the typing animation
# (docs/typing.gif) with the snapshot tool of a Windows build, under Wine.
# Usage: scripts/pose-sheet.sh [BUILD_DIR]   (default build/windows; build it first)
# Needs ImageMagick (montage, convert).
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
root=$(readlink -f "$here/..")
build=$(readlink -f "${1:-$root/build/windows}")
tool="$build/tools/snapshot/mewlark-snapshot.exe"
[ -f "$tool" ] || { echo "no snapshot tool at $tool: build the Windows preset first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. "$here/wine-env.sh"
mewlark_wine_start "${MEWLARK_WINE_PREFIX:-$root/build/wineprefix}"
export MEWLARK_WINE_READY=1
# The stop steps may fail harmlessly (a process already gone); they must all run.
trap 'set +e; mewlark_wine_stop; rm -rf "$work"' EXIT

snap() { "$here/wine-run.sh" "$tool" "$@" 2>/dev/null; }
win() { winepath -w "$1"; }

# Stroking the head back and forth, as a hand would.
stroke="move 160 120; move 205 120; move 160 122; move 205 124; move 160 120; move 205 122"
# Typing fast enough to anger the cat: 10 keys a second for 8 s.
fast=""
for _ in $(seq 40); do fast+="press J; wait 0.03; release J; wait 0.03; press F; wait 0.03; release F; wait 0.03;"; done
# Shaking the cursor hard for 11 s makes the cat dizzy.
shake=""
for _ in $(seq 42); do shake+="move 20 300; move 340 300;"; done

poses=(
  "seated|"
  "typing, both paws|press F; press J; wait 0.12"
  "foot trick|press A; press J; press L; wait 0.4"
  "tail trick|press A; press S; press J; press L; wait 0.6"
  "asleep|wait 110"
  "yawning|wait 43.2"
  "purring|$stroke; wait 0.2"
  "angry|$fast"
  "dizzy|$shake; wait 1.2"
  "carried|grab; drag 14 -4; drag 14 -4; drag 10 -2; wait 0.35; drag 3 0"
)
i=0
args=()
for pose in "${poses[@]}"; do
  label=${pose%%|*}
  script=${pose#*|}
  file="$work/pose_$i.png"
  snap --out "$(win "$file")" --script "$script"
  args+=(-label "$label" "$file")
  i=$((i + 1))
done
coats=("Classic Black" "Siamese" "Silver Tabby" "Orange & White" "Dazed Cat" "Tabby")
for coat in 0 1 2 3 4 5; do
  file="$work/coat_$coat.png"
  snap --out "$(win "$file")" --coat "$coat"
  args+=(-label "${coats[$coat]}" "$file")
done
mkdir -p "$root/docs"
montage -background '#8fa9b8' -fill '#1d2530' -font DejaVu-Sans -pointsize 16 "${args[@]}" \
  -tile 4x -geometry 360x320+6+6 "$root/docs/pose-sheet.png"

# The animation: two seconds of typing at 15 frames a second, half size.
typing=""
for k in F J D K S L F J R U G H; do typing+="press $k; wait 0.09; release $k; wait 0.04;"; done
snap --scale 0.75 --frames "$(win "$work/frames")" --fps 15 --script "wait 0.2; $typing wait 0.4"
convert -dispose background -delay 7 -loop 0 "$work"/frames/frame_*.png \
  -background '#8fa9b8' -alpha remove -layers Optimize -colors 96 "$root/docs/typing.gif"
ls -l "$root/docs/pose-sheet.png" "$root/docs/typing.gif"

#!/bin/sh
# Renders every PNG under resources/image/ from the hand-written SVG sources
# in resources/icons-src/.  The PNGs are committed, so building the program
# does not need this script; run it after editing an SVG and commit both.
#
# Needs: rsvg-convert (Debian package librsvg2-bin).
# Optional: ImageMagick (montage/convert) for --sheet.
#
# Usage: resources/render-icons.sh [--sheet DIR]
#   --sheet DIR   also write contact sheets (icons on white and on the
#                 tool-panel blue, at display size and at 2x) into DIR.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
src="$here/icons-src"
out="$here/image"

INK='#2b3a4a'      # glyph colour on light backgrounds
ACCENT='#00a7f6'   # accent colour; also the tile of the _Select variants

sheet_dir=
if [ "${1-}" = "--sheet" ]; then
    sheet_dir=${2:?--sheet needs a directory}
fi

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-icons.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}

# _Select rule: the same glyph, drawn white on a rounded accent-blue tile.
# Every glyph source keeps its <svg> element on line 1 and uses only INK and
# ACCENT for glyph colours, so the variant is made mechanically from it.
selected() {
    sed -e "s/$INK/#ffffff/g" -e "s/$ACCENT/#ffffff/g" "$1" |
    sed -e "1a\\
  <rect width=\"64\" height=\"64\" rx=\"14\" fill=\"$ACCENT\"/>"
}

render() {  # render SOURCE TARGET WIDTHxHEIGHT VARIANT
    s="$src/$1"; t="$out/$2"; w=${3%x*}; h=${3#*x}
    [ -f "$s" ] || { echo "render-icons.sh: missing source $s" >&2; exit 1; }
    mkdir -p "$(dirname "$t")"
    case $4 in
        plain)  rsvg-convert -w "$w" -h "$h" -o "$t" "$s" ;;
        select) selected "$s" | rsvg-convert -w "$w" -h "$h" -o "$t" ;;
        *) echo "render-icons.sh: unknown variant $4" >&2; exit 1 ;;
    esac
    echo "$2"
}

# One SVG per glyph; a glyph may be rendered under several names.
# source (icons-src/)            target (image/)                     size     variant
while read -r s t size variant; do
    case $s in ''|'#'*) continue ;; esac
    render "$s" "$t" "$size" "$variant"
done <<'TABLE'
# --- main tool bar: Chinese names (used by the form) ---
icon/拍照.svg                    icon/拍照.png                       64x64    plain
icon/拍照.svg                    icon/拍照_Select.png                64x64    select
icon/录像.svg                    icon/录像.png                       64x64    plain
icon/录像.svg                    icon/录像_Select.png                64x64    select
icon/定时拍摄.svg                icon/定时拍摄.png                   64x64    plain
icon/定时拍摄.svg                icon/定时拍摄_Select.png            64x64    select
icon/全屏.svg                    icon/全屏.png                       64x64    plain
icon/全屏.svg                    icon/全屏_Select.png                64x64    select
icon/四分屏.svg                  icon/四分屏.png                     64x64    plain
icon/四分屏.svg                  icon/四分屏_Select.png              64x64    select
icon/设置.svg                    icon/设置.png                       64x64    plain
icon/设置.svg                    icon/设置_Select.png                64x64    select
icon/测量.svg                    icon/测量.png                       64x64    plain
icon/测量.svg                    icon/测量_Select.png                64x64    select
icon/文件.svg                    icon/文件.png                       64x64    plain
icon/文件.svg                    icon/文件_Select.png                64x64    select
# --- main tool bar: the same glyphs under the names used in code ---
icon/拍照.svg                    icon/btnCapture.png                 64x64    plain
icon/拍照.svg                    icon/btnCapture_Select.png          64x64    select
icon/录像.svg                    icon/btnRecord.png                  64x64    plain
icon/录像.svg                    icon/btnRecord_Select.png           64x64    select
icon/btnRecord_Playing.svg       icon/btnRecord_Playing.png          64x64    plain
icon/定时拍摄.svg                icon/btnTimeSetting.png             64x64    plain
icon/定时拍摄.svg                icon/btnTimeSetting_Select.png      64x64    select
icon/全屏.svg                    icon/btnFullScreen.png              64x64    plain
icon/全屏.svg                    icon/btnFullScreen_Select.png       64x64    select
icon/四分屏.svg                  icon/btnScreenSwitch.png            64x64    plain
icon/四分屏.svg                  icon/btnScreenSwitch_Select.png     64x64    select
icon/设置.svg                    icon/btnSetting.png                 64x64    plain
icon/设置.svg                    icon/btnSetting_Select.png          64x64    select
icon/测量.svg                    icon/btnCalib.png                   64x64    plain
icon/测量.svg                    icon/btnCalib_Select.png            64x64    select
icon/文件.svg                    icon/btnOpenDir.png                 64x64    plain
icon/文件.svg                    icon/btnOpenDir_Select.png          64x64    select
# --- side panel and file browser ---
icon/btn_zoom.svg                icon/btn_zoom.png                   64x64    plain
icon/btnAdd.svg                  icon/btnAdd.png                     64x64    plain
icon/btnAdd.svg                  icon/btnAdd_Select.png              64x64    select
icon/btnBack.svg                 icon/btnBack.png                    64x64    plain
icon/btnBack.svg                 icon/btnBack_Select.png             64x64    select
icon/btnSearch.svg               icon/btnSearch.png                  64x64    plain
icon/iconFolder.svg              icon/iconFolder.png                 160x120  plain
icon/switch_on.svg               icon/switch_on.png                  48x24    plain
icon/switch_off.svg              icon/switch_off.png                 48x24    plain
icon/arrow_on.svg                icon/arrow_on.png                   16x16    plain
icon/arrow_off.svg               icon/arrow_off.png                  16x16    plain
icon/arrow_off.svg               icon/箭头_关.png                    16x16    plain
# --- measurement tools: white line art for the blue tool panel ---
测量工具/测量工具-1.svg          测量工具/测量工具-1.png             64x64    plain
测量工具/测量工具-2.svg          测量工具/测量工具-2.png             64x64    plain
测量工具/测量工具-3.svg          测量工具/测量工具-3.png             64x64    plain
测量工具/测量工具-4.svg          测量工具/测量工具-4.png             64x64    plain
测量工具/测量工具-5.svg          测量工具/测量工具-5.png             64x64    plain
测量工具/测量工具-6.svg          测量工具/测量工具-6.png             64x64    plain
测量工具/测量工具-7.svg          测量工具/测量工具-7.png             64x64    plain
测量工具/测量工具-8.svg          测量工具/测量工具-8.png             64x64    plain
测量工具/测量工具-9.svg          测量工具/测量工具-9.png             64x64    plain
测量工具/测量工具-10.svg         测量工具/测量工具-10.png            64x64    plain
测量工具/测量工具-11.svg         测量工具/测量工具-11.png            64x64    plain
测量工具/测量工具-12.svg         测量工具/测量工具-12.png            64x64    plain
测量工具/测量工具-13.svg         测量工具/测量工具-13.png            64x64    plain
测量工具/测量工具-14.svg         测量工具/测量工具-14.png            64x64    plain
测量工具/测量工具-15.svg         测量工具/测量工具-15.png            64x64    plain
测量工具/测量工具-16.svg         测量工具/测量工具-16.png            64x64    plain
测量工具/测量工具-17.svg         测量工具/测量工具-17.png            64x64    plain
测量工具/测量工具-18.svg         测量工具/测量工具-18.png            64x64    plain
测量工具/测量工具-19.svg         测量工具/测量工具-19.png            64x64    plain
测量工具/测量工具-20.svg         测量工具/测量工具-20.png            64x64    plain
测量工具/undo.svg                测量工具/undo.png                   64x64    plain
测量工具/redo.svg                测量工具/redo.png                   64x64    plain
# --- application ---
logo.svg                         logo.png                            256x256  plain
splash.svg                       splash.png                          640x360  plain
TABLE

[ -n "$sheet_dir" ] || exit 0

# Contact sheets for checking the family by eye.
command -v montage >/dev/null 2>&1 || { echo "render-icons.sh: montage not found, no sheets" >&2; exit 0; }
mkdir -p "$sheet_dir"
sheet_dir=$(cd "$sheet_dir" && pwd)
sheet() {  # sheet NAME BACKGROUND TILE FILES...
    name=$1 bg=$2 tile=$3; shift 3
    montage "$@" -background "$bg" -resize "${tile}x${tile}" -geometry "${tile}x${tile}+10+10" \
            -tile 10x "$sheet_dir/$name.png"
    echo "sheet: $sheet_dir/$name.png"
}
cd "$out/icon"
set -- 拍照.png 拍照_Select.png 录像.png 录像_Select.png btnRecord_Playing.png \
       定时拍摄.png 定时拍摄_Select.png 全屏.png 全屏_Select.png 四分屏.png 四分屏_Select.png \
       设置.png 设置_Select.png 测量.png 测量_Select.png 文件.png 文件_Select.png \
       btn_zoom.png btnSearch.png btnAdd.png btnAdd_Select.png btnBack.png btnBack_Select.png
sheet toolbar-35-white white 35 "$@"
sheet toolbar-70-white white 70 "$@"
sheet toolbar-35-blue 'rgb(0,167,246)' 35 "$@"
sheet toolbar-70-blue 'rgb(0,167,246)' 70 "$@"
cd "$out/测量工具"
set -- $(for i in $(seq 1 20); do echo 测量工具-$i.png; done) undo.png redo.png
sheet tools-32-blue 'rgb(0,167,246)' 32 "$@"
sheet tools-64-blue 'rgb(0,167,246)' 64 "$@"
sheet tools-32-green 'rgb(22,109,0)' 32 "$@"

# Sourced by run.sh and test.sh: prepare_wine_prefix makes the Wine prefix that WINEPREFIX names, and
# gives it Wine's own fonts.
#
# Debian's fonts-wine installs them in /usr/share/wine/fonts, where this Wine does not look, so a new
# prefix has none: the caption buttons, which Wine draws with Marlett, then show letters (an "r" for the
# close box), and "MS Sans Serif" falls back to another face of other widths. In the prefix's own
# Fonts folder, as on Windows, every Wine program finds them.
wine_fonts=/usr/share/wine/fonts

prepare_wine_prefix() {
  wineboot --init >/dev/null 2>&1 || true
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [[ -d $wine_fonts ]] || { echo "Wine's fonts are missing ($wine_fonts): install fonts-wine" >&2; return 1; }
  mkdir -p "$fonts"
  # Never replaces a font that is there already, such as one the user put in.
  local font
  for font in "$wine_fonts"/*; do
    [[ -e $fonts/${font##*/} ]] || cp "$font" "$fonts/"
  done
}

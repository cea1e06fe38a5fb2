# Makes the Wine prefix look as a Chinese Windows does to a program, for the scripts that
# run the Windows programs under Wine; source it after scripts/wine-common.sh.
#   wine_chinese_prefix WORK [LOGPIXELS]
# The faces a Chinese system has (宋体/SimSun, 新宋体/NSimSun, 微软雅黑/Microsoft YaHei,
# and the dialog font, which such a system draws in SimSun) are drawn with the CJK font
# the test packages install, through Wine's font replacements; without them Wine falls
# back to a monospaced face with wider glyphs and the captions are cut. LOGPIXELS (96 by
# default; 144 and 192 are the display scales 1.5 and 2) is the display's dpi.
# shellcheck shell=bash

# The first installed CJK face fontconfig knows, by family name; empty when none is.
wine_cjk_family() {
  local families
  families=$(fc-list : family 2>/dev/null || true)
  for family in 'WenQuanYi Micro Hei' 'Noto Sans CJK SC' 'Noto Serif CJK SC' 'AR PL UMing CN'; do
    if grep -q -F "$family" <<<"$families"; then
      echo "$family"
      return
    fi
  done
}

wine_chinese_prefix() {
  local work=$1 dpi=${2:-96} family
  family=$(wine_cjk_family)
  [ -n "$family" ] || { echo "wine_chinese_prefix: no CJK font installed (fonts-wqy-microhei)" >&2; return 1; }
  # A .reg file in UTF-16 keeps the Chinese names whatever the Unix locale is.
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in SimSun NSimSun 宋体 新宋体 'Microsoft YaHei' 微软雅黑; do
      printf '"%s"="%s"\r\n' "$face" "$family"
    done
    printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"MS Shell Dlg"="SimSun"\r\n"MS Shell Dlg 2"="SimSun"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n' "$dpi"
    printf '\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\r\n'
    printf '"LogPixels"=dword:%08x\r\n' "$dpi"
  } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$work/chinese.reg"
  local file="Z:${work//\//\\}\\chinese.reg"
  timeout 120 "$wine" regedit /S "$file" >"$work/regedit.log" 2>&1 || return 1
  timeout 120 "$wineserver" -w || true
}

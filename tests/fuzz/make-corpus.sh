#!/usr/bin/env bash
# Makes the seed corpora from real tools (ImageMagick, mingw-w64) and small hand-written texts.
# The corpora are committed; run this again only to renew them. Fuzzing finds its own way from
# these seeds, so they are small and each shows one shape of the format.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
c=$here/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
im=/usr/bin/convert
mkdir -p "$c"/{gif,lzw,jpeg,bmp,icon,pe,ftp,registry,resultlist,text}

$im -size 8x8 xc:red "$c/gif/red-8x8.gif"
$im -size 16x12 gradient:blue-yellow -colors 16 -interlace GIF "$c/gif/interlaced.gif"
$im -size 10x10 xc:none -fill green -draw 'circle 5,5 5,1' \( -size 10x10 xc:none -fill blue -draw 'rectangle 2,2 7,7' \) \
    -set dispose Background -delay 10 -loop 0 "$c/gif/animated-transparent.gif"

# An LZW stream: code size, width, height and interlace bytes, then the first image's data.
python3 - "$c/gif/interlaced.gif" "$c/lzw/interlaced" <<'PY'
import sys
b = open(sys.argv[1], 'rb').read()
pos = 13 + (3 << ((b[10] & 7) + 1) if b[10] & 0x80 else 0)
while b[pos] == 0x21:  # extensions
    pos += 2
    while b[pos]: pos += b[pos] + 1
    pos += 1
assert b[pos] == 0x2C
flags = b[pos + 9]
pos += 10 + ((3 << ((flags & 7) + 1)) if flags & 0x80 else 0)
code_size = b[pos]; pos += 1
data = b''
while b[pos]:
    data += b[pos + 1:pos + 1 + b[pos]]; pos += b[pos] + 1
w = b[6] | b[7] << 8; h = b[8] | b[9] << 8
open(sys.argv[2], 'wb').write(bytes([code_size - 2, w - 1, h - 1, (flags >> 6) & 1]) + data)
PY

$im -size 16x16 plasma:fractal -quality 50 "$c/jpeg/plasma.jpg"
$im -size 8x8 gradient:white-black -colorspace Gray -quality 70 "$c/jpeg/gray.jpg"
$im -size 16x8 plasma:fractal -interlace JPEG "$c/jpeg/progressive.jpg"

$im -size 9x7 plasma:fractal -type TrueColor BMP3:"$c/bmp/rgb24.bmp"
$im -size 9x7 plasma:fractal -colors 16 -type Palette BMP3:"$c/bmp/pal8.bmp"
$im -size 9x7 pattern:checkerboard -monochrome BMP3:"$c/bmp/mono.bmp"
$im -size 5x5 xc:'rgba(10,20,30,0.5)' -define bmp:format=bmp4 "$c/bmp/rgba32.bmp"

# Icon files: several sizes and depths in one, a 16-colour one, a 256 pixel one in PNG, a cursor.
$im -size 32x32 xc:none -fill red -draw 'circle 16,16 16,4' -define icon:auto-resize=32,16 "$c/icon/sizes-alpha.ico"
$im -size 16x16 gradient:blue-yellow -colors 16 -type Palette BMP3:"$work/pal16.bmp"
$im "$work/pal16.bmp" "$c/icon/pal16.ico"
$im -size 256x256 xc:teal -define icon:auto-resize=256 "$c/icon/png256.ico"
# ImageMagick writes cursors as icons: the cursor type and a hot spot (1,1) in the planes and bit
# count words make it one.
$im -size 32x32 xc:none -fill black -draw 'polygon 0,0 0,20 12,12' ICO:"$work/arrow.ico"
python3 - "$work/arrow.ico" "$c/icon/arrow.cur" <<'PY'
import struct, sys
b = bytearray(open(sys.argv[1], 'rb').read())
struct.pack_into('<H', b, 2, 2)
struct.pack_into('<HH', b, 10, 1, 1)
open(sys.argv[2], 'wb').write(b)
PY

# A small DLL with an icon, a cursor, a bitmap, a string table, a menu and raw data.
$im -size 16x16 xc:orange -colors 16 "$work/i16.bmp"
$im "$work/i16.bmp" "$work/app.ico"
$im -size 6x4 xc:navy -type TrueColor BMP3:"$work/pic.bmp"
cat >"$work/res.rc" <<RC
1 ICON "$work/app.ico"
4 CURSOR "$c/icon/arrow.cur"
2 BITMAP "$work/pic.bmp"
3 MENU { POPUP "&Fichier" { MENUITEM "&Ouvrir", 101 MENUITEM SEPARATOR MENUITEM "&Quitter", 102 } }
STRINGTABLE { 1 "Bonjour" 2 "Au revoir" }
300 RCDATA { "data" }
RC
x86_64-w64-mingw32-windres "$work/res.rc" -O coff -o "$work/res.o"
echo 'int __stdcall DllMainCRTStartup(void *a, unsigned b, void *c) { (void)a; (void)b; (void)c; return 1; }' >"$work/dll.c"
x86_64-w64-mingw32-gcc -shared -nostdlib -s -o "$c/pe/small.dll" "$work/dll.c" "$work/res.o" -e DllMainCRTStartup

printf '  \r\n215 UNIX Type: L8\r\ndrwxr-xr-x   2 ftp  ftp      4096 Jan  1 12:00 pub\r\n-rw-r--r--   1 ftp  ftp    123456 Dec 31  2025 file name.txt\r\nlrwxrwxrwx   1 ftp  ftp         7 Jan  2 10:00 lien -> cible\r\n' >"$c/ftp/unix"
printf ' \r\n215 VMS MultiNet V4.4\r\nFILE.TXT;1          2/3      1-JAN-2026 12:00 [USER] (RWED,RWED,RE,)\r\nSUBDIR.DIR;1\r\n        1/3      2-FEB-2026 08:30 [USER] (RWE,RWE,RE,E)\r\n' >"$c/ftp/vms"
printf 'A\r\n230-Bienvenue\r\n230-deuxieme ligne\r\n230 Connecte\r\nPROFILE  EXEC     A1 V         80         12          1  1/02/26 10:20:30\r\n' >"$c/ftp/vm"

printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\KESTRALUNE\\VORLANE\\CHEMIN]\r\n"lecteur"="/"\r\n"repertoire"="/home/u"\r\n"n"=dword:0000002a\r\n"b"=hex:01,02,ff\r\n"e"=hex(2):25,00,00,00\r\n"m"=hex(7):61,00,00,00\r\n@="d\\"q\\\\"\r\n' >"$c/registry/regedit4.reg"
printf 'WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n[Software\\\\Wine\\\\Drives] 1700000000\n#time=1d9a2b3c4d5e6f7\n"c:"="hd"\n"x"=str(2):"%%SystemRoot%%\\\\x"\n"d"=dword:ffffffff\n"h"=hex(7):61,00,00,00,00,00\n"\\x41"="\\u00e9"\n' >"$c/registry/wine.reg"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\A]\r\n"s"="v"\r\n' | iconv -f UTF-8 -t UTF-16 >"$c/registry/regedit5-utf16.reg"

printf '  /home/u/src/main.pas\r\n12 : BEGIN\r\n40 : END.\r\n\r\n  /home/u/src/unit1.pas\r\n3 : UNIT UNIT1;\r\n' >"$c/resultlist/list.lst"

printf 'caf\xc3\xa9 \xe2\x82\xac fin\n' >"$c/text/utf8"
printf 'caf\xe9 \x80 \x93quoted\x94 \x81\n' >"$c/text/cp1252"
printf '\xef\xbb\xbfBOM \xf0\x9f\x98\x80 \xed\xa0\x80 \xc3\n' >"$c/text/mixed"

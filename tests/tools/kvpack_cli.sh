#!/usr/bin/env bash
# kvpack as course authors call it: a course folder with Cyrillic names goes
# through create, list, cat and extract and comes back byte for byte.
set -euo pipefail
kvpack=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/course/Содержание/рисунки"
printf '[form]\r\ntype=form\r\n' > "$work/course/struct_main.txt"
printf '<p>\xcf\xf0\xe8\xe2\xe5\xf2</p>\r\n' > "$work/course/Содержание/тема 1.htm"
head -c 70000 /dev/urandom > "$work/course/Содержание/рисунки/схема.jpg"

"$kvpack" create "$work/interface.dat" "$work/course" --scramble '*.txt' --scramble 'содержание/*.htm'
"$kvpack" verify "$work/interface.dat" >/dev/null

listing=$("$kvpack" list "$work/interface.dat" | cut -f1,4)
expected=$'struct_main.txt\t1\nсодержание\\рисунки\\схема.jpg\t0\nсодержание\\тема 1.htm\t1'
[[ "$listing" == "$expected" ]] || { echo "unexpected listing:"; echo "$listing"; exit 1; }

"$kvpack" cat "$work/interface.dat" 'Содержание\Тема 1.HTM' | cmp - "$work/course/Содержание/тема 1.htm"

"$kvpack" extract "$work/interface.dat" "$work/out"
cmp "$work/out/struct_main.txt" "$work/course/struct_main.txt"
cmp "$work/out/содержание/тема 1.htm" "$work/course/Содержание/тема 1.htm"
cmp "$work/out/содержание/рисунки/схема.jpg" "$work/course/Содержание/рисунки/схема.jpg"

if "$kvpack" cat "$work/interface.dat" none.htm 2>"$work/err"; then
  echo "cat of a missing file succeeded"; exit 1
fi
[[ "$(cat "$work/err")" == $'Не найден файл \r\nnone.htm' ]] || { echo "unexpected message:"; cat "$work/err"; exit 1; }
echo "kvpack round trip: ok"

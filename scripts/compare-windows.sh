#!/usr/bin/env bash
# Holds quadrel.exe under wine to the Linux program: samples, the limits
# report and the drawing of both sample grid sets, made by each in a folder
# named "Géologie Ωmega" given on the command line, must be the same bytes
# (the reports' line ends aside: Windows ends printed lines with CR LF).
# Usage: compare-windows.sh LINUX_PROGRAM WINDOWS_PROGRAM.exe WORK_DIR
set -euo pipefail

linux=$(realpath "$1")
exe=$(realpath "$2")
work=$(realpath -m "$3")
wine_run=$(dirname "$(realpath "$0")")/wine-run.sh
prefix=$(dirname "$exe")/wine
folder='Géologie Ωmega'
export SOURCE_DATE_EPOCH=0

# Runs every command with the program given as the arguments, in WORK/SIDE.
run_commands() {
  local side=$1
  shift
  mkdir -p "$work/$side"
  cd "$work/$side"
  mkdir "$folder"
  "$@" samples --dir "$folder" >/dev/null
  for set in 1 2; do
    "$@" limits --grid "$folder/QDLGrid.SAM" --set "$set" | tr -d '\r' >"$folder/limits-$set.txt"
    "$@" dxf --grid "$folder/QDLGrid.SAM" --set "$set" --title "$folder/QDLTitle.SAM" \
      --title-set "$set" --output "$folder/sheet-$set.dxf" >/dev/null
  done
}

rm -rf "$work"
(run_commands linux "$linux")
(run_commands windows "$wine_run" "$prefix" "$exe")
files=$(cd "$work/linux/$folder" && ls)
for file in $files; do
  cmp "$work/linux/$folder/$file" "$work/windows/$folder/$file"
done
echo "quadrel.exe under wine wrote the same bytes as $linux:" $files

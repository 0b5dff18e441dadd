#!/usr/bin/env bash
# The main job of `make run`: the sample files, their limits, the drawing and a
# plot of it, a picture of the drawing as ezdxf reads it, and the window.
# Usage: run-demo.sh BUILD_DIR DEMO_DIR [PYTHON3]
set -euo pipefail
build=$1
demo=$2
# Debian's interpreter: python3-ezdxf is installed for it, not for one that
# may come first on PATH.
python=${3:-/usr/bin/python3}

mkdir -p "$demo"
run() {
  echo "$*"
  "$@"
}
run "$build/quadrel" samples --dir "$demo"
run "$build/quadrel" limits --grid "$demo/QDLGrid.SAM" --set 1
run "$build/quadrel" limits --grid "$demo/QDLGrid.SAM" --set 2
run "$build/quadrel" dxf --grid "$demo/QDLGrid.SAM" --title "$demo/QDLTitle.SAM" \
  --output "$demo/sample.dxf"
run "$build/quadrel" plot --grid "$demo/QDLGrid.SAM" --title "$demo/QDLTitle.SAM" \
  --output "$demo/sample.pdf"

if "$python" -c 'import matplotlib' 2>/dev/null; then
  if "$python" -m ezdxf draw -o "$demo/sample.png" "$demo/sample.dxf" >"$demo/sample.png.log" 2>&1; then
    rm -f "$demo/sample.png.log"
    echo "$demo/sample.png"
  else
    cat "$demo/sample.png.log"
    exit 1
  fi
else
  echo "note: matplotlib is missing ($python), so no $demo/sample.png"
fi

# With a display the window opens on the samples (status 1 after Create
# output is a normal end); without one, its screenshots are written.
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  "$build/quadrel" --grid "$demo/QDLGrid.SAM" --title "$demo/QDLTitle.SAM" || [[ $? -eq 1 ]]
else
  run "$build/quadrel" screenshots --grid "$demo/QDLGrid.SAM" --title "$demo/QDLTitle.SAM" \
    --dir "$demo"
fi

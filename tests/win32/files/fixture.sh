#!/usr/bin/env bash
# Prepares what the file tests cannot make from inside Wine, and removes it again:
#   locked.txt   a file nobody may write (as root Wine ignores read-only attributes and mode bits, so chattr +i)
#   small/       a 32 KB tmpfs mapped as drive T: of the private prefix, to fill the disk (root only);
#                full-disk-ready marks that it is mounted.
# Usage: fixture.sh setup|cleanup WORK_DIR
set -u
action=$1
work=$2
root=$(cd "$(dirname "$0")/../../.." && pwd)
. "$root/tools/wine-env.sh"
drive="$WINEPREFIX/dosdevices/t:"

cleanup() {
  if [ -e "$work/locked.txt" ]; then chattr -i "$work/locked.txt" 2>/dev/null; fi
  if [ -L "$drive" ] && [ "$(readlink "$drive")" = "$work/small" ]; then rm -f "$drive"; fi
  if mountpoint -q "$work/small" 2>/dev/null; then umount "$work/small" || return 1; fi
  rm -rf "$work"
}

case $action in
  cleanup)
    cleanup
    ;;
  setup)
    cleanup || exit 1
    mkdir -p "$work"
    printf 'locked' >"$work/locked.txt"
    chattr +i "$work/locked.txt" 2>/dev/null || chmod 444 "$work/locked.txt"
    if [ "$(id -u)" = 0 ]; then
      if [ -e "$drive" ] || [ -L "$drive" ]; then
        echo "fixture.sh: drive T: of $WINEPREFIX is already taken" >&2
        exit 1
      fi
      mkdir -p "$work/small"
      mount -t tmpfs -o size=32k tmpfs "$work/small" || exit 1
      velkor_init_prefix
      ln -s "$work/small" "$drive" || exit 1
      touch "$work/full-disk-ready"
    fi
    ;;
  *)
    echo "usage: fixture.sh setup|cleanup WORK_DIR" >&2
    exit 2
    ;;
esac

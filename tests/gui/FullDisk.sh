#!/usr/bin/env bash
# A real full disk and a real read-only disk under the atomic writer: a
# 64 KiB tmpfs in a private mount namespace, which disappears with this
# script. Skipped (status 77, with the reason) where no mount namespace or
# tmpfs can be had.
set -euo pipefail
probe=$1
if [[ ${ZENTROVA_IN_NAMESPACE:-} != 1 ]]; then
  if ! unshare --mount --propagation private true 2>/dev/null; then
    echo "[privileges] no mount namespace for a small tmpfs: skipped"
    exit 77
  fi
  ZENTROVA_IN_NAMESPACE=1 exec unshare --mount --propagation private "$0" "$@"
fi

disk=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null; rmdir "$disk"' EXIT
if ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  echo "[privileges] cannot mount a tmpfs: skipped"
  exit 77
fi
printf 'old design\n' > "$disk/d.zpfc"

expect() {  # expect WHAT REASON
  local said
  said=$("$probe" "$disk/d.zpfc")
  [[ $said == "$2" ]] || { echo "$1: the writer said '$said', expected '$2'"; exit 1; }
  [[ $(cat "$disk/d.zpfc") == 'old design' ]] || { echo "$1: the old file changed"; exit 1; }
  [[ $(ls -A "$disk") == d.zpfc ]] || { echo "$1: left behind: $(ls -A "$disk")"; exit 1; }
}
expect "full disk" "磁盘已满"
mount -o remount,ro "$disk"
expect "read-only disk" "没有写入权限"
echo "full and read-only disks leave the old file whole"

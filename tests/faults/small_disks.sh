#!/bin/sh
# Small folders for the fault tests: DIR/full, a 64 KiB tmpfs that the test fills, and DIR/readonly, a
# tmpfs holding the answers file ANSWERS ("previous" CR LF), mounted read-only. Mounting needs root in
# a container that permits it; otherwise DIR/unavailable.txt says why and the tests that need the
# folders skip with that reason.
# Usage: small_disks.sh mount|unmount DIR ANSWERS
set -u
action=$1 dir=$2 answers=${3:-}
unmount_all() {
    for m in full readonly; do
        if mountpoint -q "$dir/$m" 2>/dev/null; then umount "$dir/$m"; fi
    done
}
case $action in
mount)
    unmount_all
    mkdir -p "$dir/full" "$dir/readonly"
    rm -f "$dir/unavailable.txt"
    if ! out=$(mount -t tmpfs -o size=64k jorvo-full "$dir/full" 2>&1) ||
        ! out=$(mount -t tmpfs -o size=64k jorvo-readonly "$dir/readonly" 2>&1); then
        unmount_all
        printf 'no small tmpfs folders here (%s)' "$out" >"$dir/unavailable.txt"
        exit 0
    fi
    printf 'previous\r\n' >"$dir/readonly/$answers"
    mount -o remount,ro "$dir/readonly"
    ;;
unmount)
    unmount_all
    ;;
esac

#!/bin/sh
# Proves that the README's two commands work on a fresh Debian 12: makes a minimal root with
# debootstrap, copies the committed tree (HEAD) into it, and runs ./scripts/run.sh (headless: four
# OK lines expected) and ./scripts/test.sh inside it. With --package it also builds the Debian
# package there and installs, runs and removes it in a second, untouched root.
#
# Usage (as root, with debootstrap and access to a Debian mirror):
#   scripts/fresh-debian-check.sh [--package] [--package-only]
# Environment:
#   KELVARO_FRESH_DIR     where the roots are made (default: a new folder under /var/tmp)
#   KELVARO_FRESH_MIRROR  Debian mirror (default http://deb.debian.org/debian)
#   KELVARO_FRESH_CCACHE  a ccache folder to share with the build inside (speeds repeated checks;
#                         the cache cannot hide a missing package, a missing header still fails)
#   KELVARO_FRESH_KEEP=1  keep the roots afterwards
# Exit code: 0 passed, 1 failed, 2 bad usage, 77 this machine cannot make roots (no rights, no mirror).
set -eu
cd "$(dirname "$0")/.."
REPO=$(pwd)

RUN_README=1
PACKAGE=0
for arg in "$@"; do
    case "$arg" in
        --package) PACKAGE=1 ;;
        --package-only) PACKAGE=1; RUN_README=0 ;;
        *) echo "usage: $0 [--package] [--package-only]" >&2; exit 2 ;;
    esac
done

# Exit code 77: this machine cannot make a root (not root, or no right to mount).
[ "$(id -u)" -eq 0 ] || { echo "fresh-debian-check: needs root (debootstrap, chroot, mount)" >&2; exit 77; }
probe=$(mktemp -d)
if ! mount -t tmpfs probe "$probe" 2>/dev/null; then
    rmdir "$probe"
    echo "fresh-debian-check: this machine does not allow mounting, so no root can be made" >&2
    exit 77
fi
umount "$probe"
rmdir "$probe"
host_tools="debootstrap"
[ "$PACKAGE" = 1 ] && host_tools="$host_tools lintian"
for tool in $host_tools; do
    if ! command -v "$tool" >/dev/null; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$tool" >/dev/null
    fi
done

MIRROR=${KELVARO_FRESH_MIRROR:-http://deb.debian.org/debian}
WORK=${KELVARO_FRESH_DIR:-$(mktemp -d /var/tmp/kelvaro-fresh.XXXXXX)}
mkdir -p "$WORK"
BUILD_ROOT="$WORK/build-root"
CLEAN_ROOT="$WORK/clean-root"
# Inside the root the tree sits at the same depth below /work as worktrees do here, so that a
# shared ccache (base_dir /work) finds the same relative paths.
TREE=/work/kelvaro

step() { printf '\n=== %s (%s)\n' "$1" "$(date -u +%H:%M:%S)"; }

mounted=""
# mount_root ROOT [share-ccache]
mount_root() {
    root=$1
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
    mounted="$mounted $root"
    if [ -n "${KELVARO_FRESH_CCACHE:-}" ] && [ "${2:-}" = share-ccache ]; then
        mkdir -p "$root/ccache"
        mount --bind "$KELVARO_FRESH_CCACHE" "$root/ccache"
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}
unmount_all() {
    for root in $mounted; do
        for m in ccache dev sys proc; do
            # A process that just ended inside may still hold /dev for a moment.
            tries=0
            while mountpoint -q "$root/$m" 2>/dev/null && ! umount -R "$root/$m" 2>/dev/null; do
                tries=$((tries + 1))
                [ $tries -lt 10 ] || { umount -R -l "$root/$m"; break; }
                sleep 1
            done
        done
    done
    mounted=""
}
cleanup() {
    status=$?
    unmount_all || true
    if [ "${KELVARO_FRESH_KEEP:-0}" != 1 ] && [ -z "${KELVARO_FRESH_DIR:-}" ]; then
        # --one-file-system: never follow anything that is still mounted.
        rm -rf --one-file-system "$WORK"
    fi
    exit $status
}
trap cleanup EXIT INT TERM

# Runs a shell command inside a root as root, with a clean environment and no display.
in_root() {
    root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        ${KELVARO_FRESH_CCACHE:+CCACHE_DIR=/ccache CCACHE_BASEDIR=/work CCACHE_NOHASHDIR=1} \
        ${DEBEMAIL:+DEBEMAIL="$DEBEMAIL" DEBFULLNAME="${DEBFULLNAME:-}"} \
        /bin/sh -c "$*"
}

started=$(date +%s)
step "debootstrap bookworm (minbase) into $BUILD_ROOT"
# A root that cannot be made (mirror unreachable) says nothing about the project: 77, like no rights.
debootstrap --variant=minbase bookworm "$BUILD_ROOT" "$MIRROR" >"$WORK/debootstrap.log" 2>&1 ||
    { tail -20 "$WORK/debootstrap.log" >&2; exit 77; }
if [ "$PACKAGE" = 1 ]; then
    cp -a "$BUILD_ROOT" "$CLEAN_ROOT"
fi

step "copying HEAD of $REPO"
mkdir -p "$BUILD_ROOT$TREE"
git -C "$REPO" archive HEAD | tar -x -C "$BUILD_ROOT$TREE"
mount_root "$BUILD_ROOT" share-ccache

if [ "$RUN_README" = 1 ]; then
    step "./scripts/run.sh"
    in_root "$BUILD_ROOT" "cd $TREE && ./scripts/run.sh" | tee "$WORK/run.out"
    ok_lines=$(grep -c '^OK: ' "$WORK/run.out" || true)
    if [ "$ok_lines" -ne 4 ]; then
        echo "fresh-debian-check: run.sh printed $ok_lines OK lines, expected 4" >&2
        exit 1
    fi
    step "./scripts/test.sh"
    in_root "$BUILD_ROOT" "cd $TREE && ./scripts/test.sh"
fi

# Everything but what users and package tools keep for themselves, so that a leftover shows.
snapshot() {
    in_root "$1" "find / -xdev \\( -path /proc -o -path /sys -o -path /dev -o -path /tmp -o -path /root \\
        -o -path /run -o -path /var/cache -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /var/log \\) \\
        -prune -o -print" | sort
}

check_package() {
    root=$1
    deb=$2
    step "installing the package with apt in an untouched root"
    # Tools of this check only: a virtual display, a window lister and a desktop-entry launcher.
    in_root "$root" "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends xvfb xauth x11-utils libglib2.0-bin >/dev/null"
    snapshot "$root" >"$WORK/files-before"
    in_root "$root" "dpkg-query -W -f '\${Package}\n'" >"$WORK/packages-before"
    in_root "$root" "DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $deb" |
        tail -3
    in_root "$root" "dpkg -L kelvaro" >"$WORK/package-files"

    step "kelvaro --export all from the installed path"
    in_root "$root" "command -v kelvaro && kelvaro --version && cd / && kelvaro --export all --output /root/reports" |
        tee "$WORK/installed-export.out"
    grep -qx /usr/bin/kelvaro "$WORK/installed-export.out"
    [ "$(grep -c '^OK: /root/reports/' "$WORK/installed-export.out")" -eq 4 ] ||
        { echo "fresh-debian-check: the installed program did not write four reports" >&2; exit 1; }

    step "the desktop entry's export action"
    # Desktop-entry quoting mirrors the shell's once the string escapes are undone.
    action=$(sed -n '/^\[Desktop Action export-home\]/,/^\[/s/^Exec=//p' \
        "$root/usr/share/applications/kelvaro.desktop" | sed 's/\\\\/\\/g')
    in_root "$root" "cd / && $action" | tee "$WORK/action.out"
    [ "$(grep -c '^OK: /root/Kelvaro_BaoCao_' "$WORK/action.out")" -eq 4 ] ||
        { echo "fresh-debian-check: the export action did not write four reports to the home folder" >&2; exit 1; }

    if [ -f "$BUILD_ROOT$TREE/qml/Kelvaro/Main.qml" ]; then
        step "starting from the desktop entry under Xvfb"
        cat >"$root/tmp/window-check.sh" <<'CHECK'
gio launch /usr/share/applications/kelvaro.desktop
found=""
for i in $(seq 60); do
    if xwininfo -root -tree | grep -i '("kelvaro"'; then found=1; break; fi
    sleep 0.5
done
kill $(pidof kelvaro) 2>/dev/null || true
[ -n "$found" ]
CHECK
        in_root "$root" 'xvfb-run -a -s "-screen 0 1920x1080x24" sh /tmp/window-check.sh' ||
            { echo "fresh-debian-check: no Kelvaro window appeared from the desktop entry" >&2; exit 1; }
    else
        step "this tree has no window yet: starting from the desktop entry is not checked"
    fi

    step "removing the package"
    # Everything the package pulled in goes too, also what only a recommendation would keep.
    in_root "$root" "DEBIAN_FRONTEND=noninteractive apt-get purge -y -q kelvaro && \
        DEBIAN_FRONTEND=noninteractive apt-get autoremove --purge -y -q \
        -o APT::AutoRemove::RecommendsImportant=false" | tail -2
    in_root "$root" "dpkg-query -W -f '\${Package}\n'" >"$WORK/packages-after"
    if ! diff "$WORK/packages-before" "$WORK/packages-after"; then
        echo "fresh-debian-check: removal left the packages above installed" >&2
        exit 1
    fi
    snapshot "$root" >"$WORK/files-after"
    if ! diff "$WORK/files-before" "$WORK/files-after"; then
        echo "fresh-debian-check: removal left the files above behind" >&2
        exit 1
    fi
    echo "nothing left behind ($(wc -l <"$WORK/package-files") paths were installed)"
}

if [ "$PACKAGE" = 1 ]; then
    step "building the package"
    in_root "$BUILD_ROOT" "cd $TREE && ./scripts/package.sh"
    deb=$(ls "$BUILD_ROOT$TREE"/build/kelvaro_*.deb)
    cp "$deb" "$CLEAN_ROOT/tmp/"
    cp "$deb" "$WORK/"
    step "lintian"
    lintian --display-info "$deb" || true
    # Without DEBEMAIL the maintainer address is a placeholder, which lintian rightly reports;
    # nothing else may be an error, and lintian itself must have run.
    allowed=""
    [ -n "${DEBEMAIL:-}" ] || allowed="--suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog"
    # shellcheck disable=SC2086
    if ! (cd / && lintian --fail-on error $allowed "$deb" >/dev/null); then
        echo "fresh-debian-check: lintian reports errors or could not run" >&2
        exit 1
    fi
    echo "lintian: no errors${allowed:+ apart from the placeholder maintainer address}"
    unmount_all
    mount_root "$CLEAN_ROOT"
    check_package "$CLEAN_ROOT" "/tmp/$(basename "$deb")"
fi

step "fresh Debian 12 check passed in $(( $(date +%s) - started )) s"

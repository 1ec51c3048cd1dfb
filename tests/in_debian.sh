#!/usr/bin/env bash
# in_debian.sh [--bring-back PATTERN] RELEASE [CMD [ARGS...]]
# Runs CMD (by default ./go test) on a copy of this tree inside a chroot of
# Debian RELEASE (trixie, bookworm...), as a fresh machine of that release
# would. The chroot is made once with debootstrap from Debian's archive and
# kept for later runs under $DUPLIMO_CHROOTS (default /var/tmp); what CMD
# installs in it stays too, and it is used only while root owns it and
# nobody else can write to it. proc, sys and dev are mounted for the run
# and unmounted after it, whatever its end (what a killed run left mounted,
# the next one unmounts first); runs on one chroot wait for each other.
# --bring-back copies the files of the copy that PATTERN (a glob, relative
# to the tree) names back into this tree after CMD, owned by whoever called
# sudo. Needs root.
set -euo pipefail
bring_back=
if [ "${1:-}" = --bring-back ]; then
    bring_back=$2
    shift 2
fi
release=${1:?usage: $0 [--bring-back PATTERN] RELEASE [CMD [ARGS...]]}
shift
[ $# -gt 0 ] || set -- ./go test
[ "$(id -u)" -eq 0 ] || { echo "in_debian.sh: needs root (debootstrap, chroot, mount)" >&2; exit 2; }
source=$(cd "$(dirname "$0")/.." && pwd)
root=${DUPLIMO_CHROOTS:-/var/tmp}/duplimo-debian-$release
mirror=${DUPLIMO_MIRROR:-http://deb.debian.org/debian}

if [ -e "$root" ] && { [ -L "$root" ] || [ "$(stat -c %u "$root")" != 0 ] || [ $((0$(stat -c %a "$root") & 022)) -ne 0 ]; }; then
    echo "in_debian.sh: $root is not root's alone; remove it, or set DUPLIMO_CHROOTS" >&2
    exit 2
fi
if [ ! -e "$root/.duplimo-ready" ]; then
    command -v debootstrap >/dev/null || {
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
    }
    # Made aside and moved in place whole, so that an interrupted bootstrap
    # is never taken for a chroot.
    rm -rf "$root.new"
    echo "in_debian.sh: making a Debian $release chroot in $root"
    debootstrap --variant=minbase --include=ca-certificates "$release" "$root.new" "$mirror"
    touch "$root.new/.duplimo-ready"
    rm -rf "$root"
    mv "$root.new" "$root"
fi

# One run at a time: each works in the same copy and mounts the same places.
exec 9<"$root"
flock 9
# A run killed outright leaves its mounts behind, and sysfs will not be
# mounted twice on the same place: take off whatever is still mounted here.
mountpoints_within() {
    local mountpoint
    while read -r _ _ _ _ mountpoint _; do
        mountpoint=$(printf '%b' "$mountpoint")
        case $mountpoint in "$root"/*) echo "$mountpoint" ;; esac
    done </proc/self/mountinfo | sort -r
}
mountpoints_within | while IFS= read -r mountpoint; do
    echo "in_debian.sh: $mountpoint was left mounted; unmounting it" >&2
    umount -l "$mountpoint"
done

mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${mounted[i]}" 2>/dev/null || umount -lR "${mounted[i]}"
    done
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
mount_in() { # mount_in TARGET MOUNT-ARGS...
    local target=$root/$1
    shift
    mount "$@" "$target"
    mounted+=("$target")
}
mount_in proc -t proc proc
mount_in sys -t sysfs sysfs
mount_in dev --rbind /dev
mount --make-rslave "$root/dev"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# The chroot is on this machine's network: it trusts the authorities this
# machine was given for it (a proxy's, say) besides Debian's.
if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    chroot "$root" update-ca-certificates >/dev/null
fi

# The tree as it stands, uncommitted work included, in a fresh copy.
work=/root/duplimo
rm -rf "${root:?}$work"
mkdir -p "$root$work"
(cd "$source" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null --no-recursion -T - -cf -) | tar -xf - -C "$root$work"

echo "in_debian.sh: Debian $(cat "$root/etc/debian_version"): $*"
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    sh -c 'cd "$0" && exec "$@"' "$work" "$@"
if [ -n "$bring_back" ]; then
    (cd "$root$work" && compgen -G "$bring_back" || true) | while IFS= read -r file; do
        mkdir -p "$source/$(dirname "$file")"
        cp "$root$work/$file" "$source/$file"
        [ -z "${SUDO_UID:-}" ] || chown "$SUDO_UID:$SUDO_GID" "$source/$file" "$source/$(dirname "$file")"
        echo "$source/$file"
    done
fi

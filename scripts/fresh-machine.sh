#!/usr/bin/env bash
# Runs COMMAND (default: scripts/test.sh, the README's test command) as root inside a new minimal
# Debian 12 root that holds nothing but Debian's essential packages and this project, to prove that the
# scripts install all they need. Usage, as root: scripts/fresh-machine.sh [COMMAND...]
#
# The project is laid in with `git archive HEAD`: the committed state of this clone, without uncommitted
# changes. The minimal root comes from mmdebstrap --variant=minbase with this machine's own apt sources
# and is kept as a tarball in /var/cache/ripades-fresh-machine (RIPADES_FRESH_CACHE) for the next runs;
# delete it to bootstrap again. Each run unpacks it into a new folder under /var/tmp, mounts /proc, /sys,
# /dev, /dev/pts and a /dev/shm of its own in a private mount namespace, runs COMMAND in /root/ripades
# with a clean environment, then unmounts and deletes the folder, also on failure or Ctrl-C. The exit
# status is COMMAND's. Nothing is written into the project's tree.
set -euo pipefail

if ((EUID != 0)); then
  echo "fresh-machine.sh: run as root (it bootstraps, mounts and chroots)" >&2
  exit 1
fi
project=$(cd "$(dirname "$0")/.." && pwd)
(($#)) || set -- scripts/test.sh

cache=${RIPADES_FRESH_CACHE:-/var/cache/ripades-fresh-machine}
tarball=$cache/bookworm-minbase.tar
sources=/etc/apt/sources.list.d/debian.sources
[[ -s $sources ]] || sources=/etc/apt/sources.list

# The bootstrapped root, made once: mmdebstrap gets the host's sources file as its mirror.
mkdir -p "$cache"
exec 9>"$cache/lock"
flock 9
if [[ ! -s $tarball ]]; then
  command -v mmdebstrap >/dev/null || {
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap
  }
  echo "Bootstrapping a minimal Debian 12 into $tarball"
  rm -f "$tarball.part"  # left by a bootstrap that was stopped
  mmdebstrap --mode=root --variant=minbase --format=tar --quiet bookworm "$tarball.part" "$sources"
  mv "$tarball.part" "$tarball"
fi
flock -u 9
exec 9>&-

root=$(mktemp -d /var/tmp/ripades-fresh.XXXXXX)
mounts=(proc sys dev dev/pts dev/shm)
child=

# Stops the command and everything it started, by their process ids, deepest first.
stop() {
  descendants() {
    local p
    for p in $(ps -o pid= --ppid "$1"); do
      descendants "$p"
      echo "$p"
    done
  }
  local pids
  pids=$(descendants $$)
  [[ -z $pids ]] || kill -TERM $pids 2>/dev/null || true
}

cleanup() {
  local status=$?
  trap - EXIT INT TERM HUP
  if [[ -n $child ]]; then
    stop
    wait "$child" 2>/dev/null || true
  fi
  # The mounts live in the child's own mount namespace and end with it; unmount anyway if one leaked.
  local i m
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    m=$root/${mounts[i]}
    ! mountpoint -q "$m" 2>/dev/null || umount "$m" || umount -l "$m"
  done
  if findmnt -rn -o TARGET | grep -q "^$root/"; then
    echo "fresh-machine.sh: something is still mounted under $root; not deleting it" >&2
  else
    rm -rf --one-file-system "$root"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

tar -x -C "$root" -f "$tarball"
mkdir -p "$root/root/ripades"
git -C "$project" archive HEAD | tar -x -C "$root/root/ripades"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# In a private mount namespace no mount made here reaches the host's /dev, and none outlives the run.
inside() {
  local root=$1
  shift
  trap 'umount "$root/dev/shm" "$root/dev/pts" "$root/dev" "$root/sys" "$root/proc" 2>/dev/null || true' EXIT
  mount -t proc proc "$root/proc"
  mount --bind /sys "$root/sys"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
  env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin TERM="${TERM:-dumb}" \
    chroot "$root" /bin/bash -c 'cd /root/ripades && exec "$@"' command "$@"
}
# In the background, so that a signal reaches the traps above at once; stdin stays the caller's.
unshare --mount --propagation private \
  bash -c "set -e; $(declare -f inside); inside \"\$@\"" inside "$root" "$@" <&0 &
child=$!
status=0
wait "$child" || status=$?
child=
exit "$status"

# shellcheck shell=bash
# Sourced by the set-up scripts: need_packages PACKAGE... installs those of the Debian packages
# that are missing, after one apt-get update. Only then is root needed: as root (a fresh
# machine, CI) apt-get runs as it is, as any other user through sudo, so that the checkout
# and its build stay the user's own.

# Runs a command as root: directly when already root, else through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "Needs root for: $*; run this script once as root (su -c), or install sudo." >&2
    return 1
  fi
}

need_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

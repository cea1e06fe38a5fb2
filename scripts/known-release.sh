# Sourced by the installers: stops, with the reason, on a system whose package names have
# not been proven. A release is added here once both README commands have passed on a
# clean root of it (scripts/fresh-machine-test.sh RELEASE).
# shellcheck shell=bash
known_releases=(bookworm trixie)
debian_release=$(. /etc/os-release 2>/dev/null && [ "${ID:-}" = debian ] && echo "${VERSION_CODENAME:-}")
if [[ ! " ${known_releases[*]} " =~ " ${debian_release:-none} " ]]; then
  echo "$(basename "$0"): this is $(. /etc/os-release 2>/dev/null && echo "${PRETTY_NAME:-}" ||
    echo "a system without /etc/os-release"); the package names are proven only on Debian 12" \
    "(bookworm) and Debian 13 (trixie): run there, or install what $(basename "$0") lists by hand" >&2
  exit 1
fi

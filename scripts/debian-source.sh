# Sourced by the scripts that cross-build a library for Windows from Debian's source
# package of the running release, so that nothing comes from anywhere but the Debian
# archive (apt checks every file against the signed Sources index).
#   debian_source_version PACKAGE      the newest version of PACKAGE that apt knows, or
#                                      stops with the reason
#   debian_source_tree PACKAGE VERSION DIR
#                                      unpacks that version into DIR (made empty first),
#                                      the upstream tree with Debian's patches applied,
#                                      and prints the tree's path
# Messages go to standard error, prefixed with the calling script's name.
# Needs: scripts/install-windows-deps.sh (the deb-src entry and dpkg-dev).
# shellcheck shell=bash

debian_source_version() {
  local package=$1 version
  version=$(apt-cache showsrc "$package" 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n1 || true)
  if [ -z "$version" ]; then
    echo "$(basename "$0"): no source package $package known to apt;" \
      "run scripts/install-windows-deps.sh (it adds deb-src and runs apt-get update)" >&2
    return 1
  fi
  echo "$version"
}

debian_source_tree() {
  local package=$1 version=$2 dir=$3 upstream tree orig debian
  # dpkg-source names the tree after the upstream version: no epoch, no Debian revision.
  upstream=${version#*:}
  upstream=${upstream%-*}
  tree=$dir/$package-$upstream
  rm -rf "$dir"
  mkdir -p "$dir"
  (
    cd "$dir" || exit 1
    # Only the sources and Debian's patches; nothing is built here by dpkg.
    apt-get source -qq "$package=$version" >&2 && exit 0
    # A mirror may lack the .dsc while it serves the tarballs, which apt has then fetched
    # and checked against the signed Sources index all the same: unpack them as
    # dpkg-source would, the upstream tree with Debian's patches applied in order.
    orig=$(ls "$package"_"$upstream".orig.tar.* 2>/dev/null | head -n1)
    debian=$(ls "$package"_"${version#*:}".debian.tar.* 2>/dev/null | head -n1)
    if [ -z "$orig" ] || [ -z "$debian" ]; then
      echo "$(basename "$0"): apt-get source fetched neither the .dsc of $package nor both tarballs" >&2
      exit 1
    fi
    echo "$(basename "$0"): no .dsc on the mirror; unpacking $orig and $debian" >&2
    rm -rf "$tree"
    mkdir "$tree" && tar -xf "$orig" -C "$tree" --strip-components=1 &&
      tar -xf "$debian" -C "$tree" && cd "$tree" || exit 1
    if [ -f debian/patches/series ]; then
      sed -e 's/#.*//' -e '/^[[:space:]]*$/d' debian/patches/series | while read -r patch_name _; do
        patch -s -p1 <"debian/patches/$patch_name" >&2 || exit 1
      done || exit 1
    fi
  ) || return 1
  if [ ! -d "$tree" ]; then
    echo "$(basename "$0"): apt-get source gave no $package tree in $dir" >&2
    return 1
  fi
  echo "$tree"
}

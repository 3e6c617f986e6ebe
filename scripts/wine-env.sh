# Sourced by the Wine scripts: quiet Wine, no Mono or Gecko prompts on first start.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# The loader that matches a PE file's machine: Debian's /usr/bin/wine always
# prefers the 32-bit loader, which cannot start 64-bit programs by itself.
ks_wine_loader() {
  local machine
  machine=$(od -An -j"$(( $(od -An -tu4 -j60 -N4 "$1") + 4 ))" -N2 -tx2 "$1" | tr -d ' ')
  case "$machine" in
    8664) echo /usr/lib/wine/wine64 ;;
    *) echo /usr/lib/wine/wine ;;
  esac
}

# Sourced by the Wine scripts: quiet Wine, no Mono or Gecko prompts on first start.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if command -v wine64 >/dev/null 2>&1; then KS_WINE=wine64; else KS_WINE=wine; fi
# Debian's wine64 runs 32-bit programs through the 32-bit loader it finds itself.
KS_WINE=wine
export KS_WINE

#!/usr/bin/env bash
# Fails when any program given links the rendering layer: code of namespace rl, or an OpenGL, GLU
# or AllegroGL library among the libraries it needs.
set -uo pipefail
[ $# -gt 0 ] || { echo "no programs to check"; exit 1; }
status=0
for program in "$@"; do
    name="$(basename "$program")"
    clean=1
    libraries="$(readelf -d "$program" | grep NEEDED | grep -oE '\[[^]]+\]' | tr -d '[]' | tr '\n' ' ')"
    if echo " $libraries" | grep -qE ' lib(GL|GLU|alleggl)\.'; then
        echo "$name needs: $libraries"
        clean=0
    fi
    # Symbols of namespace rl itself: its functions, variables, vtables and type information (a
    # template of another library instantiated with an rl type, such as a typed load returning
    # rl::Bitmap*, is not rendering-layer code).
    rl_code="$(nm -C --defined-only "$program" | cut -d' ' -f3- |
               grep -cE '^((vtable|typeinfo|typeinfo name) for )?rl::[A-Za-z0-9_:~]+(\(|$)')"
    if [ "$rl_code" -gt 0 ]; then
        echo "$name holds $rl_code rl:: symbols"
        clean=0
    fi
    if [ $clean -eq 1 ]; then
        echo "$name: no rendering layer"
    else
        status=1
    fi
done
exit $status

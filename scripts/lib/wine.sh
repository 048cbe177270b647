# Shared by scripts/checks/wine-cli and bench/link/read-timeouts-wine: a private Wine
# prefix whose COM1..COM4 lead to links that a test points at emulated modules.
#
#   pemrix_wine_start <folder>   the prefix <folder>/prefix (made once) and the links
#                                <folder>/ports/com1..com4; starts the prefix's server
#   pemrix_wine_stop             ends that server
#
# Exports WINEPREFIX, WINEDEBUG=-all, PEMRIX_WINE_PREFIX, PEMRIX_WINE_PORTS and
# PEMRIX_WINE_LOADER. Wine's device manager rewrites the links in the prefix's
# dosdevices folder whenever a server starts, from the registry key
# HKLM\Software\Wine\Ports; so the key names the links under ports/, which stay ours.

PEMRIX_WINE_LOADER=/usr/lib/wine/wine64
PEMRIX_WINE_SERVER=/usr/lib/wine/wineserver

pemrix_wine_start() {
    local folder="$1"
    if [ ! -x "$PEMRIX_WINE_LOADER" ] || [ ! -x "$PEMRIX_WINE_SERVER" ]; then
        echo "wine: $PEMRIX_WINE_LOADER not found (package wine64)" >&2
        return 1
    fi
    mkdir -p "$folder/ports"
    export WINEPREFIX="$folder/prefix" WINEDEBUG=-all
    export PEMRIX_WINE_PREFIX="$WINEPREFIX" PEMRIX_WINE_PORTS="$folder/ports"
    export PEMRIX_WINE_LOADER
    # A server left from an earlier run may hold other rights or an older registry.
    "$PEMRIX_WINE_SERVER" -k >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/.pemrix-ready" ]; then
        pemrix_wine_make_prefix "$folder" || return
    fi
    # Root opens a terminal that another program holds in exclusive mode unless it
    # lacks CAP_SYS_ADMIN; the server, which opens the devices, runs without it so
    # that a held port is refused as for any user.
    local server=("$PEMRIX_WINE_SERVER" --persistent=60)
    if [ "$(id -u)" -eq 0 ]; then
        server=(setpriv --bounding-set -sys_admin "${server[@]}")
    fi
    "${server[@]}" >"$folder/wineserver.log" 2>&1 || {
        echo "wine: the server of $WINEPREFIX did not start (see $folder/wineserver.log)" >&2
        return 1
    }
    # The first program of a session starts Wine's system processes, which stay with
    # the server and keep the standard streams they were given: started here, they
    # hold a log, not the pipes of a test that waits for its program's output to end.
    "$PEMRIX_WINE_LOADER" cmd /c exit >>"$folder/wineserver.log" 2>&1 || {
        echo "wine: no program runs in $WINEPREFIX (see $folder/wineserver.log)" >&2
        return 1
    }
}

# Made once: a fresh prefix (some seconds), then COM1..COM4 mapped to ports/.
pemrix_wine_make_prefix() {
    local folder="$1" status=0
    echo "Making the Wine prefix $WINEPREFIX (first run only) ..."
    rm -rf "$WINEPREFIX"
    local log="$folder/wineboot.log"
    "$PEMRIX_WINE_LOADER" wineboot -i >"$log" 2>&1 || status=$?
    local reg="$folder/ports.reg"
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n'
        for n in 1 2 3 4; do
            printf '"COM%s"="%s"\r\n' "$n" "$folder/ports/com$n"
        done
    } >"$reg"
    [ "$status" -eq 0 ] && { "$PEMRIX_WINE_LOADER" regedit /S "$reg" >>"$log" 2>&1 || status=$?; }
    "$PEMRIX_WINE_SERVER" -w >/dev/null 2>&1 || true
    if [ "$status" -ne 0 ] || ! grep -q "ports/com4" "$WINEPREFIX/system.reg" 2>/dev/null; then
        echo "wine: making the prefix failed (status $status); its log:" >&2
        cat "$log" >&2
        return 1
    fi
    touch "$WINEPREFIX/.pemrix-ready"
}

pemrix_wine_stop() {
    [ -n "${WINEPREFIX:-}" ] && "$PEMRIX_WINE_SERVER" -k >/dev/null 2>&1
    return 0
}

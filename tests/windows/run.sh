#!/bin/sh
# Runs the Windows test executable under Wine: every case, the Secure Boot check once per registry
# fixture, then the WLAN and Bluetooth calls with their libraries disabled. Usage: run.sh <folder of
# tst_windows.exe>. The Wine prefix is made once (wineboot takes a while) and kept in that folder.
set -eu
build=$(cd "$1" && pwd)
exe="$build/tst_windows.exe"

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installer, no menu entries on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Four hours west of Greenwich, so that a signed 16-bit WMI value arrives negative.
export TZ='<-04>4'

if [ ! -f "$WINEPREFIX/.kelvaro-ready" ]; then
    rm -rf "$WINEPREFIX"
    echo "run.sh: making the Wine prefix"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kelvaro-ready"
fi

status=0
wine "$exe" || status=1

key='HKLM\SYSTEM\CurrentControlSet\Control\SecureBoot\State'
# fixture EXPECTED [TYPE DATA]: the Secure Boot value as written, and what must be read from it.
fixture() {
    wine reg delete "$key" /f >/dev/null 2>&1 || true
    if [ $# -eq 3 ]; then
        wine reg add "$key" /v UEFISecureBootEnabled /t "$2" /d "$3" /f >/dev/null
    fi
    wine "$exe" secure-boot "$1" || status=1
}
fixture absent
fixture 1 REG_DWORD 1
fixture 0 REG_DWORD 0
fixture absent REG_DWORD 2
fixture absent REG_SZ 1
fixture absent REG_BINARY 01000000
fixture absent REG_QWORD 1
wine reg delete "$key" /f >/dev/null 2>&1 || true

# As on a Windows without them: a static import of either library would stop the program starting
# (the loader's errors say which library).
if ! WINEDEBUG=err+module WINEDLLOVERRIDES="$WINEDLLOVERRIDES;wlanapi,bthprops.cpl=" \
    wine "$exe" without-wireless; then
    echo "run.sh: without wlanapi.dll and bthprops.cpl the WLAN and Bluetooth check failed" >&2
    status=1
fi

wineserver -w
exit $status

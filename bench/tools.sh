# Sourced by the bench scripts: makes sure the tools a comparison runs are installed.

# need_tools TOOL... (the Debian package has the tool's name); installs what is missing when
# running as root, else says what to install and exits.
need_tools() {
    missing=""
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
    else
        echo "missing:$missing (install them, or run as root)" >&2
        exit 1
    fi
}

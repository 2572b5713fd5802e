#!/bin/sh
# Starts (or stops) a private sound server with two null sinks for the audio tests, the way a
# user's session would run one: "kelvaro_sink" (stereo, 44.1 kHz) takes the tones and its monitor
# records them back; "kelvaro_mic" is played into so that its monitor acts as a microphone.
# Without pulseaudio installed it does nothing and the audio tests skip.
set -u
dir=$2
case "$1" in
start)
    command -v pulseaudio >/dev/null 2>&1 || { echo "soundserver: pulseaudio not installed"; exit 0; }
    "$0" stop "$dir"
    mkdir -p "$dir" && chmod 700 "$dir"
    # A throw-away home and runtime folder keep it apart from any real session; as root it
    # warns and runs all the same.
    HOME=$dir XDG_RUNTIME_DIR=$dir PULSE_RUNTIME_PATH=$dir/runtime \
        pulseaudio -n --daemonize=yes --exit-idle-time=-1 --disable-shm=yes --use-pid-file=yes \
        --log-target="file:$dir/server.log" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
        --load="module-null-sink sink_name=kelvaro_sink channels=2 rate=44100" \
        --load="module-null-sink sink_name=kelvaro_mic channels=1 rate=16000" ||
        { echo "soundserver: failed to start"; cat "$dir/server.log"; exit 1; }
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        [ -S "$dir/native" ] && exit 0
        sleep 0.5
    done
    echo "soundserver: no socket"
    exit 1
    ;;
stop)
    pidfile=$dir/runtime/pid
    if [ -f "$pidfile" ]; then
        kill "$(cat "$pidfile")" 2>/dev/null || true
        rm -f "$pidfile"
    fi
    rm -f "$dir/native"
    exit 0
    ;;
esac
echo "usage: soundserver.sh start|stop DIR" >&2
exit 2

# Starts and stops the servers the tests need: three X servers (1024 x 768,
# 1920 x 1080, and 3840 x 2160 for a desktop scaled to 200 %), a PulseAudio server with a null sink, and CUPS with a PDF
# printer as the default. Sourced by test.sh; every server is stopped by its pid.

server_pids=()
server_dir=""

start_xvfb() { # size, variable to receive the display
  local size="$1" var="$2" fdfile="$server_dir/xvfb-$1"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fdfile" >"$server_dir/xvfb-$size.log" 2>&1 &
  server_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || { echo "Xvfb $size did not start" >&2; return 1; }
  export "$var=:$(head -n1 "$fdfile")"
}

# The shared ring buffer channel is off: with it, the client library of
# PulseAudio 16 now and then aborts at a program's exit ("Assertion
# 'p->srb == srb' failed") when a stream closes under load, a fault of the
# library rather than of the program.
start_pulseaudio() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
    -L "module-native-protocol-unix socket=$server_dir/pulse.sock auth-anonymous=1 srbchannel=no" \
    -L "module-null-sink sink_name=null" >"$server_dir/pulse.log" 2>&1 &
  server_pids+=($!)
  export PULSE_SERVER="unix:$server_dir/pulse.sock"
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "PulseAudio did not start (sound tests will be skipped)" >&2
  unset PULSE_SERVER
}

start_cups() {
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd -f >"$server_dir/cupsd.log" 2>&1 &
    server_pids+=($!)
    for _ in $(seq 100); do
      lpstat -r 2>/dev/null | grep -q "is running" && break
      sleep 0.1
    done
  fi
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "CUPS did not start (printing tests will be skipped)" >&2
    return 0
  fi
  lpadmin -p TintaroPDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
  lpoptions -d TintaroPDF >/dev/null
  export TINTARO_CUPS_PRINTER=TintaroPDF
  export TINTARO_CUPS_PDF_DIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
}

start_servers() {
  server_dir="$(mktemp -d /tmp/tintaro-servers.XXXXXX)"
  chmod 700 "$server_dir"
  export XDG_RUNTIME_DIR="$server_dir"
  start_xvfb 1024x768 DISPLAY
  start_xvfb 1920x1080 TINTARO_DISPLAY_1920
  start_xvfb 3840x2160 TINTARO_DISPLAY_3840
  start_pulseaudio
  start_cups
}

stop_servers() {
  local pid
  for pid in "${server_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${server_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  server_pids=()
  [ -n "$server_dir" ] && rm -rf "$server_dir"
}

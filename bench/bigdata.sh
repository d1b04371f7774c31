#!/usr/bin/env bash
# The program with a big history: 100 groups of 1000 buttons of 100 bytes.
# Start-up to the mapped window (median of N starts), resident memory
# against the program started without data, `corvinade-tool state`, and
# exit with save. Usage: bench/bigdata.sh BUILD_DIR [N]
# The data file comes from corvinade_bigdata (BIGDATA_GEN overrides where).
source "$(dirname "$0")/../tests/x11/lib.sh"
N=${2:-5}
GEN=${BIGDATA_GEN:-$BUILD_DIR/corvinade_bigdata}
[ -x "$GEN" ] || fail "no data generator at $GEN (build the corvinade_bigdata target)"
DATA="$XDG_DATA_HOME/Corvinade"
mkdir -m 700 "$DATA"
start_display

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
ms_since() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
rss_kib() { awk '/VmRSS/ {print $2}' "/proc/$CVD_PID/status"; }
# Starts the program; START_MS is the time to its mapped window.
timed_start() {
  local t0
  t0=$(date +%s%N)
  start_program
  until xdotool search --onlyvisible --name '^Corvinade$' >/dev/null 2>&1; do
    kill -0 "$CVD_PID" 2>/dev/null || fail "the program ended: $(cat "$TEST_HOME/corvinade.log")"
    sleep 0.005
  done
  START_MS=$(ms_since "$t0")
  # CPU time of all its threads up to then: less at the mercy of other load.
  START_CPU_MS=$(awk -v hz="$(getconf CLK_TCK)" '{print ($14 + $15) * 1000 / hz}' "/proc/$CVD_PID/stat")
}
quit_program() {
  "$TOOL" quit >/dev/null
  wait_for_exit "$CVD_PID" 30 || fail "did not quit"
}

# A settings file, so that no start is a first one.
printf '[Windows]\r\nShowOnStart=1\r\n' > "$DATA/corvinade.ini"
held_bytes=$("$GEN" "$DATA" 100 1000) || fail "could not write the data file"
text_bytes=$((100 * 1000 * 100))
file_bytes=$(stat -c %s "$DATA/corvinade.dat")
ASIDE="$TEST_HOME/aside"
mkdir "$ASIDE"
# The big history's files are moved aside for a start without data and back
# for the next; a move keeps them in the page cache.
set_history_aside() { mv "$DATA"/corvinade.dat "$DATA"/corvinade.jnl "$ASIDE"/ 2>/dev/null || true; }
bring_history_back() {
  rm -f "$DATA"/corvinade.dat "$DATA"/corvinade.jnl
  mv "$ASIDE"/* "$DATA"/
}

# The starts alternate, one without data and one with the big history, so
# that a change in the machine's load meanwhile falls on both alike.
empty_starts=() empty_cpus=() starts=() cpus=() states=() quits=()
for i in $(seq "$N"); do
  set_history_aside
  timed_start
  empty_starts+=("$START_MS")
  empty_cpus+=("$START_CPU_MS")
  if [ "$i" = "$N" ]; then
    sleep 2
    empty_rss=$(rss_kib)
  fi
  quit_program

  bring_history_back
  timed_start
  starts+=("$START_MS")
  cpus+=("$START_CPU_MS")
  sleep 1
  if [ "$i" = "$N" ]; then
    sleep 1
    big_rss=$(rss_kib)
  fi
  t0=$(date +%s%N)
  "$TOOL" state >/dev/null || echo "state failed (no answer within the tool's 5 s)" >&2
  states+=("$(ms_since "$t0")")
  if [ "$i" = "$N" ]; then
    sleep 2  # the report's memory is given back a second after it was sent
    state_rss=$(rss_kib)
  fi
  t0=$(date +%s%N)
  quit_program
  quits+=("$(ms_since "$t0")")
done
start_ms=$(printf '%s\n' "${starts[@]}" | median)
state_ms=$(printf '%s\n' "${states[@]}" | median)
quit_ms=$(printf '%s\n' "${quits[@]}" | median)
cpu_ms=$(printf '%s\n' "${cpus[@]}" | median)
empty_start_ms=$(printf '%s\n' "${empty_starts[@]}" | median)
empty_cpu_ms=$(printf '%s\n' "${empty_cpus[@]}" | median)
echo "data file $((file_bytes / 1024)) KiB, texts $((text_bytes / 1024)) KiB, names and texts $((held_bytes / 1024)) KiB"
echo "start-up to window: median $start_ms ms over $N starts (all: ${starts[*]})"
echo "CPU time to the window: median $cpu_ms ms (all: ${cpus[*]})"
ratio=$(awk -v b="$start_ms" -v e="$empty_start_ms" 'BEGIN {printf "%.2f", b / e}')
echo "without data, same run: start-up median $empty_start_ms ms (all: ${empty_starts[*]}), CPU $empty_cpu_ms ms; big / without: $ratio"
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
# The goal: at most 1.5 times what the buttons hold above the program
# without data (1.5 times the texts alone: big_rss_texts_goal_mib).
goal_kib=$((empty_rss + held_bytes * 3 / 2 / 1024))
echo "resident memory: $(mib "$big_rss") MiB, without data $(mib "$empty_rss") MiB, goal $(mib "$goal_kib") MiB"
echo "state: median $state_ms ms; exit with save: median $quit_ms ms"
echo "resident memory after a state report: $((state_rss / 1024)) MiB"
echo "RESULT big_start_ms $start_ms"
echo "RESULT big_start_cpu_ms $cpu_ms"
echo "RESULT empty_start_ms $empty_start_ms"
echo "RESULT empty_start_cpu_ms $empty_cpu_ms"
echo "RESULT big_start_ratio $ratio"
echo "RESULT big_rss_mib $(mib "$big_rss")"
echo "RESULT empty_rss_mib $(mib "$empty_rss")"
echo "RESULT big_rss_goal_mib $(mib "$goal_kib")"
echo "RESULT big_rss_texts_goal_mib $(mib $((empty_rss + text_bytes * 3 / 2 / 1024)))"
echo "RESULT big_state_ms $state_ms"
echo "RESULT big_quit_ms $quit_ms"
echo "RESULT big_state_rss_mib $(mib "$state_rss")"

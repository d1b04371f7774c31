#!/usr/bin/env bash
# Every measurement of the real program, each on its own private X server
# (the sway rows on a headless sway of their own), gathered into one table:
# the figure, its goal and the command that gives it.
# Usage: bench/report.sh BUILD_DIR   (REPORT_QUICK=1 for fewer samples)
set -uo pipefail
BUILD=${1:?usage: bench/report.sh BUILD_DIR}
HERE=$(cd "$(dirname "$0")" && pwd)
if [ "${REPORT_QUICK:-0}" = 1 ]; then
  starts=3 idle=10 copies=20 pastes=5 bigstarts=3
else
  starts=10 idle=30 copies=100 pastes=20 bigstarts=9
fi

declare -A R
run() {
  local script=$1 out
  shift
  out=$(bash "$HERE/$script" "$BUILD" "$@" 2>&1)
  echo "$out" | grep -v '^RESULT' | sed "s|^|  $script: |" >&2
  while read -r _ key value; do R[$key]=$value; done < <(echo "$out" | grep '^RESULT')
}
run startup.sh "$starts"
run idle.sh "$idle"
run capture-latency.sh "$copies"
run paste-latency.sh "$pastes"
run wayland-latency.sh "$copies" "$pastes"
run bigdata.sh "$bigstarts"
run group-switch.sh 5

row() { printf '| %-50s | %12s | %-14s | %s |\n' "$1" "${2:--}" "$3" "$4"; }
row "Measure" "Figure" "Goal" "Command"
row "--------------------------------------------------" "------------" "--------------" "-------"
row "start-up to window, default data (ms)" "${R[startup_ms]:-}" "" "bench/startup.sh $BUILD $starts"
row "resident memory, default data (MiB)" "$(( ${R[startup_rss_kib]:-0} / 1024 ))" "" "bench/startup.sh $BUILD $starts"
row "at rest: wake-ups per second" "${R[idle_wakeups]:-}" "< 5" "bench/idle.sh $BUILD $idle"
row "at rest: CPU (% of a core)" "${R[idle_cpu]:-}" "< 0.1" "bench/idle.sh $BUILD $idle"
row "copy to clip, median (ms)" "${R[capture_ms]:-}" "" "bench/capture-latency.sh $BUILD $copies"
row "click to text beyond the pauses, median (ms)" "${R[paste_beyond_ms]:-}" "< 5" "bench/paste-latency.sh $BUILD $pastes"
row "sway: copy to clip, median (ms)" "${R[sway_capture_ms]:-}" "" "bench/wayland-latency.sh $BUILD $copies $pastes"
row "sway: click to text beyond the pauses, median (ms)" "${R[sway_paste_beyond_ms]:-}" "< 5" "bench/wayland-latency.sh $BUILD $copies $pastes"
row "big data: start-up to window (ms)" "${R[big_start_ms]:-}" "< 150" "bench/bigdata.sh $BUILD $bigstarts"
row "big data: CPU time to window (ms)" "${R[big_start_cpu_ms]:-}" "" "bench/bigdata.sh $BUILD $bigstarts"
row "no data, same run: start-up to window (ms)" "${R[empty_start_ms]:-}" "" "bench/bigdata.sh $BUILD $bigstarts"
row "no data, same run: CPU time to window (ms)" "${R[empty_start_cpu_ms]:-}" "" "bench/bigdata.sh $BUILD $bigstarts"
row "big data / no data: start-up ratio" "${R[big_start_ratio]:-}" "<= 1.25" "bench/bigdata.sh $BUILD $bigstarts"
row "big data: resident memory (MiB)" "${R[big_rss_mib]:-}" "<= ${R[big_rss_goal_mib]:-?}" "bench/bigdata.sh $BUILD $bigstarts"
row "  goal by the texts alone, without names (MiB)" "" "<= ${R[big_rss_texts_goal_mib]:-?}" "bench/bigdata.sh $BUILD $bigstarts"
row "no data: resident memory (MiB)" "${R[empty_rss_mib]:-}" "" "bench/bigdata.sh $BUILD $bigstarts"
row "big data: corvinade-tool state (ms)" "${R[big_state_ms]:-}" "" "bench/bigdata.sh $BUILD $bigstarts"
row "big data: memory after a state report (MiB)" "${R[big_state_rss_mib]:-}" "" "bench/bigdata.sh $BUILD $bigstarts"
row "big data: exit with save (ms)" "${R[big_quit_ms]:-}" "" "bench/bigdata.sh $BUILD $bigstarts"
row "big data: switch to a group of 1000 (ms)" "${R[group_switch_ms]:-}" "< 30" "bench/group-switch.sh $BUILD 5"
row "big data: CPU time of that switch (ms)" "${R[group_switch_cpu_ms]:-}" "" "bench/group-switch.sh $BUILD 5"

# Runtime options for the programs and tests of a sanitizer build; sourced by
# .ci/run and scripts/sanitize.sh. The first finding ends the program with a
# failing status, and a leak at exit is a finding too.
SANITIZER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS=suppressions=$SANITIZER_ROOT/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

# Sourced by ./test.sh --sanitize and tools/fuzz.sh: the run-time options of
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer. Any report
# fails the program that made it. Leaks inside the system's libraries (Qt's
# plug-ins, fontconfig, ...) are suppressed by tools/lsan.supp, never ours.
# strndup is not intercepted: the X11 keyboard library (libxkbcommon-x11) hands
# it names that are exactly n bytes long without a terminator, which is valid
# but which the strict string checks report; our code does not call strndup.
_quintaro_tools="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:intercept_strndup=0:halt_on_error=1:abort_on_error=0:strict_string_checks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:print_summary=1"
export LSAN_OPTIONS="suppressions=${_quintaro_tools}/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:print_summary=1"
unset _quintaro_tools

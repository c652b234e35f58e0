# Sourced by scripts/sanitize and scripts/exercise: the AddressSanitizer and
# UndefinedBehaviorSanitizer build in build-asan/ and the options its programs run with.
# Expects $root (the source folder).

sanitizers_configure() {
  # GCC's maybe-uninitialized analysis misfires on instrumented code (a QList inside a
  # std::variant of the test prompts); the normal build keeps the warning.
  local flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -Wno-maybe-uninitialized"
  cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTE_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
}

# Leaks are checked in our programs; the system's font and graphics libraries keep a few
# allocations for the life of the process, which are not ours to free.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitize.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

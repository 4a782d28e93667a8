// The options every program of the sanitizer build starts with, so that a test, and any program
// it starts, fails at the first finding and knows the suppressions without any environment.
// Options set in the environment still come on top.

extern "C" const char* __asan_default_options() {
    return "halt_on_error=1:detect_leaks=1";
}

extern "C" const char* __lsan_default_options() {
    return "suppressions=" BNG_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}

#include "LsanSuppressions.h"

// Read by the sanitizer runtimes at start-up; environment variables such as
// ASAN_OPTIONS still override them.
extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}

const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

const char* __lsan_default_options()
{
    return "print_suppressions=0";
}

const char* __lsan_default_suppressions()
{
    return kLsanSuppressions;
}

}  // extern "C"

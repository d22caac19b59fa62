// Size of the statically linked mingw-w64 C++ runtime.
//
// The runtime raises its logic errors (a string longer than max_size, say)
// through the std::__throw_* functions, whose object file brings in the
// exception classes, a second string implementation, the unwinder, the
// threads library it locks with and, through the default terminate handler,
// the C++ demangler: over 100 KiB of a program whose own code is a tenth of
// that. Vantrel throws nothing and catches nothing, its allocations end in
// the fatal error report, and none of these errors can arise from its few
// short texts; should one arise all the same, the process ends at once.
#include <cstdlib>

namespace std {
[[noreturn]] void __throw_length_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
    std::abort();
}
[[noreturn]] void __throw_bad_alloc() {
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
    std::abort();
}
} // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx

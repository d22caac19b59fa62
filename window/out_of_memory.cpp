// Every allocation of the program goes through here: a request that the heap
// refuses ends in the fatal error report instead of returning without memory.
// Linked into the executable only; the sanitizer builds keep their own.
#include "window/fatal_error.h"
#include "window/fatal_report.h"

#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

bool reporting = false;

[[noreturn]] void OutOfMemory(std::size_t bytes) {
    // Building the report allocates too; when even that fails there is
    // nothing left to show, and the process ends the same way.
    if (reporting) {
        ExitProcess(static_cast<UINT>(-1));
    }
    reporting = true;
    ReportFatalError(AllocationFailureMessage(bytes), 0);
}

} // namespace

void* operator new(std::size_t bytes) {
    if (void* memory = std::malloc(bytes == 0 ? 1 : bytes)) {
        return memory;
    }
    OutOfMemory(bytes);
}

void* operator new[](std::size_t bytes) {
    return operator new(bytes);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

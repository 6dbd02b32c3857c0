#pragma once
// The program's binding of the Corvello library: the library is loaded by
// file name at the first call of any of its functions, each function resolved
// by name at its own first call. The file is looked for beside the program's
// executable first, then in the system's search path. A missing library or
// function ends the program with a message naming it and a non-zero status.
#include <cstdint>
#include <string>

namespace corvello {

// The two functions the program calls.
void rng_Init(int32_t seed);
uint32_t rng_GenNumber(uint32_t n);

// Called with the message before the program ends on a binding failure, so a
// window program can also show it; the default only writes standard error.
using FailureReporter = void (*)(const std::string& message);
void SetFailureReporter(FailureReporter reporter);

namespace detail {
// For tests of the failure paths: the file name looked for, in place of
// "Corvello.so". Takes effect only before the library has been loaded.
void SetLibraryFileName(const char* file_name);
}  // namespace detail

}  // namespace corvello

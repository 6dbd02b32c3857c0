#include "corvello_binding.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace corvello {
namespace {

constinit const char* library_file_name = "Corvello.so";
constinit FailureReporter failure_reporter = nullptr;
constinit void* library = nullptr;
// Where the library was found, for the message about a missing function.
std::string library_place;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  if (failure_reporter) failure_reporter(message);
  std::exit(EXIT_FAILURE);
}

std::string ExecutableFolder() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string executable(path, static_cast<size_t>(length));
  return executable.substr(0, executable.find_last_of('/') + 1);
}

std::string LastLoaderError() {
  const char* error = dlerror();
  return error ? error : "unknown reason";
}

void* Library() {
  if (library) return library;
  const std::string folder = ExecutableFolder();
  std::string beside_failure = "the program's folder is unknown";
  if (!folder.empty()) {
    const std::string path = folder + library_file_name;
    library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library) {
      library_place = path;
      return library;
    }
    beside_failure = LastLoaderError();
  }
  // A plain file name makes the loader use the system's search path.
  library = dlopen(library_file_name, RTLD_NOW | RTLD_LOCAL);
  if (library) {
    library_place = std::string(library_file_name) + " from the system's library search path";
    return library;
  }
  Fail(std::string("Cannot load the random number library ") + library_file_name +
       ": looked in " + (folder.empty() ? "the program's folder" : folder) + " (" + beside_failure +
       ") and in the system's library search path (" + LastLoaderError() + ").");
}

template <typename Function>
struct Slot {
  const char* name;
  Function* call;
};

// Each slot starts at its FirstCall, which resolves the function, puts it in
// the slot and forwards; every later call is one indirect call, no test.
template <auto& slot, typename Result, typename... Args>
Result FirstCall(Args... args) {
  void* const symbol = dlsym(Library(), slot.name);
  if (!symbol)
    Fail(std::string("The random number library ") + library_place + " has no function " +
         slot.name + ".");
  slot.call = reinterpret_cast<Result (*)(Args...)>(symbol);
  return slot.call(args...);
}

constinit Slot<void(uint32_t)> init{"rng_Init", &FirstCall<init, void, uint32_t>};
constinit Slot<uint32_t(uint32_t)> gen_number{"rng_GenNumber",
                                              &FirstCall<gen_number, uint32_t, uint32_t>};

}  // namespace

// The library takes the seed as its 32 bits, unsigned.
void rng_Init(int32_t seed) { init.call(static_cast<uint32_t>(seed)); }
uint32_t rng_GenNumber(uint32_t n) { return gen_number.call(n); }

void SetFailureReporter(FailureReporter reporter) { failure_reporter = reporter; }

namespace detail {
void SetLibraryFileName(const char* file_name) { library_file_name = file_name; }
}  // namespace detail

}  // namespace corvello

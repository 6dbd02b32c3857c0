#pragma once
// Loads a private copy of the built Corvello.so, so each test starts with a
// library that has just been loaded (never seeded, counter 0), as a fresh
// process would see it.
#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "../../random_library/corvello.h"

inline std::filesystem::path BuiltCorvello() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Corvello.so";
}

class FreshCorvello {
 public:
  FreshCorvello() {
    namespace fs = std::filesystem;
    folder_ = fs::temp_directory_path() / ("corvello-test-" + std::to_string(getpid()) + "-" +
                                           std::to_string(next_copy_++));
    fs::create_directories(folder_);
    const fs::path copy = folder_ / "Corvello.so";
    fs::copy_file(BuiltCorvello(), copy, fs::copy_options::overwrite_existing);
    handle_ = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw std::runtime_error(dlerror());
    Init = Resolve<decltype(&::rng_Init)>("rng_Init");
    InitAndSkip = Resolve<decltype(&::rng_InitAndSkip)>("rng_InitAndSkip");
    GenInt32 = Resolve<decltype(&::rng_GenInt32)>("rng_GenInt32");
    GenInt31 = Resolve<decltype(&::rng_GenInt31)>("rng_GenInt31");
    GenNumber = Resolve<decltype(&::rng_GenNumber)>("rng_GenNumber");
    GenNumber2 = Resolve<decltype(&::rng_GenNumber2)>("rng_GenNumber2");
    GetGenerationCount = Resolve<decltype(&::rng_GetGenerationCount)>("rng_GetGenerationCount");
  }
  ~FreshCorvello() {
    dlclose(handle_);
    std::filesystem::remove_all(folder_);
  }
  FreshCorvello(const FreshCorvello&) = delete;
  FreshCorvello& operator=(const FreshCorvello&) = delete;

  decltype(&::rng_Init) Init;
  decltype(&::rng_InitAndSkip) InitAndSkip;
  decltype(&::rng_GenInt32) GenInt32;
  decltype(&::rng_GenInt31) GenInt31;
  decltype(&::rng_GenNumber) GenNumber;
  decltype(&::rng_GenNumber2) GenNumber2;
  decltype(&::rng_GetGenerationCount) GetGenerationCount;

 private:
  template <typename Function>
  Function Resolve(const char* name) {
    void* symbol = dlsym(handle_, name);
    if (!symbol) throw std::runtime_error(std::string("missing ") + name);
    return reinterpret_cast<Function>(symbol);
  }

  static inline int next_copy_ = 0;
  std::filesystem::path folder_;
  void* handle_ = nullptr;
};

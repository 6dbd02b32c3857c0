// Corvello.so against std::mt19937, and the program's binding to it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "corvello.h"
#include "corvello_binding.h"

namespace {

const std::string kBuilt = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Corvello.so";

using U32s = std::vector<uint32_t>;  // a braced list calls its items in order

std::vector<uint32_t> Reference(uint32_t seed, size_t count) {
  std::mt19937 reference(seed);
  std::vector<uint32_t> outputs(count);
  for (auto& output : outputs) output = static_cast<uint32_t>(reference());
  return outputs;
}

// The library's seven functions, looked up by name as a program does.
struct Corvello {
  void* handle = dlopen(kBuilt.c_str(), RTLD_NOW | RTLD_LOCAL);
#define CORVELLO(name) \
  decltype(&::rng_##name) name = reinterpret_cast<decltype(&::rng_##name)>(dlsym(handle, "rng_" #name))
  CORVELLO(Init); CORVELLO(InitAndSkip); CORVELLO(GenInt32); CORVELLO(GenInt31);
  CORVELLO(GenNumber); CORVELLO(GenNumber2); CORVELLO(GetGenerationCount);
#undef CORVELLO
};

TEST(CorvelloLibrary, StreamCounterAndRangesFollowTheReference) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT({  // never seeded: seed 5489; GenNumber2 consumes an output uncounted
    Corvello rng;
    const bool ok = rng.GenNumber2(0) == 0 && rng.GenInt31() == Reference(5489, 2)[1] >> 1;
    std::exit(ok && rng.GetGenerationCount() == 1 ? 0 : 3);
  }, ::testing::ExitedWithCode(0), "");
  Corvello rng;
  for (uint32_t seed : {0u, 1u, 5489u, 0x80000000u, 0xFFFFFFFFu}) {
    rng.Init(seed);
    const auto expected = Reference(seed, 2000);  // three regenerations
    for (size_t i = 0; i < expected.size(); ++i)
      ASSERT_EQ(i % 2 ? rng.GenInt31() : rng.GenInt32(), i % 2 ? expected[i] >> 1 : expected[i]) << seed;
    EXPECT_EQ(rng.GetGenerationCount(), 2000u);
  }
  const auto expected = Reference(2024, 700);
  for (uint32_t count : {2u, 624u, 0u})  // returns the last output skipped, 0 for none
    EXPECT_EQ((U32s{rng.InitAndSkip(2024, count), rng.GetGenerationCount(), rng.GenInt32()}),
              (U32s{count ? expected[count - 1] : 0u, count, expected[count]}));
  rng.Init(9);
  EXPECT_EQ((U32s{rng.GenNumber(0), rng.GenNumber(1), rng.GetGenerationCount(), rng.GenInt32()}),
            (U32s{0, 0, 0, Reference(9, 1)[0]}));  // below two: nothing drawn
  // Outputs from 2^32 - 2^32 % n up are redrawn, the others give d / floor(2^32 / n).
  std::vector<uint32_t> ranges = {2, 3, 37, 64, 101, 1000, 1u << 31, (1u << 31) + 1, 0xFFFFFFFFu};
  std::mt19937 pick(4);
  for (int i = 0; i < 200; ++i) ranges.push_back(static_cast<uint32_t>(pick()) | 2u);
  for (uint32_t n : ranges) {
    const uint64_t limit = (uint64_t{1} << 32) - (uint64_t{1} << 32) % n;
    std::mt19937 reference(n);
    uint32_t drawn = 0;
    rng.Init(n);
    for (int call = 0; call < 200; ++call) {
      uint64_t d;
      do ++drawn, d = reference();
      while (d >= limit);
      ASSERT_EQ(rng.GenNumber(n), d / (limit / n)) << n;
    }
    ASSERT_EQ(rng.GetGenerationCount(), drawn) << n;
  }
  // Above 2^31 the limit is n: an output d is redrawn for n = d, kept for n = d + 1.
  uint32_t seed = 0;
  std::vector<uint32_t> d;
  do d = Reference(++seed, 2);
  while (d[0] <= 0x80000001u || d[0] == 0xFFFFFFFFu || d[1] >= d[0]);
  EXPECT_EQ((U32s{(rng.Init(seed), rng.GenNumber(d[0])), (rng.Init(seed), rng.GenNumber(d[0] + 1))}),
            (U32s{d[1], d[0]}));
  rng.Init(31);
  for (uint32_t output : Reference(31, 1000))  // exact in a double: the floor of d * n / 2^32
    ASSERT_EQ(rng.GenNumber2(101), (uint64_t{output} * 101) >> 32);
  EXPECT_EQ(rng.GetGenerationCount(), 0u);
}

// The last word of each line that a binutils command prints about the library.
std::set<std::string> LastWords(const std::string& command, const char* marker) {
  std::set<std::string> words;
  std::FILE* pipe = popen((command + " " + kBuilt).c_str(), "r");
  for (char line[512]; pipe && std::fgets(line, sizeof line, pipe);) {
    std::string text(line);
    text.erase(text.find_last_not_of(" ]\n") + 1);
    if (text.find(marker) != std::string::npos) words.insert(text.substr(text.find_last_of(" [") + 1));
  }
  if (pipe) pclose(pipe);
  return words;
}

TEST(CorvelloLibrary, ExportsItsSevenFunctionsAndNeedsOnlyTheCRuntime) {
  EXPECT_EQ(LastWords("nm -D --defined-only", " "),
            (std::set<std::string>{"rng_Init", "rng_InitAndSkip", "rng_GenInt32", "rng_GenInt31",
                                   "rng_GenNumber", "rng_GenNumber2", "rng_GetGenerationCount"}));
  std::set<std::string> allowed = {"libc.so.6"};
#if defined(__SANITIZE_ADDRESS__)
  allowed.insert({"libasan.so.8", "libubsan.so.1"});  // the loading program already has them
#endif
  for (const std::string& library : LastWords("readelf -d", "(NEEDED)")) EXPECT_TRUE(allowed.count(library)) << library;
}

TEST(CorvelloBinding, EndsTheProgramNamingWhatIsMissingElseForwardsEachFunction) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // no library loaded in the new process
  EXPECT_EXIT({
    corvello::SetFailureReporter([](const std::string& m) { std::fprintf(stderr, "<%s>", m.c_str()); });
    corvello::detail::SetLibraryFileName("NoSuchCorvello.so");
    corvello::rng_Init(1);
  }, ::testing::ExitedWithCode(EXIT_FAILURE),
      "Cannot load the random number library NoSuchCorvello\\.so: looked in /.*/ \\(.*\\) and in the "
      "system's library search path .*<Cannot load ");
  EXPECT_EXIT({  // the C runtime is found on the search path and has no rng_ functions
    corvello::detail::SetLibraryFileName("libc.so.6");
    corvello::rng_GenNumber(37);
  }, ::testing::ExitedWithCode(EXIT_FAILURE),
      "The random number library libc\\.so\\.6 from the system's library search path has no function "
      "rng_GenNumber\\.");

  corvello::rng_Init(-1);  // the seed's 32 bits
  const auto expected = Reference(0xFFFFFFFFu, 3);
  EXPECT_EQ((U32s{corvello::rng_GenNumber(2), corvello::rng_GenNumber(2), corvello::rng_GenNumber(2)}),
            (U32s{expected[0] >> 31, expected[1] >> 31, expected[2] >> 31}));
}

}  // namespace

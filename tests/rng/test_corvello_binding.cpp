// The program's binding: finds Corvello.so beside the executable, forwards to
// it, and ends the program clearly when the library or a function is missing.
#include "corvello_binding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

// Each death test runs in a freshly started process, so the library there
// has not been loaded or seeded yet.
class CorvelloBinding : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

uint32_t ReferenceRange(std::mt19937& reference, uint32_t n) {
  const uint64_t limit = (uint64_t{1} << 32) - (uint64_t{1} << 32) % n;
  uint64_t d;
  do d = reference();
  while (d >= limit);
  return static_cast<uint32_t>(d / (limit / n));
}

TEST_F(CorvelloBinding, ForwardsToTheLibraryBesideTheProgram) {
  corvello::rng_Init(20240);
  std::mt19937 reference(20240);
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(corvello::rng_GenNumber(37), ReferenceRange(reference, 37));
  EXPECT_EQ(corvello::rng_GetGenerationCount(), 5000u);
  EXPECT_EQ(corvello::rng_GenInt31(), reference() >> 1);
  EXPECT_EQ(corvello::rng_GenInt32(), reference());

  std::mt19937 default_stream(5489);
  default_stream.discard(9998);
  EXPECT_EQ(corvello::rng_InitAndSkip(5489, 9999), default_stream());
  EXPECT_EQ(corvello::rng_GenInt32(), 4123659995u);
  EXPECT_EQ(corvello::rng_GetGenerationCount(), 10000u);
}

TEST_F(CorvelloBinding, NegativeSeedIsPassedAsItsThirtyTwoBits) {
  corvello::rng_Init(-1);
  std::mt19937 reference(0xFFFFFFFFu);
  EXPECT_EQ(corvello::rng_GenInt32(), reference());
}

TEST_F(CorvelloBinding, UnseededFirstDrawIsTheDefaultSeedsFirstOutput) {
  EXPECT_EXIT(
      {
        const bool ok = corvello::rng_GenInt32() == std::mt19937(5489)() &&
                        corvello::rng_GetGenerationCount() == 1;
        std::exit(ok ? 0 : 3);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(CorvelloBinding, MissingLibraryEndsTheProgramNamingFileAndPlaces) {
  EXPECT_EXIT(
      {
        corvello::detail::SetLibraryFileName("NoSuchCorvello.so");
        corvello::rng_Init(1);
      },
      ::testing::ExitedWithCode(EXIT_FAILURE),
      "Cannot load the random number library NoSuchCorvello\\.so: looked in /.*/ \\(.*\\) and in "
      "the system's library search path");
}

TEST_F(CorvelloBinding, MissingFunctionEndsTheProgramNamingIt) {
  // The C runtime is found through the system's search path and has no rng_.
  EXPECT_EXIT(
      {
        corvello::detail::SetLibraryFileName("libc.so.6");
        corvello::rng_GenNumber(37);
      },
      ::testing::ExitedWithCode(EXIT_FAILURE),
      "The random number library libc\\.so\\.6 from the system's library search path has no "
      "function rng_GenNumber\\.");
}

TEST_F(CorvelloBinding, FailureIsPassedToTheReporter) {
  EXPECT_EXIT(
      {
        corvello::SetFailureReporter(
            [](const std::string& message) { std::fprintf(stderr, "reported<%s>", message.c_str()); });
        corvello::detail::SetLibraryFileName("NoSuchCorvello.so");
        corvello::rng_GetGenerationCount();
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "reported<Cannot load .*NoSuchCorvello\\.so");
}

}  // namespace

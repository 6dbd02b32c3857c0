// The exported behaviour of Corvello.so, checked against std::mt19937.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "corvello_loader.h"

namespace {

std::vector<uint32_t> Reference(uint32_t seed, size_t count) {
  std::mt19937 reference(seed);
  std::vector<uint32_t> outputs(count);
  for (auto& output : outputs) output = static_cast<uint32_t>(reference());
  return outputs;
}

// The unbiased range rule in plain 64-bit arithmetic: the r highest outputs
// are redrawn, the others map to d / floor(2^32 / n).
struct RangeModel {
  explicit RangeModel(uint32_t n)
      : limit((uint64_t{1} << 32) - (uint64_t{1} << 32) % n), bucket(limit / n) {}
  uint64_t limit;
  uint64_t bucket;
};

class CorvelloLibrary : public ::testing::Test {
 protected:
  FreshCorvello rng;
};

TEST_F(CorvelloLibrary, FollowsTheReferenceStreamAcrossRegenerations) {
  for (uint32_t seed : {0u, 1u, 5489u, 0x80000000u, 0xFFFFFFFFu}) {
    rng.Init(seed);
    const auto expected = Reference(seed, 2000);
    for (size_t i = 0; i < expected.size(); ++i)
      ASSERT_EQ(rng.GenInt32(), expected[i]) << "seed " << seed << " output " << i + 1;
    EXPECT_EQ(rng.GetGenerationCount(), 2000u);
  }
  rng.InitAndSkip(5489, 9999);
  EXPECT_EQ(rng.GenInt32(), 4123659995u);
  EXPECT_EQ(rng.GetGenerationCount(), 10000u);
}

TEST_F(CorvelloLibrary, NeverSeededDrawsAsSeed5489WithoutTouchingTheCounter) {
  EXPECT_EQ(rng.GetGenerationCount(), 0u);
  EXPECT_EQ(rng.GenInt32(), Reference(5489, 1)[0]);
  EXPECT_EQ(rng.GetGenerationCount(), 1u);
}

TEST_F(CorvelloLibrary, NeverSeededRangeDrawStartsTheDefaultStream) {
  EXPECT_EQ(rng.GenNumber2(0), 0u);
  EXPECT_EQ(rng.GenInt31(), Reference(5489, 2)[1] >> 1);
  EXPECT_EQ(rng.GetGenerationCount(), 1u);
}

TEST_F(CorvelloLibrary, ReseedingRestartsTheStreamAndTheCounter) {
  const auto expected = Reference(77, 3);
  rng.Init(77);
  rng.GenInt32();
  rng.GenInt32();
  rng.Init(77);
  EXPECT_EQ(rng.GetGenerationCount(), 0u);
  EXPECT_EQ(rng.GenInt31(), expected[0] >> 1);
  EXPECT_EQ(rng.GenInt32(), expected[1]);
  EXPECT_EQ(rng.GetGenerationCount(), 2u);
}

TEST_F(CorvelloLibrary, InitAndSkipReturnsTheLastSkippedOutput) {
  const auto expected = Reference(2024, 700);
  EXPECT_EQ(rng.InitAndSkip(2024, 2), expected[1]);
  EXPECT_EQ(rng.GetGenerationCount(), 2u);
  EXPECT_EQ(rng.GenInt32(), expected[2]);
  EXPECT_EQ(rng.GetGenerationCount(), 3u);

  EXPECT_EQ(rng.InitAndSkip(2024, 624), expected[623]);
  EXPECT_EQ(rng.GenInt32(), expected[624]);

  EXPECT_EQ(rng.InitAndSkip(2024, 0), 0u);
  EXPECT_EQ(rng.GetGenerationCount(), 0u);
  EXPECT_EQ(rng.GenInt32(), expected[0]);
}

TEST_F(CorvelloLibrary, RangeBelowTwoDrawsNothing) {
  const auto expected = Reference(9, 2);
  rng.Init(9);
  EXPECT_EQ(rng.GenNumber(0), 0u);
  EXPECT_EQ(rng.GenNumber(1), 0u);
  EXPECT_EQ(rng.GetGenerationCount(), 0u);
  EXPECT_EQ(rng.GenInt32(), expected[0]);
  EXPECT_EQ(rng.GenNumber(1), 0u);
  EXPECT_EQ(rng.GenInt32(), expected[1]);
  EXPECT_EQ(rng.GetGenerationCount(), 2u);
}

TEST_F(CorvelloLibrary, RangeModelBoundsForTypicalRanges) {
  EXPECT_EQ(RangeModel(101).limit, 4294967296u - 68);
  EXPECT_EQ(RangeModel(101).bucket, 42524428u);
  EXPECT_EQ(RangeModel(3).limit, 4294967295u);
  EXPECT_EQ(RangeModel(1u << 31).limit, 4294967296u);
}

// Many ranges, small and large: over 2^31 almost half the outputs are
// redrawn, so rejection and its counting are exercised on real streams.
TEST_F(CorvelloLibrary, RangeDrawsMatchTheRejectionRule) {
  std::mt19937 pick_range(4);
  std::vector<uint32_t> ranges = {2, 3, 37, 64, 101, 1000, 1u << 31, (1u << 31) + 1, 0xFFFFFFFFu};
  for (int i = 0; i < 200; ++i) ranges.push_back(static_cast<uint32_t>(pick_range()) | 2u);
  for (uint32_t n : ranges) {
    const RangeModel model(n);
    std::mt19937 reference(n);
    rng.Init(n);
    uint32_t drawn = 0;
    for (int call = 0; call < 200; ++call) {
      uint64_t d;
      do {
        d = reference();
        ++drawn;
      } while (d >= model.limit);
      ASSERT_EQ(rng.GenNumber(n), d / model.bucket) << "n " << n << " call " << call;
    }
    ASSERT_EQ(rng.GetGenerationCount(), drawn) << "n " << n;
  }
}

// Above 2^31 the limit is n itself, so a known output d sits exactly on the
// boundary for n = d (redrawn) and n = d + 1 (kept).
TEST_F(CorvelloLibrary, RangeRejectsExactlyFromTheLimit) {
  uint32_t seed = 0;
  std::vector<uint32_t> expected;
  do {
    expected = Reference(++seed, 2);
  } while (expected[0] <= 0x80000001u || expected[0] == 0xFFFFFFFFu || expected[1] >= expected[0]);
  rng.Init(seed);
  EXPECT_EQ(rng.GenNumber(expected[0]), expected[1]);
  EXPECT_EQ(rng.GetGenerationCount(), 2u);
  rng.Init(seed);
  EXPECT_EQ(rng.GenNumber(expected[0] + 1), expected[0]);
  EXPECT_EQ(rng.GetGenerationCount(), 1u);
}

TEST_F(CorvelloLibrary, RangeOfTwoIsTheTopBit) {
  const auto expected = Reference(5, 100);
  rng.Init(5);
  for (uint32_t d : expected) ASSERT_EQ(rng.GenNumber(2), d >> 31);
  EXPECT_EQ(rng.GetGenerationCount(), 100u);
}

TEST_F(CorvelloLibrary, ScaledDrawConsumesButDoesNotCount) {
  const auto expected = Reference(31, 1001);
  rng.Init(31);
  EXPECT_EQ(rng.GenNumber2(0), 0u);
  EXPECT_EQ(rng.GenInt32(), expected[1]);
  EXPECT_EQ(rng.GetGenerationCount(), 1u);
  // d * 101 fits in a double exactly, so the result is the exact floor.
  for (size_t i = 2; i < expected.size(); ++i)
    ASSERT_EQ(rng.GenNumber2(101), (uint64_t{expected[i]} * 101) >> 32);
  EXPECT_EQ(rng.GetGenerationCount(), 1u);
}

#if !defined(__SANITIZE_ADDRESS__)
// Four billion draws: too slow under the sanitizers.
TEST_F(CorvelloLibrary, FullCountSkipAndCounterWrap) {
  rng.InitAndSkip(1, static_cast<uint32_t>(-1));
  EXPECT_EQ(static_cast<int32_t>(rng.GetGenerationCount()), -1);
  rng.GenInt32();
  EXPECT_EQ(rng.GetGenerationCount(), 0u);
}
#endif

}  // namespace

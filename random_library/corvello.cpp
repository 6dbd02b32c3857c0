// Corvello: MT19937 (Matsumoto and Nishimura, 2002 seeding) behind a C
// interface. Only the C runtime may be used here: the library must load into
// any program, so no C++ runtime, exceptions or static constructors.
#include "corvello.h"

namespace {

constexpr int kWords = 624;
constexpr int kMiddle = 397;
constexpr uint32_t kMatrix = 0x9908b0dfu;
constexpr uint32_t kUpper = 0x80000000u;
constexpr uint32_t kLower = 0x7fffffffu;
constexpr int kRegenerate = kWords;
constexpr int kNeverSeeded = kWords + 1;
constexpr uint32_t kDefaultSeed = 5489u;

// Constant-initialised, so loading the library runs none of its code.
constinit uint32_t rng_State[kWords] = {};
constinit int32_t rng_Index = kNeverSeeded;
constinit uint32_t rng_GenerationCount = 0;

void rng_SeedState(uint32_t seed) {
  rng_State[0] = seed;
  for (int i = 1; i < kWords; ++i) {
    const uint32_t prev = rng_State[i - 1];
    rng_State[i] = 1812433253u * (prev ^ (prev >> 30)) + static_cast<uint32_t>(i);
  }
  rng_Index = kRegenerate;
}

inline uint32_t Twist(uint32_t word, uint32_t next, uint32_t far) {
  const uint32_t y = (word & kUpper) | (next & kLower);
  return far ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
}

// In place and in index order: from word 227 on, the far word is one
// already regenerated in this pass, as the reference generator does.
void Regenerate() {
  int k = 0;
  for (; k < kWords - kMiddle; ++k)
    rng_State[k] = Twist(rng_State[k], rng_State[k + 1], rng_State[k + kMiddle]);
  for (; k < kWords - 1; ++k)
    rng_State[k] = Twist(rng_State[k], rng_State[k + 1], rng_State[k + kMiddle - kWords]);
  rng_State[k] = Twist(rng_State[k], rng_State[0], rng_State[kMiddle - 1]);
  rng_Index = 0;
}

inline uint32_t rng_NextWord() {
  if (rng_Index >= kRegenerate) [[unlikely]] {
    if (rng_Index == kNeverSeeded) rng_SeedState(kDefaultSeed);
    Regenerate();
  }
  uint32_t y = rng_State[rng_Index++];
  y ^= y >> 11;
  y ^= (y << 7) & 0x9d2c5680u;
  y ^= (y << 15) & 0xefc60000u;
  y ^= y >> 18;
  return y;
}

inline double rng_NextReal() { return rng_NextWord() * 0x1p-32; }

}  // namespace

extern "C" {

void rng_Init(uint32_t seed) {
  rng_SeedState(seed);
  rng_GenerationCount = 0;
}

uint32_t rng_InitAndSkip(uint32_t seed, uint32_t count) {
  rng_SeedState(seed);
  uint32_t last = 0;
  for (uint32_t i = 0; i < count; ++i) last = rng_NextWord();
  rng_GenerationCount = count;
  return last;
}

uint32_t rng_GenInt32(void) {
  ++rng_GenerationCount;
  return rng_NextWord();
}

uint32_t rng_GenInt31(void) {
  ++rng_GenerationCount;
  return rng_NextWord() >> 1;
}

uint32_t rng_GenNumber(uint32_t n) {
  if (n < 2) return 0;
  // In 32 bits: 0 - n is 2^32 - n, so its remainder is 2^32 mod n and its
  // quotient plus one is floor(2^32 / n). The rejected outputs are the r
  // highest, those above ~r; with r = 0 nothing lies above ~r.
  const uint32_t rest = 0u - n;
  const uint32_t r = rest % n;
  const uint32_t bucket = rest / n + 1;
  const uint32_t highest_accepted = ~r;
  uint32_t d;
  do {
    ++rng_GenerationCount;
    d = rng_NextWord();
  } while (d > highest_accepted);
  return d / bucket;
}

uint32_t rng_GenNumber2(uint32_t n) {
  return static_cast<uint32_t>(rng_NextReal() * static_cast<double>(n));
}

uint32_t rng_GetGenerationCount(void) { return rng_GenerationCount; }

}  // extern "C"

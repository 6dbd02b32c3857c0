/* Corvello: one MT19937 generator per process, loaded by the program at run
   time by file name and these function names. No function can fail; the
   caller must use the library from one thread at a time. */
#ifndef CORVELLO_H
#define CORVELLO_H

#include <stdint.h>

#if defined(CORVELLO_BUILDING)
#define CORVELLO_API __attribute__((visibility("default")))
#else
#define CORVELLO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Seeds the generator (all 32 bits used) and sets the counter to 0. */
CORVELLO_API void rng_Init(uint32_t seed);

/* Seeds, draws count outputs and returns the last one (0 when count is 0);
   the counter is then count. */
CORVELLO_API uint32_t rng_InitAndSkip(uint32_t seed, uint32_t count);

/* The next output, and its top 31 bits; both add 1 to the counter. */
CORVELLO_API uint32_t rng_GenInt32(void);
CORVELLO_API uint32_t rng_GenInt31(void);

/* Unbiased 0..n-1 by rejection, counting every output drawn, rejected ones
   included; 0 without drawing when n < 2. */
CORVELLO_API uint32_t rng_GenNumber(uint32_t n);

/* Scaled 0..n-1 (0 when n is 0); consumes one output, counter unchanged. */
CORVELLO_API uint32_t rng_GenNumber2(uint32_t n);

/* Outputs counted since the last seeding, modulo 2^32. */
CORVELLO_API uint32_t rng_GetGenerationCount(void);

#ifdef __cplusplus
}
#endif

#endif

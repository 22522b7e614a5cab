// simd.hpp: which vector instruction sets the kernels compile in (internal,
// not installed).
//
// Every vector path has a portable counterpart that all platforms compile.
// Building with MORVEK_PORTABLE defined (the CMake option of that name)
// turns the vector paths off, so the portable code is what runs; the test
// suite passes either way.

#ifndef MORVEK_SIMD_HPP_
#define MORVEK_SIMD_HPP_

#if !defined(MORVEK_PORTABLE) && (defined(__x86_64__) || defined(__i386__))
#define MORVEK_X86 1  // SSE2, and AVX2 / AVX-512 chosen at run time
#endif

#if !defined(MORVEK_PORTABLE) && defined(__SSE2__)
#define MORVEK_SSE2 1
#endif

#if !defined(MORVEK_PORTABLE) && defined(__aarch64__) && defined(__ARM_NEON)
#define MORVEK_NEON 1
#endif

#endif  // MORVEK_SIMD_HPP_

// landed.hpp: which operation families the reliability tests exercise.
#ifndef MORVEK_TESTS_MODEL_LANDED_HPP_
#define MORVEK_TESTS_MODEL_LANDED_HPP_
#define MORVEK_LANDED_SEARCH 1
#define MORVEK_LANDED_SUBSTRINGS 1
#define MORVEK_LANDED_STRIPPING 1
#define MORVEK_LANDED_REPLACEMENT 1
#define MORVEK_LANDED_WORDS 1
#define MORVEK_LANDED_RADIX 1
#define MORVEK_LANDED_ECO 0
#endif

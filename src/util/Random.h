// The player's one source of random draws, so that a seed given on the
// command line makes every draw repeatable.
#pragma once

#include <cstdint>
#include <random>

namespace kv {

std::mt19937& RandomEngine();
void SeedRandom(std::uint32_t seed);

}  // namespace kv

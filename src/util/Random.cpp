#include "Random.h"

namespace kv {

std::mt19937& RandomEngine() {
  static std::mt19937 engine{std::random_device{}()};
  return engine;
}

void SeedRandom(std::uint32_t seed) { RandomEngine().seed(seed); }

}  // namespace kv

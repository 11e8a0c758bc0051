// Replays stored inputs through a fuzz target without libFuzzer, so the normal
// build checks every corpus file on each test run.
// usage: TARGET FILE_OR_FOLDER...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

// The files named, a folder standing for its regular files in name order.
std::vector<fs::path> InputsOf(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    if (!fs::is_directory(path)) {
      inputs.push_back(path);
      continue;
    }
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(path))
      if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
  }
  return inputs;
}

bool ReadInput(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<fs::path> inputs = InputsOf(argc, argv);
  // An empty or mistyped corpus path would otherwise pass without checking anything.
  if (inputs.empty()) {
    std::fprintf(stderr, "%s: no inputs\n", argv[0]);
    return 1;
  }
  std::string bytes;
  for (const fs::path& input : inputs) {
    if (!ReadInput(input, bytes)) {
      std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str());
      return 1;
    }
    // Named before running, so a crash shows which input caused it.
    std::fprintf(stderr, "running %s\n", input.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::fprintf(stderr, "%zu inputs ran\n", inputs.size());
  return 0;
}

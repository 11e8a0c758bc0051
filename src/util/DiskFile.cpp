#include "DiskFile.h"

#include <filesystem>

#include "Cp1251.h"
#include "uUtils.h"

namespace fs = std::filesystem;

namespace kv {
namespace {

bool IsRegular(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// The entry of `folder` whose name equals `name` without regard to case.
std::optional<fs::path> FindEntryIgnoringCase(const fs::path& folder, const std::string& name) {
  bool exact = false;
  const std::string wanted = Utf8ToCp1251(name, &exact);
  if (!exact) return std::nullopt;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = Utf8ToCp1251(it->path().filename().string(), &exact);
    if (exact && SameText(entry, wanted)) return it->path();
  }
  return std::nullopt;
}

}  // namespace

std::string NativePathOf(const std::string& coursePath) {
  const std::string folder = ProgramFolder();
  std::string native;
  std::string rest = coursePath;
  if (rest.compare(0, folder.size(), folder) == 0) {
    native = NativeProgramFolder();
    rest.erase(0, folder.size());
  }
  for (char& c : rest)
    if (c == '\\') c = '/';
  return native + Cp1251ToUtf8(rest);
}

std::optional<std::string> FindDiskFile(const std::string& coursePath) {
  if (coursePath.empty()) return std::nullopt;
  const fs::path native = NativePathOf(coursePath);
  if (IsRegular(native)) return native.string();
  fs::path found = native.root_path();
  std::error_code error;
  for (const fs::path& part : native.relative_path()) {
    const std::string name = part.string();
    if (name.empty()) continue;
    fs::path next = found / part;
    if (!fs::exists(next, error)) {
      auto match = FindEntryIgnoringCase(found.empty() ? fs::path(".") : found, name);
      if (!match) return std::nullopt;
      next = found / match->filename();
    }
    found = std::move(next);
  }
  if (!IsRegular(found)) return std::nullopt;
  return found.string();
}

bool DiskFileExists(const std::string& coursePath) { return FindDiskFile(coursePath).has_value(); }

}  // namespace kv

#include "BuildOrder.h"

#include "util/Cp1251.h"

namespace kv {
namespace {

using TMake = std::function<bool(const TBuildEntry&, const std::string&)>;

// Entries keep their file positions while others are created, so every walk
// stays valid however deep the creation below it went.
struct TWork {
  const std::vector<TBuildEntry>& Entries;
  std::vector<bool> Done;
  const TMake& Make;

  void Create(std::size_t i, const std::string& parent) {
    Done[i] = true;
    if (Make(Entries[i], parent)) CreateChildren(Entries[i].Name);
  }

  void CreateChildren(const std::string& container) {
    for (std::size_t i = 0; i < Entries.size(); ++i)
      if (!Done[i] && SameText(Entries[i].Master, container)) Create(i, container);
  }
};

}  // namespace

std::vector<TBuildEntry> CreateInBuildOrder(std::vector<TBuildEntry> entries, const std::string& formName,
                                            const TMake& make) {
  TWork work{entries, std::vector<bool>(entries.size(), false), make};
  for (bool progress = true; progress;) {
    progress = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (work.Done[i]) continue;
      const std::string master = LowerCase(entries[i].Master);
      if (!master.empty() && master != formName) continue;
      work.Create(i, std::string());
      progress = true;
    }
  }
  // What is left waits for masters that never come.
  std::vector<TBuildEntry> left;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (!work.Done[i]) left.push_back(entries[i]);
  return left;
}

}  // namespace kv

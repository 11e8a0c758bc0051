// The order in which a description's objects are created: parents before
// their children, depth first, siblings in file order.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kv {

struct TBuildEntry {
  std::string Name;
  std::string Master;  // empty or the form's name: directly on the page
};

// Creates every entry whose master is empty, `formName`, or a container
// created before it. `make(entry, parent)` creates one object (`parent` is
// empty for the page) and returns true when it made a container, whose
// children are then created at once. Returns the entries that can never be
// created (a master that does not exist, is no container, or a cycle).
std::vector<TBuildEntry> CreateInBuildOrder(std::vector<TBuildEntry> work, const std::string& formName,
                                            const std::function<bool(const TBuildEntry&, const std::string&)>& make);

}  // namespace kv

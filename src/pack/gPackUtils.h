// Course files in the forms their readers want: lines, a whole text, a stream.
// (Pictures are loaded by the Qt layer.)
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gPack.h"

namespace kv {

std::vector<std::string> LoadPackStrings(const std::string& name);

// The lines of `name` joined with CR LF after every line; a non-empty
// `argument` replaces every "%s" (either case).
std::string LoadPackText(const std::string& name, const std::string& argument);

std::unique_ptr<TPack> OpenPackStream(const std::string& name);

}  // namespace kv

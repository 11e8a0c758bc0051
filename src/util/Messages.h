// How the core shows a message to the user. The core only knows a sink:
// the player installs one that opens a message box (or records the text in
// a script run), tools print to standard error, tests capture.
#pragma once

#include <functional>
#include <string>

namespace kv {

// Text is Windows-1251.
using TMessageSink = std::function<void(const std::string& text)>;

// Shows a message through the installed sink (standard error by default).
void ShowMessage(const std::string& text);

// Installs a sink and returns the one it replaces; an empty sink restores the default.
TMessageSink SetMessageSink(TMessageSink sink);

}  // namespace kv

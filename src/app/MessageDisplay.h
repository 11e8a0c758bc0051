// Shows the core's messages: a message box for a person at the screen, or a
// line "message: TEXT" on standard error when nobody is there to click.
#pragma once

#include <string>
#include <vector>

namespace kv {

void InstallMessageDisplay(bool unattended);

// Every message shown so far, in order (UTF-8).
const std::vector<std::string>& ShownMessages();

}  // namespace kv

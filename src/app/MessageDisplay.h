// Shows the core's messages: a message box for a person at the screen, or a
// line "message: TEXT" on standard error when nobody is there to click.
#pragma once

namespace kv {

void InstallMessageDisplay(bool unattended);

}  // namespace kv

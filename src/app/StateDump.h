// The player's state as JSON, for scripts: the messages shown so far and, for
// every living interpreter, its window and the objects it built.
#pragma once

#include <QJsonObject>

namespace kv {

QJsonObject DumpState();

}  // namespace kv

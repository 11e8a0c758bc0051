// Between Qt's keys and the shortcut encoding of hot-key tables
// (virtual key code plus Shift, Ctrl and Alt flags).
#pragma once

#include <QKeySequence>
#include <Qt>

#include "interpreter/skHotKey.h"

namespace kv {

// The virtual key code of a Qt key, or 0 when it has none.
std::uint16_t VirtualKeyOf(int qtKey);

TShortCut ShortCutOf(int qtKey, Qt::KeyboardModifiers modifiers);

// The Qt key of a shortcut's virtual key code (Qt::Key_unknown when none) and its modifiers.
int QtKeyOf(TShortCut shortCut);
Qt::KeyboardModifiers ModifiersOf(TShortCut shortCut);

QKeySequence KeySequenceOf(TShortCut shortCut);

}  // namespace kv

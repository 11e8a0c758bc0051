#include "KeyCodes.h"

#include <utility>

namespace kv {
namespace {

const std::pair<int, std::uint16_t> kKeys[] = {
    {Qt::Key_Backspace, vk::Back}, {Qt::Key_Tab, vk::Tab},         {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},   {Qt::Key_Escape, vk::Escape},   {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::Prior},   {Qt::Key_PageDown, vk::Next},   {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},      {Qt::Key_Left, vk::Left},       {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},    {Qt::Key_Down, vk::Down},       {Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, vk::Delete},  {Qt::Key_Asterisk, vk::Multiply}, {Qt::Key_Plus, vk::Add},
    {Qt::Key_Minus, vk::Subtract}, {Qt::Key_Slash, vk::Divide},
};

}  // namespace

std::uint16_t VirtualKeyOf(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return static_cast<std::uint16_t>(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<std::uint16_t>(vk::F1 + (qtKey - Qt::Key_F1));
  for (const auto& [key, code] : kKeys)
    if (key == qtKey) return code;
  return 0;
}

TShortCut ShortCutOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  const std::uint16_t key = VirtualKeyOf(qtKey);
  if (key == 0) return 0;
  TShortCut shortCut = key;
  if (modifiers & Qt::ShiftModifier) shortCut |= scShift;
  if (modifiers & Qt::ControlModifier) shortCut |= scCtrl;
  if (modifiers & Qt::AltModifier) shortCut |= scAlt;
  return shortCut;
}

int QtKeyOf(TShortCut shortCut) {
  const std::uint16_t key = shortCut & 0x1FFF;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return key;
  if (key >= vk::F1 && key < vk::F1 + 24) return Qt::Key_F1 + (key - vk::F1);
  for (const auto& [qtKey, code] : kKeys)
    if (code == key) return qtKey;
  return Qt::Key_unknown;
}

Qt::KeyboardModifiers ModifiersOf(TShortCut shortCut) {
  Qt::KeyboardModifiers modifiers;
  if (shortCut & scShift) modifiers |= Qt::ShiftModifier;
  if (shortCut & scCtrl) modifiers |= Qt::ControlModifier;
  if (shortCut & scAlt) modifiers |= Qt::AltModifier;
  return modifiers;
}

QKeySequence KeySequenceOf(TShortCut shortCut) {
  const int key = QtKeyOf(shortCut);
  if (shortCut == 0 || key == Qt::Key_unknown) return {};
  return QKeySequence(QKeyCombination(ModifiersOf(shortCut), static_cast<Qt::Key>(key)));
}

}  // namespace kv

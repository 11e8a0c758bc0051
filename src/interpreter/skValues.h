// Value syntaxes of descriptions as they meet Qt: colours, fonts, cursors.
#pragma once

#include <QColor>
#include <QCursor>
#include <string>

#include "util/uUtils.h"

class QWidget;

namespace kv {

QColor ToQColor(TColor color);

// name*size*colour*style applied to the widget's font and text colour; empty
// parts leave that part unchanged; a style part resets the style first.
void ApplyFont(QWidget* widget, const std::string& text);

// A cursor identifier (crHandPoint...) or number; other text raises EConvertError.
QCursor CursorOf(const std::string& text);

}  // namespace kv

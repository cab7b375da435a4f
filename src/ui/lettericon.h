// Toolbar pictures drawn at run time: a few letters on a rounded coloured square.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace ui {

/// A 20x20 picture of \a letters (one to three) in white on \a colour.
QIcon letterIcon(const QString &letters, const QColor &colour);

} // namespace ui

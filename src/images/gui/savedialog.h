// What the picture functions ask of a save dialog, and the dialog that answers it.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace images {

struct SaveRequest {
    QString folder;        ///< initial folder; empty for the dialog's own
    QString proposedName;  ///< file name shown at first
    QString defaultSuffix; ///< added to a typed name without extension
    QString filter;        ///< "description|pattern"
};

/// Asks for a file name; an empty result means the user cancelled.
using SaveAsker = std::function<QString(const SaveRequest &)>;

/// The save dialog "SaveDialog1" of \a parent: asks before overwriting a file.
QString askSaveName(QWidget *parent, const SaveRequest &request);

} // namespace images

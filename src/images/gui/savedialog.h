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
    QString title;         ///< empty for the dialog's own
    bool confirmOverwrite = true;
    QString dialogName = QStringLiteral("SaveDialog1");
};

/// Asks for a file name; an empty result means the user cancelled.
using SaveAsker = std::function<QString(const SaveRequest &)>;

/// The save dialog of \a parent, named after the request, asking before overwriting a file when
/// the request says so.
QString askSaveName(QWidget *parent, const SaveRequest &request);

} // namespace images

// The program's modal message boxes. Texts may hold carriage returns as line breaks.
#pragma once

#include <QString>

class QWidget;

namespace ui {

/// Information box with an OK button, titled "Information".
void showInformation(QWidget *parent, const QString &text);
/// Error box with an OK button, titled "Erreur".
void showError(QWidget *parent, const QString &text);
/// The general error box for a failure nobody handled, titled with the application's title.
void showFailure(QWidget *parent, const QString &text);
/// Yes/No question; true for Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

/// \a text with its carriage returns turned into line breaks for display.
QString displayedText(const QString &text);

} // namespace ui

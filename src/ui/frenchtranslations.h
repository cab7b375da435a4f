// Qt's own texts in French: the common dialogs (open, save, print, page set-up, colour, font),
// the standard buttons of message boxes and the context menus of text fields.
#pragma once

class QCoreApplication;

namespace ui {

/// Loads Qt's French translations into \a app, whatever the system's language; the translator
/// lives as long as \a app. False when they are not installed (the texts then stay in English).
bool installFrenchTranslations(QCoreApplication &app);

} // namespace ui

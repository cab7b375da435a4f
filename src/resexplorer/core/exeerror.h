// The one failure of the resource reader: a message for the user, raised by every step that
// cannot go on (opening, checking, walking the resource directory, decoding, saving).
#pragma once

#include <QString>

#include <exception>

namespace resexplorer {

class EExeError : public std::exception {
public:
    explicit EExeError(QString message) : m_message(std::move(message)), m_what(m_message.toUtf8()) {}

    QString message() const { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

/// Messages of our own for files whose resource structures are damaged.
namespace damage {
inline QString outsideFile() { return QStringLiteral("Fichier endommagé : données de ressource hors du fichier"); }
inline QString loop() { return QStringLiteral("Fichier endommagé : le répertoire de ressources boucle sur lui-même"); }
inline QString tooDeep() { return QStringLiteral("Fichier endommagé : répertoire de ressources trop profond"); }
inline QString tooManyEntries() { return QStringLiteral("Fichier endommagé : trop d'entrées de ressources"); }
inline QString badPicture() { return QStringLiteral("Fichier endommagé : image de ressource illisible"); }
inline QString unterminatedText() { return QStringLiteral("Fichier endommagé : texte de menu sans fin"); }
} // namespace damage

} // namespace resexplorer

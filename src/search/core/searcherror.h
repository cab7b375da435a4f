// How a search fails: a file that could be opened failed while being read, and the search is
// abandoned there.
#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace search {

/// What the engine raises to its caller, with the message the user is shown.
class SearchError : public std::runtime_error {
public:
    explicit SearchError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

/// What a walk raises inside the engine: the file and the error number.
struct FileReadError {
    QByteArray path;
    int error = 0;
};

} // namespace search

// The command line of vorlane-search, read the way grep's users expect: options first, "--" to
// end them, then the folder and the string.
#pragma once

#include "search/core/searchrequest.h"

#include <QString>
#include <QStringList>

namespace search {

struct CommandLine {
    enum class Action { Search, Help, Version, Error };

    Action action = Action::Error;
    SearchRequest request;
    /// Threads reading the files (--threads); 0 for one per processor.
    int workers = 0;
    /// Why the line cannot be run, for Action::Error.
    QString error;

    /// Reads \a arguments (without the program name).
    static CommandLine parse(const QStringList &arguments);
    /// The text of --help.
    static QString helpText();
    /// The text of --version.
    static QString versionText();
};

/// Exit statuses, as grep's.
enum ExitStatus { ExitFound = 0, ExitNothingFound = 1, ExitError = 2 };

} // namespace search

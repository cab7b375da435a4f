// "Ouvrir dans l'éditeur externe": opens the file of the caret's line in the user's own
// editor, at the line of a match line (see editorcommand.h for the command run).
#pragma once

#include "search/core/editorcommand.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace search {

class ResultsView;

class ExternalEditorAction : public QObject {
    Q_OBJECT
public:
    /// The command set in the options, read when the item is used.
    using CommandSetting = std::function<QString()>;

    ExternalEditorAction(ResultsView *Memo1, CommandSetting command, QObject *parent = nullptr);

    /// The file the caret's line belongs to and the line to show (0 on a header line).
    struct Target {
        QString file;
        qint64 line = 0;
    };
    /// Nothing when no file of the list is found at or above the caret.
    std::optional<Target> target() const;

    /// Runs the editor on target(); says so in a box when it cannot start.
    void EditeurExterne1Click();

private:
    ResultsView *m_Memo1;
    CommandSetting m_command;
};

} // namespace search

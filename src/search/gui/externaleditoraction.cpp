#include "search/gui/externaleditoraction.h"

#include "platform/programs.h"
#include "platform/shell.h"
#include "search/core/blockheader.h"
#include "search/core/matchspans.h"
#include "search/core/resultlist.h"
#include "search/gui/resultsview.h"
#include "ui/messageboxes.h"

#include <QFileInfo>

namespace search {

ExternalEditorAction::ExternalEditorAction(ResultsView *Memo1, CommandSetting command, QObject *parent)
    : QObject(parent), m_Memo1(Memo1), m_command(std::move(command))
{
}

std::optional<ExternalEditorAction::Target> ExternalEditorAction::target() const
{
    const std::size_t caretLine = m_Memo1->caret().line;
    if (caretLine >= m_Memo1->lineCount())
        return std::nullopt;
    const auto header = headerLineAbove(m_Memo1->lines(), caretLine);
    const auto file = header ? existingFile(m_Memo1->lineText(*header)) : std::nullopt;
    if (!file)
        return std::nullopt;
    const QString line = m_Memo1->lineText(caretLine);
    const qsizetype prefix = matchLinePrefix(line);
    return Target{*file, prefix == 0 ? 0 : QStringView(line).first(prefix - 3).toLongLong()};
}

void ExternalEditorAction::EditeurExterne1Click()
{
    const auto found = target();
    if (!found)
        return;
    const EditorChoice choice{m_command ? m_command() : QString(), qEnvironmentVariable("VISUAL"),
                              qEnvironmentVariable("EDITOR")};
    const auto launch = editorLaunch(choice, found->file, found->line, &platform::findProgram);
    const bool started = launch && (launch->desktopDefault
                                        ? platform::shellOpen(found->file)
                                        : platform::startProgram(launch->program, launch->arguments,
                                                                 QFileInfo(found->file).absolutePath()));
    if (!started) {
        QString command = launch && !launch->desktopDefault ? launch->program : choice.configured.trimmed();
        for (const QString &other : {choice.visual, choice.editor})
            if (command.isEmpty())
                command = other.trimmed();
        ui::showError(m_Memo1->window(), command.isEmpty()
                                             ? QStringLiteral("Impossible d'ouvrir le fichier %1.").arg(found->file)
                                             : QStringLiteral("Impossible de lancer l'éditeur externe %1.").arg(command));
    }
}

} // namespace search

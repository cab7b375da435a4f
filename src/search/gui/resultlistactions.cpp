#include "search/gui/resultlistactions.h"

#include "platform/shell.h"
#include "search/core/resultlist.h"
#include "search/gui/resultsview.h"
#include "search/gui/searchhost.h"
#include "ui/messageboxes.h"
#include "ui/saveprintdialogs.h"
#include "ui/textprinter.h"
#include "ui/windowsfilter.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>

namespace search {

namespace {

const QString ListFilter = QStringLiteral("Fichiers Liste (*.LST)|*.LST");

} // namespace

ResultListActions::ResultListActions(ResultsView *Memo1, SearchHost &host, ui::SavePrintDialogs &dialogs,
                                     const QString &startupDirectory, SearchText searchText, QObject *parent)
    : QObject(parent), m_Memo1(Memo1), m_host(host), m_dialogs(dialogs), m_startupDirectory(startupDirectory),
      m_searchText(std::move(searchText)), m_OpenDialog1(new QFileDialog(Memo1->window()))
{
    m_OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    m_OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    m_OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    m_viewport = m_Memo1->viewport();
    m_viewport->installEventFilter(this);
}

std::optional<QString> ResultListActions::memoselectfile() const
{
    const auto caretLine = static_cast<qsizetype>(m_Memo1->selectionStart().line);
    const auto header = headerOfLine(caretLine, [this](qsizetype n) {
        return n < static_cast<qsizetype>(m_Memo1->lineCount()) ? m_Memo1->lineText(static_cast<std::size_t>(n))
                                                                : QString();
    });
    if (!header)
        return std::nullopt;
    auto file = existingFile(*header);
    if (!file)
        ui::showError(m_Memo1->window(), QStringLiteral("Le fichier %1 n'existe plus.").arg(header->trimmed()));
    return file;
}

void ResultListActions::ouvre_fichierClick()
{
    if (const auto file = memoselectfile())
        m_host.openChild(*file);
}

void ResultListActions::Executecefichier1Click()
{
    const auto file = memoselectfile();
    if (file && isRunnableFile(*file))
        platform::shellExecute(*file, QFileInfo(*file).absolutePath());
}

void ResultListActions::ExtentionClick()
{
    if (const auto file = memoselectfile())
        platform::shellOpen(*file);
}

void ResultListActions::ToolBtnSaveClick()
{
    if (m_Memo1->lines().empty())
        return;
    m_host.setResultsVisible(true);
    QFileDialog *dialog = m_dialogs.sauvefichier();
    dialog->setWindowTitle(QStringLiteral("~Vorlane~ sauve la liste rsesultat de recherche"));
    m_dialogs.setSaveFilter(ListFilter);
    dialog->setDirectory(m_startupDirectory);
    dialog->selectFile(proposedListName(m_searchText ? m_searchText() : QString()));
    const QString chosen = m_dialogs.runSaveDialog();
    if (chosen.isEmpty())
        return;
    QString error;
    if (!saveResultList(chosen, m_Memo1->lines(), &error))
        ui::showFailure(m_Memo1->window(), error);
}

void ResultListActions::ToolBtnOpenClick()
{
    m_host.setResultsVisible(true);
    m_OpenDialog1->setDirectory(m_startupDirectory);
    m_OpenDialog1->setWindowTitle(QStringLiteral("~Vorlane~ Ouvre liste recherche"));
    ui::setWindowsFilter(*m_OpenDialog1, ListFilter);
    if (m_OpenDialog1->exec() != QDialog::Accepted)
        return;
    const QString chosen = m_OpenDialog1->selectedFiles().value(0);
    ResultLines list;
    QString error;
    // The list is only replaced once the file has been read whole.
    if (!loadResultList(chosen, &list, &error)) {
        ui::showFailure(m_Memo1->window(), error);
        return;
    }
    m_Memo1->setLines(std::move(list));
}

void ResultListActions::ToolBtnPrintClick()
{
    const ResultLines &list = m_Memo1->lines();
    if (list.empty())
        return;
    const auto range = m_dialogs.runPrintDialog(m_Memo1->hasSelection());
    if (range == ui::SavePrintDialogs::PrintRange::Cancelled)
        return;
    QStringList printed;
    if (range == ui::SavePrintDialogs::PrintRange::Selection) {
        printed.append(QLatin1Char(' ') + m_Memo1->selectedText());
    } else {
        printed.reserve(static_cast<qsizetype>(list.count()));
        for (std::size_t i = 0; i < list.count(); ++i)
            printed.append(QLatin1Char(' ') + list.text(i));
    }
    ui::TextPrinter printer(m_dialogs.printer());
    if (!printer.print(printed, m_Memo1->font()))
        ui::showFailure(m_Memo1->window(), printer.errorString());
}

bool ResultListActions::eventFilter(QObject *watched, QEvent *event)
{
    // The list handles the double-click first (the caret is then on the clicked line). The
    // viewport is compared as kept: the filter also sees events while the list is destroyed.
    if (watched == m_viewport && event->type() == QEvent::MouseButtonDblClick)
        QMetaObject::invokeMethod(this, &ResultListActions::ouvre_fichierClick, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

} // namespace search

#include "search/gui/searchpresenter.h"

#include "platform/textcodec.h"
#include "search/core/resultlist.h"
#include "search/core/searchengine.h"
#include "search/gui/resultsview.h"
#include "ui/messageboxes.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace search {

SearchPresenter::SearchPresenter(const SearchDisplay &display, QObject *parent) : QObject(parent), m_display(display) {}

int SearchPresenter::displayLimit(int statusBarWidth)
{
    return (statusBarWidth - 400) / 8 - 2;
}

QString SearchPresenter::shortenForDisplay(const QString &text, int limit)
{
    const qsizetype n = text.size();
    if (n <= limit)
        return text;
    const qsizetype x = n - limit;
    const qsizetype keep = std::clamp<qsizetype>(n / 2 - x / 2, 0, n);
    const qsizetype resume = std::clamp<qsizetype>(n / 2 + x / 2 - 1, 0, n);
    return text.left(keep) + QStringLiteral("~~") + text.mid(resume);
}

QString SearchPresenter::foundText(std::int64_t filesFound)
{
    return QStringLiteral("  ") + QString::number(filesFound) + QStringLiteral(" Fichiers trouvés !  ");
}

bool SearchPresenter::run(const SearchRequest &request)
{
    begin();
    SearchEngine engine(*this);
    engine.setCallerFirst(true);
    SearchTotals totals;
    try {
        totals = engine.run(request);
    } catch (const SearchError &error) {
        paint();
        platform::showScreenCursor(m_cursors, 0);
        end();
        ui::showFailure(m_display.window, error.message());
        return false;
    }
    paint();
    platform::showScreenCursor(m_cursors, 0);
    if (m_closing) {
        end();
        return false;
    }
    QApplication::beep();
    QApplication::beep();
    ui::showInformation(m_display.window, SearchEngine::summaryText(totals));
    end();
    return true;
}

void SearchPresenter::begin()
{
    m_running = true;
    for (int i = 1; i < StatusPanelCount; i += 2)
        m_display.panels[static_cast<std::size_t>(i)]->clear();
    m_display.statusBar->show();
    m_stopRequest = false;
    m_display.stopCommand->setEnabled(true);
}

void SearchPresenter::end()
{
    m_stopRequest = false;
    m_display.stopCommand->setEnabled(false);
    m_display.statusBar->hide();
    m_running = false;
    m_display.results->setFocus();
    if (m_closing)
        QTimer::singleShot(0, m_display.window, &QWidget::close);
}

void SearchPresenter::clearResults()
{
    m_display.results->clear();
}

bool SearchPresenter::deferClose()
{
    if (!m_running)
        return false;
    m_closing = true;
    m_stopRequest = true;
    return true;
}

void SearchPresenter::searchStarted(const SearchRequest &request)
{
    m_cursorStep = 1;
    m_anyFound = false;
    m_showFound = false;
    m_currentFile.clear();
    m_display.results->setMatchPattern({request.text, request.caseSensitive});
    m_displayLimit = displayLimit(m_display.statusBar->width());
    m_sinceService.start();
    setPanel(PanelText, request.text);
    setPanel(PanelFile, request.folder.isEmpty() ? QStringLiteral("/") : request.folder);
    // The loop is let in once before the walk, so the status bar is painted at once.
    service();
    m_sinceService.restart();
}

void SearchPresenter::fileEntered(const QByteArray &path)
{
    m_currentFile = path;
    m_showFound = false;
}

void SearchPresenter::fileMatched(const QByteArray &path)
{
    m_anyFound = true;
    m_display.results->appendLine(FileSeparatorLine);
    m_shownPath.clear();
    platform::appendShownText(m_shownPath, path.constData(), static_cast<std::size_t>(path.size()),
                              static_cast<std::size_t>(path.size()));
    m_display.results->appendLine(std::string_view(m_shownPath));
}

void SearchPresenter::linesMatched(const MatchedLines &lines)
{
    m_display.results->appendLines(lines.text, lines.size, lines.count);
}

void SearchPresenter::folderLeft()
{
    if (m_anyFound)
        m_showFound = true;
}

bool SearchPresenter::shouldContinue(const SearchProgress &progress)
{
    m_cursorStep = m_cursorStep % platform::BusyCursors::count + 1;
    // The interval runs from the start of one service to the next, so the window's loop is let
    // in every interval whatever the painting took.
    if (m_sinceService.elapsed() >= m_serviceInterval) {
        m_sinceService.restart();
        updatePanels(progress);
        platform::showScreenCursor(m_cursors, m_cursorStep);
        service();
    }
    return !m_stopRequest;
}

void SearchPresenter::searchEnded(const SearchProgress &progress, SearchEnd)
{
    updatePanels(progress);
}

void SearchPresenter::setPanel(int panel, const QString &text)
{
    const auto index = static_cast<std::size_t>(panel);
    m_pendingPanels[index] = text;
    m_panelDirty[index] = true;
}

void SearchPresenter::updatePanels(const SearchProgress &progress)
{
    setPanel(PanelExamined, QString::number(progress.filesExamined));
    setPanel(PanelFound, QString::number(progress.filesFound));
    setPanel(PanelLine, QString::number(progress.lineInFile));
    if (m_showFound)
        setPanel(PanelFile, foundText(progress.filesFound));
    else if (!m_currentFile.isEmpty())
        setPanel(PanelFile, shortenForDisplay(platform::decodePath(m_currentFile), m_displayLimit));
}

void SearchPresenter::paint()
{
    for (std::size_t i = 0; i < m_panelDirty.size(); ++i) {
        if (m_panelDirty[i]) {
            m_display.panels[i]->setText(m_pendingPanels[i]);
            m_panelDirty[i] = false;
        }
    }
}

void SearchPresenter::service()
{
    paint();
    QCoreApplication::processEvents();
}

} // namespace search

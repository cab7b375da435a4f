#include "search/gui/contextpane.h"

#include "search/core/blockheader.h"
#include "search/gui/resultsview.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace search {

namespace {

constexpr int ShownLines = 2 * ContextFetcher::Around + 1;

} // namespace

ContextPane::ContextPane(ResultsView *list, QWidget *parent) : ContextPane(list, nullptr, parent) {}

ContextPane::ContextPane(ResultsView *list, ContextFetcher::Reader reader, QWidget *parent)
    : QFrame(parent), m_list(list),
      m_fetcher(reader ? new ContextFetcher(std::move(reader), this) : new ContextFetcher(this)),
      m_caption(new QLabel(this)), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("ApercuContexte"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_caption->setObjectName(QStringLiteral("ApercuTitre"));
    m_caption->setTextFormat(Qt::PlainText);
    m_text->setObjectName(QStringLiteral("ApercuTexte"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setPalette(list->palette());
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    column->addWidget(m_caption);
    column->addWidget(m_text);
    fitHeight();

    connect(m_list, &ResultsView::caretMoved, this, &ContextPane::followCaret);
    connect(m_fetcher, &ContextFetcher::ready, this, &ContextPane::showContext);
    connect(m_fetcher, &ContextFetcher::waiting, this,
            [this] { showMessage(QStringLiteral("Lecture du fichier en cours...")); });
}

QString ContextPane::caption() const
{
    return m_caption->text();
}

QString ContextPane::text() const
{
    return m_text->toPlainText();
}

void ContextPane::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    followCaret();
}

void ContextPane::fitHeight()
{
    m_text->setFont(m_list->font());
    const int rows = QFontMetrics(m_text->font()).lineSpacing() * ShownLines;
    const int margins = 2 * m_text->frameWidth() + 2 * static_cast<int>(m_text->document()->documentMargin());
    m_text->setFixedHeight(rows + margins + m_text->horizontalScrollBar()->sizeHint().height() + 2);
}

void ContextPane::followCaret()
{
    if (!isVisible())
        return;
    fitHeight();
    const std::size_t caretLine = m_list->caret().line;
    const QString line = caretLine < m_list->lineCount() ? m_list->lineText(caretLine) : QString();
    const qsizetype prefix = matchLinePrefix(line);
    const auto headerLine = prefix == 0 ? std::nullopt : headerLineAbove(m_list->lines(), caretLine);
    if (!headerLine) {
        m_fetcher->cancel();
        m_caption->clear();
        m_text->clear();
        emit contextShown();
        return;
    }
    const qint64 number = QStringView(line).first(prefix - 3).toLongLong();
    m_pattern = m_list->matchPattern();
    const QString header = m_list->lineText(*headerLine);
    m_caption->setText(QStringLiteral("%1, ligne %2").arg(header.trimmed()).arg(number));
    m_fetcher->fetch(header, number);
}

void ContextPane::showMessage(const QString &message)
{
    m_text->setExtraSelections({});
    m_text->setPlainText(message);
}

void ContextPane::showContext(const FileContext &context)
{
    if (!context.error.isEmpty()) {
        showMessage(context.error);
        emit contextShown();
        return;
    }
    const qint64 last = context.firstLine + context.lines.size() - 1;
    const int width = static_cast<int>(QString::number(last).size());
    QStringList shown;
    shown.reserve(context.lines.size());
    for (qsizetype i = 0; i < context.lines.size(); ++i)
        // Figure spaces pad the numbers: as wide as a digit, they keep the column in any font.
        shown.append(QStringLiteral("%1  %2").arg(context.firstLine + i, width, 10, QChar(0x2007)).arg(context.lines[i]));
    m_text->setPlainText(shown.join(u'\n'));

    QList<QTextEdit::ExtraSelection> marks;
    const int row = static_cast<int>(context.line - context.firstLine);
    const QTextBlock block = m_text->document()->findBlockByNumber(row);
    if (block.isValid()) {
        QTextEdit::ExtraSelection line;
        line.cursor = QTextCursor(block);
        line.format.setBackground(matchLineBackground());
        line.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(line);
        const int offset = width + 2;
        for (const MatchSpan &span : findMatches(context.lines[row], m_pattern)) {
            QTextEdit::ExtraSelection match;
            match.cursor = QTextCursor(block);
            match.cursor.setPosition(block.position() + offset + static_cast<int>(span.start));
            match.cursor.setPosition(block.position() + offset + static_cast<int>(span.start + span.length),
                                     QTextCursor::KeepAnchor);
            match.format.setBackground(ResultsView::matchBackground());
            match.format.setForeground(QColor(Qt::black));
            marks.append(match);
        }
    }
    m_text->setExtraSelections(marks);
    emit contextShown();
}

} // namespace search

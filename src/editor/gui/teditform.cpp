#include "editor/gui/teditform.h"

#include "platform/textcodec.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace editor {

TEditForm::TEditForm(QWidget *parent) : QWidget(parent), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral(" "));
    m_text->setObjectName(QStringLiteral("RichEdit1"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
}

bool TEditForm::openFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_text->setPlainText(platform::decodeText(file.readAll()));
    setWindowTitle(path);
    return true;
}

void TEditForm::setText(const QString &text)
{
    m_text->setPlainText(text);
}

QString TEditForm::text() const
{
    return m_text->toPlainText();
}

} // namespace editor

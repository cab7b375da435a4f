#include "ui/messageboxes.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace ui {

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, displayedText(text), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace

QString displayedText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace('\r', '\n');
    return shown;
}

void showInformation(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Information, QStringLiteral("Information"), text);
}

void showError(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Critical, QStringLiteral("Erreur"), text);
}

void showFailure(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text);
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, displayedText(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    return box.exec() == QMessageBox::Yes;
}

} // namespace ui

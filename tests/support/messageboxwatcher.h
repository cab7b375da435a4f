// Answers the modal message boxes a window under test opens, and records their texts.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace testing_support {

class MessageBoxWatcher {
public:
    /// Presses \a answer in every message box that appears while the watcher lives.
    explicit MessageBoxWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(5);
    }

    QStringList texts;
    QStringList titles;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts.append(box->text());
        titles.append(box->windowTitle());
        QAbstractButton *button = box->button(m_answer);
        if (!button)
            button = box->buttons().value(0);
        if (button)
            button->click();
    }

    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};

} // namespace testing_support

// Answers the modal dialog a test expects next (message box, file, print or font dialog) from
// inside its event loop, and records what it showed.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QFileDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testing_support {

/// Once a modal dialog other than the one already up (if any) is shown, \a answer gets it.
/// Gives up silently after \a timeoutMs; the test then fails on what was not done. Deleting
/// the returned watcher stops waiting.
inline QPointer<QTimer> answerNextModal(const std::function<void(QWidget *)> &answer, int timeoutMs = 20000)
{
    QWidget *before = QApplication::activeModalWidget();
    auto *timer = new QTimer;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, before, answer, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool shown = modal && modal != before && modal->isVisible();
        if (shown || clock.elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (shown)
                answer(modal);
        }
    });
    timer->start(10);
    return timer;
}

/// Chooses \a path in the shown file dialog \a dialog as a user typing it would, and confirms.
/// (selectFile() leaves the name box alone while it has the focus.) A question the dialog asks
/// then (a file to replace, a folder missing) is answered No and written to standard error, so
/// the test fails on the file not chosen instead of waiting for ever.
inline void chooseFile(QFileDialog *dialog, const QString &path)
{
    // The dialog takes a file selected in its list over the typed name, and its list, filled in
    // the background, may select the proposed name at any moment: the list's selection goes
    // just before the name is typed and the dialog confirmed.
    if (auto *list = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView")))
        list->selectionModel()->clearSelection();
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    else
        dialog->selectFile(path);
    QPointer<QTimer> question = answerNextModal([path](QWidget *modal) {
        qWarning("file dialog asked, for %s: %s", qPrintable(path), qPrintable(modal->property("text").toString()));
        modal->close();
    });
    QMetaObject::invokeMethod(dialog, "accept");
    delete question;
}

} // namespace testing_support

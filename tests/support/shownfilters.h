// The filters a file dialog shows the user, as its "file type" box lists them.
#pragma once

#include <QComboBox>
#include <QFileDialog>
#include <QStringList>

namespace testing_support {

inline QStringList shownFilters(const QFileDialog *dialog)
{
    QStringList texts;
    if (const auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < types->count(); ++i)
            texts.append(types->itemText(i));
    return texts;
}

} // namespace testing_support

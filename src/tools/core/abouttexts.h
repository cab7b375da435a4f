// The texts of the system-information window's twelve fact labels: their designed captions,
// the texts set when the window is created (system, user, processor) and the memory texts set
// each time it is activated. Captions are padded with blanks so that their colons line up.
#pragma once

#include "platform/systemfacts.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace tools {

struct LabelText {
    QString name; ///< the label's objectName ("lblWinVersion")
    QString text;
};

/// What the window shows about the machine, read once when it is created.
struct AboutFacts {
    platform::KernelVersion version;
    QString platformName; ///< empty when the system does not name itself
    QString userName;
    QString companyName;  ///< no system here records one
    platform::ProcessorInfo processor;
    int processorCount = 0;

    static AboutFacts read();
};

/// The twelve labels top to bottom, each with its designed caption.
QList<LabelText> designedCaptions();
/// "Version %d.%.2d".
QString versionText(const platform::KernelVersion &version);
/// \a bytes in kilobytes, thousands grouped with \a locale's separator, then " KB".
QString kilobytesText(quint64 bytes, const QLocale &locale);
/// The texts of the labels set at creation.
QList<LabelText> creationTexts(const AboutFacts &facts);
/// The texts of the memory labels.
QList<LabelText> memoryTexts(const platform::MemoryStatus &memory, const QLocale &locale);

} // namespace tools

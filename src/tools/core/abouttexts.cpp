#include "tools/core/abouttexts.h"

namespace tools {

AboutFacts AboutFacts::read()
{
    AboutFacts facts;
    facts.version = platform::kernelVersion();
    facts.platformName = platform::systemName();
    facts.userName = platform::userFullName();
    facts.processor = platform::processorInfo();
    facts.processorCount = platform::processorCount();
    return facts;
}

QList<LabelText> designedCaptions()
{
    return {
        {QStringLiteral("lblWinVersion"), QStringLiteral("Windows Version               :")},
        {QStringLiteral("lblWinPlatForm"), QStringLiteral("Windows Platform              :")},
        {QStringLiteral("lblUserName"), QStringLiteral("User Name                         :")},
        {QStringLiteral("lblCompanyName"), QStringLiteral("Company Name                  :")},
        {QStringLiteral("lblWinSerialNum"), QStringLiteral("Windows Serial Number     :")},
        {QStringLiteral("lblTotalPhysMem"), QStringLiteral("Total Physical Memory       :")},
        {QStringLiteral("lblAvailPhysMem"), QStringLiteral("Available Physical Memory :")},
        {QStringLiteral("lblTotalVirtMem"), QStringLiteral("Total Virtual Memory           :")},
        {QStringLiteral("lblAvailVirtMem"), QStringLiteral("Available Virtual Memory     :")},
        {QStringLiteral("lblMemLoad"), QStringLiteral("Memory Load                      :")},
        {QStringLiteral("lblCPUType"), QStringLiteral("CPU Type                           :")},
        {QStringLiteral("lblCPUNum"), QStringLiteral("Number of CPUs                 :")},
    };
}

QString versionText(const platform::KernelVersion &version)
{
    return QStringLiteral("Version %1.%2").arg(version.major).arg(version.minor, 2, 10, QLatin1Char('0'));
}

QString kilobytesText(quint64 bytes, const QLocale &locale)
{
    // Grouping even where the locale leaves it out by default (the C locale).
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouping.toString(bytes / 1024) + QStringLiteral(" KB");
}

QList<LabelText> creationTexts(const AboutFacts &facts)
{
    const QString name = facts.processor.name.isEmpty() ? QStringLiteral("Unknown") : facts.processor.name;
    return {
        {QStringLiteral("lblWinVersion"), QStringLiteral("Windows Version               :  ") + versionText(facts.version)},
        {QStringLiteral("lblWinPlatForm"), QStringLiteral("Windows Platform              :  ")
             + (facts.platformName.isEmpty() ? QStringLiteral("Unknown") : facts.platformName)},
        {QStringLiteral("lblCPUType"), QStringLiteral("CPU Type                           :") + QStringLiteral("  ") + name
             + (facts.processor.hasFpu ? QStringLiteral(" CPU and FPU") : QStringLiteral(" CPU, no FPU"))},
        {QStringLiteral("lblCPUNum"), QStringLiteral("Number of CPUs                 :  ") + QString::number(facts.processorCount)},
        {QStringLiteral("lblUserName"), QStringLiteral("User Name                         :  ") + facts.userName},
        {QStringLiteral("lblCompanyName"), QStringLiteral("Company Name                  :  ") + facts.companyName},
    };
}

QList<LabelText> memoryTexts(const platform::MemoryStatus &memory, const QLocale &locale)
{
    return {
        {QStringLiteral("lblTotalPhysMem"), QStringLiteral("Total Physical Memory       :  ") + kilobytesText(memory.totalPhysical, locale)},
        {QStringLiteral("lblAvailPhysMem"), QStringLiteral("Available Physical Memory :  ") + kilobytesText(memory.availablePhysical, locale)},
        {QStringLiteral("lblTotalVirtMem"), QStringLiteral("Total Virtual Memory           :  ") + kilobytesText(memory.totalVirtual, locale)},
        {QStringLiteral("lblAvailVirtMem"), QStringLiteral("Available Virtual Memory     :  ") + kilobytesText(memory.availableVirtual, locale)},
        {QStringLiteral("lblMemLoad"), QStringLiteral("Memory Load                      :  ") + QStringLiteral("%1% Load").arg(memory.load)},
    };
}

} // namespace tools

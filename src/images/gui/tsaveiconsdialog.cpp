#include "images/gui/tsaveiconsdialog.h"

#include "images/core/iconsaveoptions.h"
#include "ui/radiogroup.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace images {

TSaveIconsDialog::TSaveIconsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaveIconsDialog"));
    setWindowTitle(QStringLiteral("Sauve image"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_rgSaveMode = new ui::RadioGroup(QStringLiteral(" Sauver comme "),
                                      {QStringLiteral("&Icone"), QStringLiteral("&Petite Icone"),
                                       QStringLiteral("&Bitmap"), QStringLiteral("Petit Bit&map")},
                                      2, this);
    m_rgSaveMode->setObjectName(QStringLiteral("rgSaveMode"));
    m_rgNameMode = new ui::RadioGroup(QStringLiteral("Nom"),
                                      {QStringLiteral("Definir un nom"), QStringLiteral("Utiliser le nom de l'image")}, 1,
                                      this);
    m_rgNameMode->setObjectName(QStringLiteral("rgNameMode"));
    m_Button1 = new QPushButton(QStringLiteral("&Ok"), this);
    m_Button1->setObjectName(QStringLiteral("Button1"));
    m_Button1->setDefault(true);
    m_Button2 = new QPushButton(QStringLiteral("&Cancel"), this);
    m_Button2->setObjectName(QStringLiteral("Button2"));

    // The hints exist but are not shown as pop-ups.
    m_rgSaveMode->setStatusTip(QStringLiteral("Select format to be used for saving selected item(s)"));
    m_rgNameMode->setStatusTip(QStringLiteral("Choose naming mode"));
    m_Button1->setStatusTip(QStringLiteral("Confirm save operation"));
    m_Button2->setStatusTip(QStringLiteral("Cancel save operation"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_Button1);
    buttons->addWidget(m_Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_rgSaveMode);
    layout->addWidget(m_rgNameMode);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_Button2, &QPushButton::clicked, this, &QDialog::reject);
    setWord(0);
}

std::uint16_t TSaveIconsDialog::word() const
{
    const auto format = static_cast<IconSaveOptions::Format>(m_rgSaveMode->itemIndex());
    const auto naming = static_cast<IconSaveOptions::Naming>(m_rgNameMode->itemIndex());
    return IconSaveOptions(format, naming).word();
}

void TSaveIconsDialog::setWord(std::uint16_t word)
{
    const IconSaveOptions options = IconSaveOptions::fromWord(word);
    m_rgSaveMode->setItemIndex(options.format());
    m_rgNameMode->setItemIndex(options.naming());
}

bool TSaveIconsDialog::askSaveOptions(std::uint16_t &word, QWidget *parent)
{
    TSaveIconsDialog dialog(parent);
    dialog.setWord(word);
    dialog.adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    word = dialog.word();
    return true;
}

} // namespace images

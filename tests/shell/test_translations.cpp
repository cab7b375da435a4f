// Qt's own texts come out in French once the program's translations are installed, whatever the
// language of the system (the test runs with LANG=C).
#include "support/qtprinters.h"
#include "ui/frenchtranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(FrenchTranslations, StandardButtonsAndDialogsAreFrench)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::C) << "the test expects a system without French";
    ASSERT_TRUE(ui::installFrenchTranslations(*qApp));

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes
                             | QDialogButtonBox::No | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Annuler");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), "&Oui");
    EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text(), "&Non");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text(), "Enregistrer");

    // Qt's own file dialog: its labels come from the translations too.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels.append(label->text());
    EXPECT_TRUE(labels.join('|').contains("Nom de fichier")) << labels.join(" | ").toStdString();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("LANG", "C");
    qputenv("LC_ALL", "C");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

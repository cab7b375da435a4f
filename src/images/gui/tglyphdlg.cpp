#include "images/gui/tglyphdlg.h"

#include "images/core/bitmapwriter.h"
#include "images/core/bmpcodec.h"
#include "images/core/glyphpager.h"
#include "images/core/glyphpicture.h"
#include "images/core/imageerrors.h"
#include "images/core/savenames.h"
#include "ui/hintstyle.h"
#include "ui/messageboxes.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QPushButton>

namespace images {

namespace {

constexpr int CommandHeight = 25;
constexpr int CommandWidth = 120;
/// Space below the glyph grid for the three command buttons.
constexpr int CommandBand = 34;

} // namespace

TGlyphDlg::TGlyphDlg(const QString &folder, QWidget *parent)
    : QDialog(parent), m_folder(folder), m_saveFolder(folder), m_Image1(GlyphPicture::newSurface())
{
    setObjectName(QStringLiteral("GlyphDlg"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Choix d'un bouton"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(false);
    resize(DesignWidth, DesignHeight);
    m_askName = [this](const SaveRequest &request) { return askSaveName(this, request); };

    m_PrecedentBtn = new QPushButton(QStringLiteral("Page précédente"), this);
    m_PrecedentBtn->setObjectName(QStringLiteral("PrecedentBtn"));
    m_SuivantBtn = new QPushButton(QStringLiteral("Page suivante"), this);
    m_SuivantBtn->setObjectName(QStringLiteral("SuivantBtn"));
    m_AnnulerBtn = new QPushButton(QStringLiteral("Annuler"), this);
    m_AnnulerBtn->setObjectName(QStringLiteral("AnnulerBtn"));
    for (QPushButton *button : {m_PrecedentBtn, m_SuivantBtn, m_AnnulerBtn})
        button->setAutoDefault(false);
    connect(m_PrecedentBtn, &QPushButton::clicked, this, &TGlyphDlg::PrecedentBtnClick);
    connect(m_SuivantBtn, &QPushButton::clicked, this, &TGlyphDlg::SuivantBtnClick);
    connect(m_AnnulerBtn, &QPushButton::clicked, this, &QWidget::close);

    m_files = GlyphFolder::list(folder);
    for (int k = 0; k < GlyphPager::ButtonCount; ++k) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("BtnGlyph%1").arg(k));
        button->setAutoDefault(false);
        button->setToolTip(ui::hintText(QStringLiteral("Cliquer pour exporter\r(images réduites pour les pages html)")));
        connect(button, &QPushButton::clicked, this, [this, k] { BtnGlyphClick(k); });
        m_buttons.append(button);
        m_glyphs.append(QImage());
    }
    layOut();
    m_pageStart = 0;
    RemplirBoutons();
    // Without a window manager to maximise it, the window still covers the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TGlyphDlg::layOut()
{
    const int cancelTop = height() - CommandBand;
    m_PrecedentBtn->setGeometry(4, cancelTop, CommandWidth, CommandHeight);
    m_SuivantBtn->setGeometry(8 + CommandWidth, cancelTop, CommandWidth, CommandHeight);
    m_AnnulerBtn->setGeometry(width() - 4 - CommandWidth, cancelTop, CommandWidth, CommandHeight);
    for (int k = 0; k < m_buttons.size(); ++k)
        m_buttons.at(k)->setGeometry(GlyphPager::buttonRect(k, width(), cancelTop));
}

void TGlyphDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOut();
}

void TGlyphDlg::RemplirBoutons()
{
    for (int k = 0; k < GlyphPager::ButtonCount; ++k) {
        QPushButton *button = m_buttons.at(k);
        const int index = m_pageStart + k;
        if (index >= m_files.size()) {
            m_glyphs[k] = QImage();
            button->setIcon(QIcon());
            button->setText(QStringLiteral("(Vide)"));
            button->setEnabled(k == 0);
            continue;
        }
        button->setEnabled(true);
        const GlyphFile &file = m_files.at(index);
        QImage picture;
        try {
            picture = BmpCodec::read(file.path);
        } catch (const ImageError &error) {
            ui::showFailure(this, QStringLiteral("%1 : %2").arg(file.path, error.message()));
            return;
        }
        button->setText(GlyphPicture::caption(file.shownName));
        m_glyphs[k] = GlyphPicture::glyph(picture, m_Image1);
        button->setIcon(QIcon(QPixmap::fromImage(m_glyphs.at(k))));
        button->setIconSize(m_glyphs.at(k).size());
    }
}

void TGlyphDlg::SuivantBtnClick()
{
    const int next = GlyphPager::next(m_pageStart, static_cast<int>(m_files.size()));
    if (next == m_pageStart && m_pageStart >= m_files.size())
        return;
    m_pageStart = next;
    RemplirBoutons();
}

void TGlyphDlg::PrecedentBtnClick()
{
    m_pageStart = GlyphPager::previous(m_pageStart);
    RemplirBoutons();
}

void TGlyphDlg::BtnGlyphClick(int k)
{
    const QImage glyph = m_glyphs.value(k);
    // An empty button has no picture to save.
    if (glyph.isNull())
        return;
    SaveRequest request;
    request.folder = m_saveFolder;
    request.proposedName = m_buttons.at(k)->text();
    request.filter = QStringLiteral("Fichiers BMP (*.BMP)|*.BMP");
    request.title = QStringLiteral("Sauver l'image du bouton sélectioné vers ...");
    request.dialogName = QStringLiteral("SauveBmp");
    const QString chosen = m_askName(request);
    // The next save starts in the folder of this one; a cancelled one leaves no folder behind.
    m_saveFolder = chosen.isEmpty() ? m_folder : QFileInfo(chosen).absolutePath();
    if (chosen.isEmpty())
        return;
    try {
        BitmapWriter::write(glyph, SaveNames::withBmpSuffix(chosen));
    } catch (const ImageError &error) {
        ui::showFailure(this, error.message());
    }
}

} // namespace images

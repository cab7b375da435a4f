// Picture preview, full view, reduced export and conversion of the search dialog.
#include "images/gui/picturepreview.h"

#include "images/core/imageerrors.h"
#include "images/core/picturefile.h"
#include "images/gui/tgifimage.h"
#include "ui/filelist.h"
#include "ui/messageboxes.h"
#include "ui/radiogroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

namespace images {

namespace {

constexpr int JpgItem = 3, GifItem = 4, BmpItem = 5;

const QString NormalHint = QStringLiteral("cliquer pour taille reelle !");
const QString LeaveHint = QStringLiteral("ESC, ENTER ou Bouton droit\r     pour revenir");
const QString BackHint = QStringLiteral("cliquer pour taille reelle ! ");
const QString ExportName = QStringLiteral("atestim1.gif");
constexpr QSize NormalSize(650, 450);

/// Identifies a file's content as last seen, so that the list's several change signals for
/// one click do not decode the same picture again.
QString fileStamp(const QString &path)
{
    const QFileInfo info(path);
    return path + QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch())
           + QLatin1Char('|') + QString::number(info.size());
}

QRect screenArea(const QWidget *widget)
{
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void centreOnScreen(QWidget *window)
{
    const QRect area = screenArea(window);
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

} // namespace

PicturePreview::PicturePreview(const PictureControls &controls,
                               std::function<void(const QString &)> reportFailure, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_reportFailure(std::move(reportFailure))
    , m_export([dialog = controls.dialog](const SaveRequest &request) { return askSaveName(dialog, request); },
               [dialog = controls.dialog](const QString &path) {
                   return ui::askYesNo(dialog, QStringLiteral("Confirmation"),
                                       QStringLiteral("%1 existe déjà.\rVoulez-vous le remplacer ?").arg(path));
               })
{
    m_gif = new TGifImage(m_c.Panel1);
    m_gif->setObjectName(QStringLiteral("GifImage1"));
    m_gif->setStretch(m_c.optionStretch->isChecked());
    m_gif->hide();
    fillPanel(m_gif);
    m_c.Image1->setScaledContents(m_c.optionStretch->isChecked());
    m_c.Image1->setAlignment(Qt::AlignCenter);
    m_c.Image1->setToolTip(NormalHint);
    fillPanel(m_c.Image1);
    for (QLabel *control : {static_cast<QLabel *>(m_c.Image1), static_cast<QLabel *>(m_gif)}) {
        control->setFocusPolicy(Qt::NoFocus);
        control->installEventFilter(this);
    }

    for (QWidget *option : std::initializer_list<QWidget *>{m_c.optionVoirImage, m_c.optionStretch, m_c.Hexport,
                                                            m_c.Vexport})
        option->setEnabled(true);
    connect(m_c.optionVoirImage, &QCheckBox::clicked, this, &PicturePreview::optionVoirImageClick);
    connect(m_c.optionStretch, &QCheckBox::toggled, this, &PicturePreview::optionStretchClick);
    connect(m_c.optionExport, &QCheckBox::toggled, this, &PicturePreview::optionExportClick);
    connect(m_c.BitBtnConvert, &QPushButton::clicked, this, &PicturePreview::BitBtnConvertClick);
    kindChanged();
}

PicturePreview::~PicturePreview() = default;

PictureKind PicturePreview::kind() const
{
    switch (m_c.choix_ext->itemIndex()) {
    case JpgItem: return PictureKind::Jpeg;
    case GifItem: return PictureKind::Gif;
    case BmpItem: return PictureKind::Bmp;
    default: return PictureKind::None;
    }
}

bool PicturePreview::fullView() const
{
    return m_c.Image1->parentWidget() == m_c.dialog || m_gif->parentWidget() == m_c.dialog;
}

void PicturePreview::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const ImageError &error) {
        m_reportFailure(error.message());
    } catch (const std::exception &error) {
        m_reportFailure(QString::fromLocal8Bit(error.what()));
    }
}

void PicturePreview::kindChanged()
{
    const PictureKind k = kind();
    m_c.optionExport->setEnabled(k == PictureKind::Jpeg || k == PictureKind::Bmp);
    m_c.BitBtnConvert->setEnabled(m_c.optionExport->isEnabled());
    if (k != PictureKind::None && m_c.optionVoirImage->isChecked())
        m_c.Panel1->show();
}

void PicturePreview::filtre_repChange()
{
    guarded([this] { previewCurrentFile(); });
}

void PicturePreview::previewCurrentFile()
{
    if (m_c.optionExport->isChecked())
        m_c.optionExport->setChecked(false);
    const PictureKind k = kind();
    const QString path = m_c.filtre_rep->currentFilePath();
    if ((k == PictureKind::Jpeg || k == PictureKind::Bmp) && !path.isEmpty()) {
        const QString stamp = fileStamp(path);
        if (stamp != m_image1Source) {
            QImage picture = loadPicture(path);
            m_image1Picture = std::move(picture);
            m_image1Source = stamp;
            m_c.Image1->setPixmap(QPixmap::fromImage(m_image1Picture));
        }
        m_c.Image1->setScaledContents(m_c.optionStretch->isChecked());
        m_c.Image1->show();
        m_gif->hide();
    } else if (k == PictureKind::Gif && !path.isEmpty()) {
        m_gif->show();
        m_c.Image1->hide();
        const QString stamp = fileStamp(path);
        if (stamp != m_gifSource || m_gif->busy()) {
            // A preview started while this file decoded has already done everything.
            if (!m_gif->loadFromFile(path))
                return;
            m_gifSource = stamp;
        }
        m_gif->setStretch(m_c.optionStretch->isChecked());
        m_gif->animate(true);
    }
}

void PicturePreview::optionVoirImageClick()
{
    if (!m_c.optionVoirImage->isChecked()) {
        m_c.Panel1->hide();
        m_gif->animate(false);
        return;
    }
    const PictureKind k = kind();
    if (k == PictureKind::Jpeg || k == PictureKind::Bmp) {
        m_c.Panel1->show();
        m_c.Image1->show();
        m_gif->hide();
    } else if (k == PictureKind::Gif) {
        m_c.Panel1->show();
        m_gif->show();
        m_c.Image1->hide();
        m_gif->animate(!m_c.filtre_rep->currentFilePath().isEmpty());
    }
}

void PicturePreview::optionStretchClick()
{
    const bool stretch = m_c.optionStretch->isChecked();
    m_c.Image1->setScaledContents(stretch);
    m_gif->setStretch(stretch);
}

void PicturePreview::optionExportClick()
{
    if (!m_c.optionExport->isChecked()) {
        for (QLabel *control : {static_cast<QLabel *>(m_c.Image1), static_cast<QLabel *>(m_gif)}) {
            if (control->isHidden())
                continue;
            control->setScaledContents(m_c.optionStretch->isChecked());
            if (control->parentWidget() == m_c.Panel1)
                fillPanel(control);
        }
        return;
    }
    guarded([this] { exportReduced(); });
}

void PicturePreview::exportReduced()
{
    const QSize size(m_c.Hexport->value(), m_c.Vexport->value());
    const QRect reduced(m_c.Panel1->contentsRect().topLeft(), size);
    if (!m_c.Image1->isHidden()) {
        m_c.Image1->setScaledContents(true);
        m_c.Image1->setGeometry(reduced);
        m_export.exportReduced(kind(), m_image1Picture, size, m_c.filtre_rep->directory(),
                               m_c.filtre_rep->currentFilePath());
    }
    if (!m_gif->isHidden()) {
        m_gif->setStretch(true);
        m_gif->setGeometry(reduced);
        m_gif->saveToFile(QDir::current().filePath(ExportName));
    }
}

void PicturePreview::fillPanel(QLabel *control)
{
    control->setGeometry(m_c.Panel1->contentsRect());
}

QLabel *PicturePreview::visiblePreview() const
{
    if (!m_c.Image1->isHidden())
        return m_c.Image1;
    if (!m_gif->isHidden())
        return m_gif;
    return nullptr;
}

QSize PicturePreview::pictureSize(QWidget *control) const
{
    return control == m_gif ? m_gif->picture().size() : m_image1Picture.size();
}

void PicturePreview::Image1Click(QWidget *control)
{
    auto *label = qobject_cast<QLabel *>(control);
    if (!label || (label != m_c.Image1 && label != m_gif) || pictureSize(label).isEmpty())
        return;
    const int remembered = m_c.filtre_rep->currentRow();
    if (label->parentWidget() == m_c.Panel1)
        enterFullView(label);
    else
        leaveFullView(label);
    if (m_c.filtre_rep->currentRow() != remembered)
        m_c.filtre_rep->setCurrentRow(remembered);
}

void PicturePreview::enterFullView(QLabel *control)
{
    QWidget *dialog = m_c.dialog;
    control->setToolTip(ui::displayedText(LeaveHint));
    m_normalFlags = dialog->windowFlags();
    const bool shown = dialog->isVisible();
    dialog->setWindowFlags(m_normalFlags | Qt::FramelessWindowHint);
    m_shownControls.clear();
    for (QWidget *child : dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isHidden())
            continue;
        m_shownControls.append(child);
        child->hide();
    }
    control->setParent(dialog);
    control->move(0, 0);
    control->show();
    control->setScaledContents(false);
    const QSize size = pictureSize(control);
    control->resize(size);
    dialog->setFixedSize(size);
    if (shown)
        dialog->show();
    if (control == m_gif)
        dialog->move(0, 0);
    else
        centreOnScreen(dialog);
    dialog->setFocus();
}

void PicturePreview::leaveFullView(QLabel *control)
{
    QWidget *dialog = m_c.dialog;
    m_dragging = false;
    control->setToolTip(BackHint);
    const bool shown = dialog->isVisible();
    dialog->setWindowFlags(m_normalFlags);
    dialog->setFixedSize(NormalSize);
    control->setParent(m_c.Panel1);
    fillPanel(control);
    control->setScaledContents(m_c.optionStretch->isChecked());
    control->show();
    for (const QPointer<QWidget> &child : std::as_const(m_shownControls)) {
        if (child)
            child->show();
    }
    m_shownControls.clear();
    QLabel *other = control == m_gif ? m_c.Image1 : static_cast<QLabel *>(m_gif);
    other->hide();
    if (shown)
        dialog->show();
    centreOnScreen(dialog);
}

void PicturePreview::stepTo(int row)
{
    if (row >= 0 && row < m_c.filtre_rep->count()) {
        m_c.filtre_rep->setCurrentRow(row);
        guarded([this] { previewCurrentFile(); });
    }
    fitDialogToPicture();
}

void PicturePreview::suivant1Click()
{
    stepTo(m_c.filtre_rep->currentRow() + 1);
}

void PicturePreview::precedent1Click()
{
    stepTo(m_c.filtre_rep->currentRow() - 1);
}

void PicturePreview::fitDialogToPicture()
{
    // The normal layout keeps its size: only the borderless full view follows the picture.
    QLabel *control = visiblePreview();
    if (!control || control->parentWidget() != m_c.dialog)
        return;
    const QSize size = pictureSize(control);
    if (size.isEmpty())
        return;
    control->setScaledContents(false);
    control->setGeometry(QRect(QPoint(0, 0), size));
    m_c.dialog->setFixedSize(size);
}

bool PicturePreview::keyPress(int key)
{
    const QWidget *focus = QApplication::focusWidget();
    if (!fullView() && focus && focus != m_c.dialog)
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (QLabel *control = visiblePreview(); control && !pictureSize(control).isEmpty()) {
            Image1Click(control);
            return true;
        }
        return false;
    case Qt::Key_Plus:
        suivant1Click();
        return true;
    case Qt::Key_Minus:
        precedent1Click();
        return true;
    case Qt::Key_Home:
        if (m_c.filtre_rep->count() > 0)
            stepTo(0);
        return true;
    case Qt::Key_End:
        if (m_c.filtre_rep->count() > 0)
            stepTo(m_c.filtre_rep->count() - 1);
        return true;
    default:
        return false;
    }
}

void PicturePreview::BitBtnConvertClick()
{
    convert(m_c.filtre_rep->currentFilePath());
}

void PicturePreview::convert(const QString &fileName)
{
    guarded([this, &fileName] { m_export.convert(kind(), fileName); });
}

bool PicturePreview::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QLabel *>(watched);
    if (!control || (control != m_c.Image1 && control != m_gif))
        return QObject::eventFilter(watched, event);
    const bool full = control->parentWidget() == m_c.dialog;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!full)
            return false;
        // In full view the whole window acts as its caption: the left button drags it, the
        // right one brings the dialog back.
        if (mouse->button() == Qt::RightButton) {
            Image1Click(control);
        } else if (mouse->button() == Qt::LeftButton) {
            m_dragging = true;
            m_dragOffset = mouse->globalPosition().toPoint() - m_c.dialog->pos();
        }
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (full && m_dragging && (mouse->buttons() & Qt::LeftButton)) {
            m_c.dialog->move(mouse->globalPosition().toPoint() - m_dragOffset);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (full) {
            m_dragging = false;
            return true;
        }
        if (mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint())) {
            Image1Click(control);
            return true;
        }
        return false;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace images

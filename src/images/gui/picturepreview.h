// The picture functions of the search dialog: preview of the current JPEG, GIF or BMP file of
// its file list, "stretch", the full view in a borderless window with its keys and dragging,
// the reduced export and the JPEG/BMP conversion. It works on the dialog's own controls and
// reports failures through the function it is given, leaving the picture as it was.
#pragma once

#include "images/gui/pictureexport.h"
#include "images/gui/picturekind.h"
#include "images/gui/savedialog.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace ui {
class FileList;
class RadioGroup;
} // namespace ui

namespace images {

class TGifImage;

/// The controls of the dialog the picture functions use.
struct PictureControls {
    QWidget *dialog = nullptr;
    ui::RadioGroup *choix_ext = nullptr;
    ui::FileList *filtre_rep = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QCheckBox *optionVoirImage = nullptr;
    QCheckBox *optionStretch = nullptr;
    QCheckBox *optionExport = nullptr;
    QPushButton *BitBtnConvert = nullptr;
    QSpinBox *Hexport = nullptr;
    QSpinBox *Vexport = nullptr;
};

class PicturePreview : public QObject {
    Q_OBJECT
public:
    /// Makes the GIF preview control inside Panel1 and connects the picture options.
    /// \a reportFailure shows the message of a failure (the application's error box).
    PicturePreview(const PictureControls &controls, std::function<void(const QString &)> reportFailure,
                   QObject *parent = nullptr);
    ~PicturePreview() override;

    void setSaveAsker(SaveAsker asker) { m_export.setSaveAsker(std::move(asker)); }
    /// Asked before a conversion replaces a file other than the one chosen in the save dialog.
    void setReplaceConfirmation(std::function<bool(const QString &)> confirm)
    {
        m_export.setReplaceConfirmation(std::move(confirm));
    }

    /// The picture Image1 shows.
    const QImage &image1Picture() const { return m_image1Picture; }
    PictureKind kind() const;
    bool fullView() const;

    /// The extension choice changed: export and conversion only for JPEG and BMP, and the
    /// panel shown for a picture kind when "Apperçu image" is ticked.
    void kindChanged();
    /// The current file of the list may have changed: preview it.
    void filtre_repChange();
    void optionVoirImageClick();
    void optionStretchClick();
    void optionExportClick();
    /// Enters or leaves full view on \a control (Image1 or the GIF preview control).
    void Image1Click(QWidget *control);
    void suivant1Click();
    void precedent1Click();
    /// A key that reached the dialog; true when it was one of the picture keys.
    bool keyPress(int key);
    void BitBtnConvertClick();
    void convert(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *visiblePreview() const;
    QSize pictureSize(QWidget *control) const;
    void previewCurrentFile();
    void enterFullView(QLabel *control);
    void leaveFullView(QLabel *control);
    void fillPanel(QLabel *control);
    void stepTo(int row);
    void fitDialogToPicture();
    void exportReduced();
    /// Runs \a work, reporting a failure instead of letting it escape into the event loop.
    void guarded(const std::function<void()> &work);

    PictureControls m_c;
    TGifImage *m_gif = nullptr;
    QImage m_image1Picture;
    QString m_image1Source;
    QString m_gifSource;
    std::function<void(const QString &)> m_reportFailure;
    PictureExport m_export;

    // What full view changed, put back when it ends.
    Qt::WindowFlags m_normalFlags;
    QList<QPointer<QWidget>> m_shownControls;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace images

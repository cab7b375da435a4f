// The glyph viewer "Choix d'un bouton": the BMP pictures of a folder as the glyphs of twenty
// push buttons, page by page, so one can see how each looks on a button; a click saves the
// button's glyph as a BMP file.
#pragma once

#include "images/core/glyphfolder.h"
#include "images/gui/savedialog.h"

#include <QDialog>
#include <QImage>
#include <QList>

class QPushButton;

namespace images {

class TGlyphDlg : public QDialog {
    Q_OBJECT
public:
    /// The design size of the client area.
    static constexpr int DesignWidth = 632;
    static constexpr int DesignHeight = 453;

    /// A viewer of the BMP files of \a folder, owned by \a parent, maximised, freed when closed.
    explicit TGlyphDlg(const QString &folder, QWidget *parent = nullptr);

    QPushButton *glyphButton(int k) const { return m_buttons.value(k); }
    /// The glyph shown on button \a k (null for an empty button).
    QImage glyphOf(int k) const { return m_glyphs.value(k); }
    int pageStart() const { return m_pageStart; }
    const QList<GlyphFile> &files() const { return m_files; }

    /// Where the file names come from (the save dialog "SauveBmp" by default).
    void setSaveAsker(SaveAsker asker) { m_askName = std::move(asker); }

    // Handlers, named after their control and event.
    void RemplirBoutons();
    void SuivantBtnClick();
    void PrecedentBtnClick();
    void BtnGlyphClick(int k);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    QString m_folder;
    QString m_saveFolder; ///< where the next glyph save starts
    QList<GlyphFile> m_files;
    int m_pageStart = 0;
    QImage m_Image1; ///< the working surface for reduced glyphs
    QList<QPushButton *> m_buttons;
    QList<QImage> m_glyphs;
    SaveAsker m_askName;

    QPushButton *m_PrecedentBtn = nullptr;
    QPushButton *m_SuivantBtn = nullptr;
    QPushButton *m_AnnulerBtn = nullptr;
};

} // namespace images

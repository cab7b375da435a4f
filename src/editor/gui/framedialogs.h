// The frame's dialogs that its editor windows share: the save and print dialogs of the frame,
// and the font dialog "FontDialog1".
#pragma once

#include "ui/saveprintdialogs.h"

namespace editor {

class FontColourDialog;

class FrameDialogs : public ui::SavePrintDialogs {
    Q_OBJECT
public:
    /// The dialogs open over \a frame.
    explicit FrameDialogs(QWidget *frame);

    FontColourDialog *fontDialog() const { return m_FontDialog1; }

private:
    FontColourDialog *m_FontDialog1;
};

} // namespace editor

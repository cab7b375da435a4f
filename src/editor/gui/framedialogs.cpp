#include "editor/gui/framedialogs.h"

#include "editor/gui/fontcolourdialog.h"

namespace editor {

FrameDialogs::FrameDialogs(QWidget *frame) : ui::SavePrintDialogs(frame), m_FontDialog1(new FontColourDialog(frame)) {}

} // namespace editor

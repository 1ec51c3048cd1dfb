// Controls whose edges stand out from what surrounds them, in any palette.
#pragma once

#include <QPlainTextEdit>

namespace tk::qt {

// Draws control's outline over the style's: the one-pixel ring just inside
// its rectangle, highlighted while it has the focus or is a default button.
void draw_edge(QWidget* control);

// A text box in the classic way, with an outline that stands out: no
// scroll bars, Tab moves the focus on. Locked, it is read-only and still
// shows its caret while it has the focus; on one line it does not wrap.
class EdgedTextBox : public QPlainTextEdit {
public:
    struct Options {
        bool locked = false, multi_line = false, centred = false;
    };

    EdgedTextBox(const QString& text, Options options, QWidget* parent);

protected:
    bool event(QEvent* event) override;
};

}  // namespace tk::qt

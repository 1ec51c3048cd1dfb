// A frame drawn in the classic way: an etched border whose top edge runs
// through the middle of the caption's height, broken by the caption.
#pragma once

#include <QGroupBox>

namespace tk::qt {

class FrameBox : public QGroupBox {
public:
    FrameBox(const QString& caption, QWidget* parent);

    // The caption's colour, shown readable on the frame's background; by
    // default the palette's text colour. The frame's controls keep their
    // own colours.
    void set_caption_colour(const QColor& colour) { caption_colour_ = colour; }

    // The caption's place; the border's top edge crosses its middle.
    QRect caption_rect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // From the frame's left edge to its caption, and around the caption, in
    // pixels: converted once, so that painting cannot fail.
    int indent_, padding_;
    QColor caption_colour_;
};

}  // namespace tk::qt

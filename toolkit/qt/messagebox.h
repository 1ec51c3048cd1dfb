// The real message boxes behind Runtime::msgbox: modal, with Spanish
// buttons that carry text only and show the focus mark, an icon named for
// what it shows, wide enough for their titles, opening centred over their
// owner and moved aside only as far as the controls it keeps in view ask.
#pragma once

#include "toolkit/frontend.h"

#include <QMessageBox>
#include <QPointer>

#include <cstdint>
#include <vector>

class QLabel;
class QLayout;
class QSpacerItem;

namespace tk::qt {

// The widgets a box must leave in view, and whether the owner's keyboard
// goes back to where it was once the box closes.
struct BoxWidgets {
    std::vector<QWidget*> keep_in_view;
    bool focus_back = true;
};

// A message box of one kind, a single OK or Yes and No, shown again for
// every message of its kind.
class MessageBox : public QMessageBox {
    Q_OBJECT

public:
    MessageBox(bool yes_no, QWidget* owner);

    bool yes_no() const { return yes_no_; }
    // The label that shows the text.
    QLabel* text_label() const { return text_label_; }

    // Shows a message (an MB_ICON... style, the title, the text), placed
    // and closed as the owner's setting asks, and waits for the answer:
    // IDOK, IDYES or IDNO.
    std::int16_t ask(std::int16_t style, const QString& title, const QString& text, const BoxWidgets& setting);

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void make_room_for(const QString& title);
    void place();

    bool yes_no_;
    QPushButton* first_ = nullptr;
    QLabel* text_label_ = nullptr;
    QLabel* icon_label_ = nullptr;
    QSpacerItem* title_room_ = nullptr;  // in room_layout_
    QPointer<QLayout> room_layout_;
    BoxWidgets setting_;
    std::int16_t answer_ = 0;
};

// The message boxes of a window, which keeps them and shows them again:
// assistive technology asks about a box after it has closed, and a box that
// stays alive answers where a destroyed one would leave it querying
// nothing. One of each kind, and another where a message comes while the
// box of its kind is open (an error reported during a result).
class MessageBoxes {
public:
    explicit MessageBoxes(QWidget* owner) : owner_(owner) {}

    // As MessageBox::ask, in a box of the style's kind.
    std::int16_t show(const MessageBoxCall& call, const BoxWidgets& setting);

private:
    QWidget* owner_;
    std::vector<QPointer<MessageBox>> boxes_;  // the owner's children
};

}  // namespace tk::qt

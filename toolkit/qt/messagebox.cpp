// Message boxes: each kind kept by its window, laid out for its message and
// placed beside what it must leave in view.
#include "toolkit/qt/messagebox.h"

#include "toolkit/qt/focusmark.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace tk::qt {

namespace {

struct NamedIcon {
    QMessageBox::Icon icon;
    const char16_t* name;  // what it shows, for assistive technology
};

NamedIcon icon_for(std::int16_t style)
{
    switch (style & 0x70) {
    case MB_ICONERROR: return {QMessageBox::Critical, u"Error"};
    case MB_ICONQUESTION: return {QMessageBox::Question, u"Pregunta"};
    case MB_ICONWARNING: return {QMessageBox::Warning, u"Advertencia"};
    case MB_ICONINFORMATION: return {QMessageBox::Information, u"Información"};
    default: return {QMessageBox::NoIcon, u""};
    }
}

// Room a title needs beside a title bar's icon and buttons: window
// managers set their own fonts, so the caption is measured in bold.
int title_width(const QString& title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 5 * (metrics.height() + 8);
}

}  // namespace

MessageBox::MessageBox(bool yes_no, QWidget* owner) : QMessageBox(owner), yes_no_(yes_no)
{
    setWindowModality(Qt::ApplicationModal);
    // Title and close only: a box is answered, not set aside.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // A box the desktop minimised anyway takes its owner along (see
    // changeEvent): the player who goes back to the owner gets the box.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus && isVisible() && parentWidget() && focus == parentWidget()->window()->windowHandle()) {
            parentWidget()->window()->showNormal();
            showNormal();
            raise();
            activateWindow();
        }
    });
    auto add = [this](const char16_t* text, QMessageBox::ButtonRole role, std::int16_t answer) {
        auto* button = new MarkedButton(QString::fromUtf16(text));
        addButton(button, role);
        // In the button's own context: Qt tells assistive technology that a
        // button controls whatever its click is connected to.
        connect(button, &QAbstractButton::clicked, button, [this, answer] { answer_ = answer; });
        return button;
    };
    if (yes_no) {
        first_ = add(u"&Sí", QMessageBox::YesRole, IDYES);
        add(u"&No", QMessageBox::NoRole, IDNO);
    } else {
        first_ = add(u"Aceptar", QMessageBox::AcceptRole, IDOK);
    }
    // The box shows its text and its icon in two labels of its own, and
    // lays out the icon's only once it has an icon to show: not yet.
    const QLayout* grid = layout();
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        (grid && grid->indexOf(label) >= 0 ? text_label_ : icon_label_) = label;
}

std::int16_t MessageBox::ask(std::int16_t style, const QString& title, const QString& text,
                             const BoxWidgets& setting)
{
    const NamedIcon icon = icon_for(style);
    setIcon(icon.icon);
    if (icon_label_)
        icon_label_->setAccessibleName(QString::fromUtf16(icon.name));
    setWindowTitle(title);
    // A box's text is read, not selected: without a text control its label
    // raises no text events, which it has no text interface to carry. Set
    // at every message, as a change of style sets its own.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setText(text);
    make_room_for(title);
    setDefaultButton(first_);
    setting_ = setting;
    // Escape, or a close without a button, answers as No does, or as the
    // only button.
    answer_ = yes_no_ ? IDNO : IDOK;
    exec();
    setting_ = {};
    return answer_;
}

bool MessageBox::event(QEvent* event)
{
    // The owner is no longer active: its keyboard moves without a word.
    if (event->type() == QEvent::WindowActivate && !setting_.focus_back && parentWidget())
        parentWidget()->setFocus(Qt::OtherFocusReason);
    return QMessageBox::event(event);
}

void MessageBox::changeEvent(QEvent* event)
{
    // Minimised alone, a box would leave its owner on show, blocked, with
    // nothing to answer.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && parentWidget() &&
        !parentWidget()->window()->isMinimized())
        parentWidget()->window()->showMinimized();
    QMessageBox::changeEvent(event);
}

void MessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);  // sizes the box
    place();
    // The focus is drawn from the start, as in the main window.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

// A row as wide as the title needs below the rest. A new icon lays the box
// out anew, and the row goes with the old layout.
void MessageBox::make_room_for(const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid)
        return;
    if (room_layout_ != grid) {
        title_room_ = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
        grid->addItem(title_room_, grid->rowCount(), 0, 1, grid->columnCount());
        room_layout_ = grid;
    }
    title_room_->changeSize(title_width(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    grid->invalidate();
}

// Centred on the owner, outer frame over outer frame, at every show; else
// the nearest place to that, on the screen, where the box with its frame
// covers none of the controls to keep in view. Qt's own centring takes a
// box's position for its frame's once the box has been mapped and for its
// client area before: it would open a box the first time a title bar higher
// than later on. The box's client area is placed here, from its frame.
void MessageBox::place()
{
    QWidget* owner = parentWidget();
    if (!owner)
        return;
    owner = owner->window();
    // The frame the window manager gave the box when it was last mapped;
    // before that, the owner's is the best guess.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull() && owner->windowHandle())
        frame = owner->windowHandle()->frameMargins();
    QRect outer(QPoint(), size().grownBy(frame));
    outer.moveCenter(owner->frameGeometry().center());

    QList<QRect> kept;
    for (const QWidget* control : setting_.keep_in_view)
        if (control->isVisible())
            kept << QRect(control->mapToGlobal(QPoint()), control->size()).adjusted(-2, -2, 2, 2);
    auto clear = [&](const QRect& r) {
        return std::none_of(kept.begin(), kept.end(), [&](const QRect& t) { return t.intersects(r); });
    };
    if (!clear(outer)) {
        // The nearest clear place has its edges on the centred box's, on
        // the edges of a control kept in view or on the screen's.
        const QRect screen = owner->screen()->availableGeometry();
        QList<int> xs{outer.left(), screen.left(), screen.right() + 1 - outer.width()};
        QList<int> ys{outer.top(), screen.top(), screen.bottom() + 1 - outer.height()};
        for (const QRect& t : kept) {
            xs << t.left() - outer.width() << t.right() + 1;
            ys << t.top() - outer.height() << t.bottom() + 1;
        }
        QPoint best = outer.topLeft();
        qint64 best_distance = std::numeric_limits<qint64>::max();
        for (int x : xs) {
            for (int y : ys) {
                const QRect r(QPoint(x, y), outer.size());
                const QPoint d = r.topLeft() - outer.topLeft();
                const qint64 distance = qint64{d.x()} * d.x() + qint64{d.y()} * d.y();
                if (distance < best_distance && screen.contains(r) && clear(r))
                    best = r.topLeft(), best_distance = distance;
            }
        }
        outer.moveTopLeft(best);
    }
    setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

std::int16_t MessageBoxes::show(const MessageBoxCall& call, const BoxWidgets& setting)
{
    const bool yes_no = (call.style & 0x0F) == MB_YESNO;
    auto free = std::find_if(boxes_.begin(), boxes_.end(),
                             [&](const QPointer<MessageBox>& box) { return box && box->yes_no() == yes_no && !box->isVisible(); });
    MessageBox* box = free != boxes_.end() ? free->data() : boxes_.emplace_back(new MessageBox(yes_no, owner_)).data();
    return box->ask(call.style, QString::fromStdU16String(call.title), QString::fromStdU16String(call.prompt), setting);
}

}  // namespace tk::qt

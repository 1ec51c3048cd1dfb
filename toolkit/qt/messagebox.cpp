// A modal QMessageBox for a message-box style, with Spanish buttons that
// carry text only and show the focus mark, an icon named for what it shows,
// wide enough for its title, and placed where it hides none of the controls
// its owner wants kept in view.
#include "toolkit/qt/messagebox.h"

#include "toolkit/qt/focusmark.h"
#include "toolkit/runtime.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace tk::qt {

namespace {

struct Icon {
    QMessageBox::Icon icon;
    const char16_t* name;  // what it shows, for assistive technology
};

Icon icon_for(std::int16_t style)
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

class Box : public QMessageBox {
public:
    Box(Icon icon, const QString& title, const QString& text, QWidget* owner, const std::vector<QWidget*>& keep_in_view)
        : QMessageBox(icon, title, text, NoButton, owner), keep_in_view_(keep_in_view)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);  // sizes the box and centres it on its owner
        place();
        // The focus is drawn from the start, as in the main window.
        setAttribute(Qt::WA_KeyboardFocusChange);
    }

private:
    // The nearest place to the centre, on the screen, where the box with
    // its frame covers none of the controls to keep in view.
    void place()
    {
        QWidget* owner = parentWidget();
        if (!owner)
            return;
        QList<QRect> kept;
        for (const QWidget* control : keep_in_view_)
            if (control->isVisible())
                kept << QRect(control->mapToGlobal(QPoint()), control->size()).adjusted(-2, -2, 2, 2);
        // Not mapped yet, the box has no frame to measure: the window
        // manager gives it one like its owner's.
        const QRect owner_inner = owner->geometry(), owner_outer = owner->frameGeometry();
        const QMargins frame(owner_inner.left() - owner_outer.left(), owner_inner.top() - owner_outer.top(),
                             owner_outer.right() - owner_inner.right(), owner_outer.bottom() - owner_inner.bottom());
        const QRect outer = geometry().marginsAdded(frame);
        auto clear = [&](const QRect& r) {
            return std::none_of(kept.begin(), kept.end(), [&](const QRect& t) { return t.intersects(r); });
        };
        if (clear(outer))
            return;
        const QRect screen = owner->screen()->availableGeometry();
        QPoint best;
        qint64 best_distance = std::numeric_limits<qint64>::max();
        for (int y = screen.top(); y + outer.height() <= screen.bottom() + 1; y += 4) {
            for (int x = screen.left(); x + outer.width() <= screen.right() + 1; x += 4) {
                const QRect r(QPoint(x, y), outer.size());
                const QPoint d = r.center() - outer.center();
                const qint64 distance = qint64{d.x()} * d.x() + qint64{d.y()} * d.y();
                if (distance < best_distance && clear(r))
                    best = r.topLeft(), best_distance = distance;
            }
        }
        if (best_distance != std::numeric_limits<qint64>::max())
            move(best + QPoint(frame.left(), frame.top()));
    }

    std::vector<QWidget*> keep_in_view_;
};

}  // namespace

std::int16_t show_message_box(QWidget* owner, const Text& prompt, std::int16_t style, const Text& title,
                              const std::vector<QWidget*>& keep_in_view)
{
    const QString caption = QString::fromStdU16String(title);
    const Icon icon = icon_for(style);
    Box box(icon.icon, caption, QString::fromStdU16String(prompt), owner, keep_in_view);
    box.setWindowModality(Qt::ApplicationModal);
    for (QLabel* label : box.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            label->setAccessibleName(QString::fromUtf16(icon.name));
    std::vector<std::pair<QAbstractButton*, std::int16_t>> answers;
    auto add = [&](const char16_t* text, QMessageBox::ButtonRole role, std::int16_t answer) {
        auto* button = new MarkedButton(QString::fromUtf16(text));
        box.addButton(button, role);
        answers.emplace_back(button, answer);
        return button;
    };
    // Escape clicks the No button, or the only one.
    std::int16_t escape = IDOK;
    QPushButton* first;
    if ((style & 0x0F) == MB_YESNO) {
        first = add(u"&Sí", QMessageBox::YesRole, IDYES);
        add(u"&No", QMessageBox::NoRole, IDNO);
        escape = IDNO;
    } else {
        first = add(u"Aceptar", QMessageBox::AcceptRole, IDOK);
    }
    box.setDefaultButton(first);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(title_width(caption), 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
    for (auto [button, answer] : answers)
        if (button == box.clickedButton())
            return answer;
    return escape;  // closed without a button: the answer Escape gives
}

}  // namespace tk::qt

// The accessible interfaces of the toolkit's own widgets, and the factory
// that installs them with a message box's.
#include "toolkit/qt/access.h"

#include "toolkit/caption.h"
#include "toolkit/qt/announcer.h"
#include "toolkit/qt/boxaccess.h"
#include "toolkit/qt/card.h"
#include "toolkit/qt/handle.h"
#include "toolkit/qt/listingaccess.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QScrollBar>

namespace tk::qt {

QList<QWidget*> child_widgets(const QWidget* container)
{
    QList<QWidget*> list;
    for (QObject* object : container->children())
        if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow())
            list.append(child);
    return list;
}

int ListingAccessible::childCount() const
{
    return static_cast<int>(listed().size());
}

QAccessibleInterface* ListingAccessible::child(int index) const
{
    const QList<QWidget*> list = listed();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
}

int ListingAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? static_cast<int>(listed().indexOf(child->object())) : -1;
}

namespace {

QString shown_caption(const QString& caption)
{
    return to_qt(tk::shown_caption(from_qt(caption)));
}

// A push button of the toolkit's: named by its caption, a card face by its
// picture and only while it is on show (covered, it is in no frame's list
// of children and raises no events, see CardGrid); its access key as
// Windows writes it ("Alt+L"), and no other (Return is no access key of a
// box's default button); a child of its message box, not of the box's row
// of buttons; and, pressed, it returns at once and clicks a moment later,
// as any push button does. It controls nothing its click is connected to.
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(MarkedButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!button()->accessibleName().isEmpty())
                return button()->accessibleName();
            if (const auto* face = qobject_cast<const CardFace*>(button()))
                return face->isHidden() ? QString() : face->picture_name();
            return shown_caption(button()->text());
        }
        if (t == QAccessible::Accelerator)
            return access_key(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.defaultButton = button()->isDefault();
        return state;
    }

    QAccessibleInterface* parent() const override
    {
        if (QWidget* box = box_of_button(button()))
            return QAccessible::queryAccessibleInterface(box);
        return QAccessibleWidget::parent();
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return QAccessibleWidget::relations(match & ~QAccessible::Controller);
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (button()->isEnabled())
            button()->animateClick();
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        const QString key = access_key(QKeySequence::PortableText);
        return action == pressAction() && !key.isEmpty() ? QStringList(key) : QStringList();
    }

private:
    MarkedButton* button() const { return static_cast<MarkedButton*>(widget()); }

    QString access_key(QKeySequence::SequenceFormat format) const
    {
        return QKeySequence::mnemonic(button()->text()).toString(format);
    }
};

// A frame, named by its caption, whose children are the controls in it: a
// card grid's cells in cell order, as a player sees them.
class FrameAccessible : public ListingAccessible {
public:
    explicit FrameAccessible(QGroupBox* frame) : ListingAccessible(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shown_caption(static_cast<QGroupBox*>(widget())->title());
        return QAccessibleWidget::text(t);
    }

private:
    QList<QWidget*> listed() const override
    {
        if (const CardGrid* grid = CardGrid::of(widget()))
            return grid->on_show();
        return child_widgets(widget());
    }
};

// A label in a frame, named by the text it shows and by nothing else: Qt
// would name an empty one by its frame's title. Empty, it shows nothing,
// and is nothing a player can reach.
class FrameLabelAccessible : public QAccessibleWidget {
public:
    explicit FrameLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || label()->text().isEmpty();
        return state;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// A scroll area's viewport, where a text box draws its text: part of the
// box, which tells the text, and no control a player can reach.
class ViewportAccessible : public QAccessibleWidget {
public:
    explicit ViewportAccessible(QWidget* viewport) : QAccessibleWidget(viewport, QAccessible::Client) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// A scroll area's scroll bar. One that its area never shows is nothing a
// player can reach; Qt would say that it controls its area, with nothing
// said back. Qt may ask for the interface while the area is being built,
// before its policy is set, so the policy is read when relations are asked
// for. (The toolkit's areas show no scroll bar.)
class AreaScrollBarAccessible : public QAccessibleWidget {
public:
    explicit AreaScrollBarAccessible(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return never_shown() ? QList<QPair<QAccessibleInterface*, QAccessible::Relation>>() : QAccessibleWidget::relations(match);
    }

    static QAbstractScrollArea* area_of(const QScrollBar* bar)
    {
        const QWidget* container = bar->parentWidget();
        return qobject_cast<QAbstractScrollArea*>(container ? container->parentWidget() : nullptr);
    }

private:
    bool never_shown() const
    {
        const auto* bar = static_cast<const QScrollBar*>(widget());
        const QAbstractScrollArea* area = area_of(bar);
        if (!area)
            return false;
        const Qt::ScrollBarPolicy policy =
            bar->orientation() == Qt::Vertical ? area->verticalScrollBarPolicy() : area->horizontalScrollBarPolicy();
        return policy == Qt::ScrollBarAlwaysOff;
    }
};

QAccessibleInterface* toolkit_interfaces(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<MarkedButton*>(object))
        return new ButtonAccessible(button);
    if (auto* frame = qobject_cast<QGroupBox*>(object))
        return new FrameAccessible(frame);
    if (QAccessibleInterface* box_part = box_interface(object))
        return box_part;
    if (auto* label = qobject_cast<QLabel*>(object); label && qobject_cast<QGroupBox*>(label->parentWidget()))
        return new FrameLabelAccessible(label);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(object ? object->parent() : nullptr);
        area && area->viewport() == object)
        return new ViewportAccessible(area->viewport());
    if (auto* bar = qobject_cast<QScrollBar*>(object); bar && AreaScrollBarAccessible::area_of(bar))
        return new AreaScrollBarAccessible(bar);
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void install_accessibility()
{
    static const bool installed = (QAccessible::installFactory(toolkit_interfaces), true);
    (void)installed;
}

void tell_label_emptiness_changed(QWidget* label)
{
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent change(label, changed);
    QAccessible::updateAccessibility(&change);
}

}  // namespace tk::qt

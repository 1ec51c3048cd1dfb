// Accessible names, interfaces and announcements.
#include "toolkit/qt/access.h"

#include "toolkit/caption.h"
#include "toolkit/qt/card.h"
#include "toolkit/qt/handle.h"
#include "toolkit/qt/messagebox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QScrollBar>

// Qt 6.8 tells that an object describes another.
#define HAS_DESCRIPTION_RELATIONS (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

namespace tk::qt {

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
        if (QWidget* box = box_of_row())
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

    // The message box whose row of buttons holds this one, if any.
    QWidget* box_of_row() const
    {
        QWidget* row = button()->parentWidget();
        QWidget* box = qobject_cast<QDialogButtonBox*>(row) ? row->parentWidget() : nullptr;
        return qobject_cast<QMessageBox*>(box) ? box : nullptr;
    }
};

// The widgets in a container that are not windows of their own, in the
// order of their creation, as Qt lists them.
QList<QWidget*> child_widgets(const QWidget* container)
{
    QList<QWidget*> list;
    for (QObject* object : container->children())
        if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow())
            list.append(child);
    return list;
}

// A widget whose children are the controls it lists, in its order.
class ListingAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(listed().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> list = listed();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(listed().indexOf(child->object())) : -1;
    }

protected:
    virtual QList<QWidget*> listed() const = 0;
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

// A message box, as native alerts are: named by its title; its icon, its
// text and its buttons its children, as a native box has them, the buttons
// without the row that lays them out. On Windows, as there, the text is a
// child alone; elsewhere it also describes the box, which is what Orca 48
// reads of an alert, and the label says that it describes the box. Qt 6.4
// has no such relation, and Orca 43, which reads an alert's labels that
// are related to nothing as well as its description, would say the text
// twice: there the label is left out.
class MessageBoxAccessible : public ListingAccessible {
public:
    explicit MessageBoxAccessible(QMessageBox* box) : ListingAccessible(box, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override
    {
#ifndef Q_OS_WIN
        if (t == QAccessible::Description)
            return static_cast<QMessageBox*>(widget())->text();
#endif
        return QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
#if HAS_DESCRIPTION_RELATIONS
        if (const auto* box = qobject_cast<const MessageBox*>(widget()); box && (match & QAccessible::DescriptionFor))
            if (QAccessibleInterface* label = QAccessible::queryAccessibleInterface(box->text_label()))
                relations.append({label, QAccessible::DescriptionFor});  // the label describes the box
#endif
        return relations;
    }

private:
    // Asked once the box is built, as a MessageBox.
    QList<QWidget*> listed() const override
    {
        QList<QWidget*> list;
        for (QWidget* child : child_widgets(widget())) {
            if (auto* row = qobject_cast<QDialogButtonBox*>(child)) {
                for (QAbstractButton* button : row->buttons())
                    list.append(button);
                continue;
            }
#if !HAS_DESCRIPTION_RELATIONS
            if (const auto* box = qobject_cast<const MessageBox*>(widget()); box && child == box->text_label())
                continue;
#endif
            list.append(child);
        }
        return list;
    }
};

// A label in a message box: its icon, named for what it shows, or its text,
// which describes the box. Which it is is asked when it matters: Qt may ask
// for the interface while the box is being built.
class BoxLabelAccessible : public QAccessibleWidget {
public:
    explicit BoxLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

#if HAS_DESCRIPTION_RELATIONS
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        const auto* box = qobject_cast<const MessageBox*>(label()->parentWidget());
        if ((match & QAccessible::Described) && box && box->text_label() == label())
            if (QAccessibleInterface* described = QAccessible::queryAccessibleInterface(label()->parentWidget()))
                relations.append({described, QAccessible::Described});  // the box is described by the label
        return relations;
    }
#endif

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
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
    if (auto* box = qobject_cast<QMessageBox*>(object))
        return new MessageBoxAccessible(box);
    if (auto* label = qobject_cast<QLabel*>(object)) {
        if (qobject_cast<QGroupBox*>(label->parentWidget()))
            return new FrameLabelAccessible(label);
        if (qobject_cast<QMessageBox*>(label->parentWidget()))
            return new BoxLabelAccessible(label);
    }
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

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
    // Long enough for a screen reader to have read the text.
    quiet_.setSingleShot(true);
    quiet_.setInterval(2000);
    connect(&quiet_, &QTimer::timeout, this, [this] {
        hide();
        setAccessibleName(QString());
    });
}

void Announcer::say(const QString& text)
{
    said_ = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(window(), text);
    QAccessible::updateAccessibility(&announcement);
#else
    // A notification is read out as it appears.
    hide();
    setAccessibleName(text);
    show();
    quiet_.start();
#endif
}

StateNews::StateNews(QObject* parent, std::function<bool(const QWidget*)> worth_telling)
    : QObject(parent), worth_telling_(std::move(worth_telling))
{
    pace_.setInterval(50);
    connect(&pace_, &QTimer::timeout, this, &StateNews::tell_next);
}

void StateNews::watch(QWidget* control)
{
    index_.insert(control, watched_.size());
    watched_.push_back({control, false});
    control->installEventFilter(this);
}

bool StateNews::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::EnabledChange || telling_)
        return false;
    Watched& held = watched_[index_.value(watched)];
    const auto* button = qobject_cast<const QAbstractButton*>(watched);
    if (button && button->isDown()) {
        held.held = false;
        return false;
    }
    held.control->update();
    held.held = true;
    if (!pace_.isActive())
        pace_.start();
    return true;
}

// The next few controls in order, as Qt tells them.
void StateNews::tell_next()
{
    constexpr int per_turn = 5;
    int told = 0;
    for (Watched& held : watched_) {
        if (!held.held)
            continue;
        if (told == per_turn)
            return;  // the timer runs on
        held.held = false;
        if (!held.control || !worth_telling_(held.control))
            continue;
        QEvent change(QEvent::EnabledChange);
        telling_ = true;
        QCoreApplication::sendEvent(held.control, &change);
        telling_ = false;
        ++told;
    }
    pace_.stop();
}

}  // namespace tk::qt

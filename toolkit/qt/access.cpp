// Accessible names, interfaces and announcements.
#include "toolkit/qt/access.h"

#include "toolkit/qt/card.h"
#include "toolkit/qt/messagebox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

namespace tk::qt {

namespace {

// A face is named by its picture only while it is on show; covered, it is
// in no frame's list of children and raises no events (see CardGrid).
class FaceAccessible : public QAccessibleWidget {
public:
    explicit FaceAccessible(CardFace* face) : QAccessibleWidget(face, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return face()->isHidden() ? QString() : face()->picture_name();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    // Returns at once; the click follows, as for any push button.
    void doAction(const QString& action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (face()->isEnabled())
            face()->animateClick();
    }

private:
    CardFace* face() const { return static_cast<CardFace*>(widget()); }
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
            return static_cast<QGroupBox*>(widget())->title().remove(QLatin1Char('&'));
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

// A message box, as native alerts are: named by its title, described by its
// text. The label that shows the text is that description and no child of
// its own: a screen reader that reads an alert's labels as well as its
// description would say the text twice.
class MessageBoxAccessible : public ListingAccessible {
public:
    explicit MessageBoxAccessible(QMessageBox* box) : ListingAccessible(box, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<QMessageBox*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

private:
    // Asked once the box is built, as a MessageBox.
    QList<QWidget*> listed() const override
    {
        QList<QWidget*> list = child_widgets(widget());
        if (const auto* box = qobject_cast<const MessageBox*>(widget()))
            list.removeOne(box->text_label());
        return list;
    }
};

// A label in a frame, named by the text it shows and by nothing else: Qt
// would name an empty one by its frame's title. Empty, it has no name.
class FrameLabelAccessible : public QAccessibleWidget {
public:
    explicit FrameLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A message box's row of buttons. Qt makes its default button the row's
// focus proxy, so the row would say it has the focus as well; and Qt tells
// that each button controls the row, which is told back here.
class ButtonRowAccessible : public QAccessibleWidget {
public:
    explicit ButtonRowAccessible(QDialogButtonBox* row) : QAccessibleWidget(row, QAccessible::Grouping) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        if (match & QAccessible::Controller)
            for (QAbstractButton* button : static_cast<QDialogButtonBox*>(widget())->buttons())
                if (QAccessibleInterface* control = QAccessible::queryAccessibleInterface(button))
                    relations.append({control, QAccessible::Controller});
        return relations;
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
    if (auto* face = qobject_cast<CardFace*>(object))
        return new FaceAccessible(face);
    if (auto* frame = qobject_cast<QGroupBox*>(object))
        return new FrameAccessible(frame);
    if (auto* box = qobject_cast<QMessageBox*>(object))
        return new MessageBoxAccessible(box);
    if (auto* label = qobject_cast<QLabel*>(object); label && qobject_cast<QGroupBox*>(label->parentWidget()))
        return new FrameLabelAccessible(label);
    if (auto* row = qobject_cast<QDialogButtonBox*>(object))
        return new ButtonRowAccessible(row);
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
    // A notification is read out as it appears.
    hide();
    setAccessibleName(text);
    show();
    quiet_.start();
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

// The accessible interfaces of a message box and of its labels.
#include "toolkit/qt/boxaccess.h"

#include "toolkit/qt/listingaccess.h"
#include "toolkit/qt/messagebox.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>

// Qt 6.8 tells that an object describes another.
#define HAS_DESCRIPTION_RELATIONS (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

namespace tk::qt {

namespace {

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

}  // namespace

QAccessibleInterface* box_interface(QObject* object)
{
    if (auto* box = qobject_cast<QMessageBox*>(object))
        return new MessageBoxAccessible(box);
    if (auto* label = qobject_cast<QLabel*>(object); label && qobject_cast<QMessageBox*>(label->parentWidget()))
        return new BoxLabelAccessible(label);
    return nullptr;
}

QWidget* box_of_button(const QWidget* button)
{
    QWidget* row = button->parentWidget();
    QWidget* box = qobject_cast<QDialogButtonBox*>(row) ? row->parentWidget() : nullptr;
    return qobject_cast<QMessageBox*>(box) ? box : nullptr;
}

}  // namespace tk::qt

// Accessible interfaces whose children are the controls they list, shared
// by frames and message boxes.
#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace tk::qt {

// The widgets in a container that are not windows of their own, in the
// order of their creation, as Qt lists them.
QList<QWidget*> child_widgets(const QWidget* container);

// A widget whose children are the controls it lists, in its order.
class ListingAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

protected:
    virtual QList<QWidget*> listed() const = 0;
};

}  // namespace tk::qt

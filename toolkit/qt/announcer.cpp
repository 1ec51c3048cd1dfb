// Announcements: a short text said without moving the keyboard.
#include "toolkit/qt/announcer.h"

#include <QAccessible>

namespace tk::qt {

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

}  // namespace tk::qt

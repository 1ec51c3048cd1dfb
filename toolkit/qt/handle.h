// The Qt front end's controls: a tk::Control is the QObject itself, and
// the widget behind a handle is found from it.
#pragma once

#include "toolkit/controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QString>
#include <QTimer>

namespace tk::qt {

inline Control* handle(QObject* object)
{
    return reinterpret_cast<Control*>(object);
}

inline const Control* handle(const QObject* object)
{
    return reinterpret_cast<const Control*>(object);
}

// The object behind a handle made by handle(), as the type it was made
// from; nullptr for none.
template <class T>
T* object(const Control* control)
{
    return static_cast<T*>(reinterpret_cast<QObject*>(const_cast<Control*>(control)));
}

inline QAbstractButton* widget(const Button& button) { return object<QAbstractButton>(button.control()); }
inline QGroupBox* widget(const Frame& frame) { return object<QGroupBox>(frame.control()); }
inline QLabel* widget(const Label& label) { return object<QLabel>(label.control()); }
inline QPlainTextEdit* widget(const TextBox& box) { return object<QPlainTextEdit>(box.control()); }
inline QWidget* widget(const Window& window) { return object<QWidget>(window.control()); }
inline QTimer* timer(const Timer& timer) { return object<QTimer>(timer.control()); }

inline QString to_qt(const Text& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text from_qt(const QString& text)
{
    return text.toStdU16String();
}

}  // namespace tk::qt

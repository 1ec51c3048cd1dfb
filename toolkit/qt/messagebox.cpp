// A modal QMessageBox for a message-box style, with Spanish buttons.
#include "toolkit/qt/messagebox.h"

#include "toolkit/runtime.h"

#include <QPushButton>
#include <QMessageBox>

namespace tk::qt {

namespace {

QMessageBox::Icon icon_for(std::int16_t style)
{
    switch (style & 0x70) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

std::int16_t show_message_box(QWidget* owner, const Text& prompt, std::int16_t style, const Text& title)
{
    QMessageBox box(icon_for(style), QString::fromStdU16String(title), QString::fromStdU16String(prompt),
                    QMessageBox::NoButton, owner);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* first;
    if ((style & 0x0F) == MB_YESNO) {
        first = box.addButton(QMessageBox::Yes);
        first->setText(QStringLiteral("&Sí"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("&No"));
    } else {
        first = box.addButton(QMessageBox::Ok);
        first->setText(QStringLiteral("Aceptar"));
    }
    box.setDefaultButton(first);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default:  // closed without a button: the answer Escape gives
        return (style & 0x0F) == MB_YESNO ? IDNO : IDOK;
    }
}

}  // namespace tk::qt

// Qt's own texts in Spanish: a text box's context menu and the accessible
// actions of controls.
#include "toolkit/qt/spanish.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstring>

namespace tk::qt {

namespace {

struct Translation {
    const char* context;
    const char* source;
    const char16_t* spanish;
};

constexpr Translation translations[] = {
    {"QWidgetTextControl", "&Undo", u"&Deshacer"},
    {"QWidgetTextControl", "&Redo", u"&Rehacer"},
    {"QWidgetTextControl", "Cu&t", u"Cor&tar"},
    {"QWidgetTextControl", "&Copy", u"&Copiar"},
    {"QWidgetTextControl", "Copy &Link Location", u"Copiar la &ubicación del vínculo"},
    {"QWidgetTextControl", "&Paste", u"&Pegar"},
    {"QWidgetTextControl", "Delete", u"Eliminar"},
    {"QWidgetTextControl", "Select All", u"Seleccionar &todo"},
    {"QAccessibleActionInterface", "Press", u"Pulsar"},
    {"QAccessibleActionInterface", "SetFocus", u"Enfocar"},
    {"QAccessibleActionInterface", "Toggle", u"Alternar"},
    {"QAccessibleActionInterface", "Triggers the action", u"Ejecuta la acción"},
    {"QAccessibleActionInterface", "Sets the focus", u"Pone el foco en el control"},
    {"QAccessibleActionInterface", "Toggles the state", u"Cambia el estado"},
};

class SpanishTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (!context || !source)
            return {};
        for (const Translation& t : translations)
            if (std::strcmp(t.context, context) == 0 && std::strcmp(t.source, source) == 0)
                return QString::fromUtf16(t.spanish);
        return {};
    }
};

}  // namespace

void install_spanish_texts()
{
    static SpanishTexts* texts = nullptr;
    if (texts || !QCoreApplication::instance())
        return;
    texts = new SpanishTexts(QCoreApplication::instance());
    QCoreApplication::installTranslator(texts);
}

}  // namespace tk::qt

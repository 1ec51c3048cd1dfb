// Qt's own texts in Spanish: those a player meets, in a table of the
// program's own, and, where Qt's translations are installed with Qt (on
// Linux), Qt's Spanish catalogue for any other.
#include "toolkit/qt/spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>

namespace tk::qt {

namespace {

struct Entry {
    const char* context;
    const char* source;
    const char16_t* text;
};

// A counter's context menu with its shortcuts, and the accessible actions
// of the controls. The focus action is the program's own wording: Qt's
// catalogue runs its two words together, as the English identifier does
// ("PonerFoco"), which a screen reader says as one unknown word.
constexpr Entry texts[] = {
    {"QWidgetTextControl", "&Copy", u"&Copiar"},
    {"QWidgetTextControl", "Select All", u"Seleccionar todo"},
    {"QShortcut", "Ctrl", u"Control"},
    {"QShortcut", "Shift", u"Mayúsculas"},
    {"QShortcut", "Alt", u"Alt"},
    {"QAccessibleActionInterface", "Press", u"Pulsar"},
    {"QAccessibleActionInterface", "Triggers the action", u"Desencadena la acción"},
    {"QAccessibleActionInterface", "SetFocus", u"Enfocar"},
    {"QAccessibleActionInterface", "Sets the focus", u"Pone el foco"},
};

// Consulted before Qt's catalogue.
class OwnTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (!context || !source)
            return {};
        for (const Entry& entry : texts)
            if (std::strcmp(context, entry.context) == 0 && std::strcmp(source, entry.source) == 0)
                return QString::fromUtf16(entry.text);
        return {};
    }
};

}  // namespace

void install_spanish_texts()
{
    static bool installed = false;
    QCoreApplication* application = QCoreApplication::instance();
    if (installed || !application)
        return;
    installed = true;
#ifndef Q_OS_WIN  // the Windows build carries no catalogue of Qt's
    auto* catalogue = new QTranslator(application);
    if (!catalogue->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qWarning("Qt's Spanish catalogue qtbase_es.qm is missing from %s",
                 qUtf8Printable(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(catalogue);
#endif
    QCoreApplication::installTranslator(new OwnTexts(application));
}

}  // namespace tk::qt

// Qt's own texts in Spanish: Qt's Spanish catalogue, from Qt's translations,
// and the one entry where it fails a player.
#include "toolkit/qt/spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>

namespace tk::qt {

namespace {

// Consulted before the catalogue.
class Corrections : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        // The accessible action that moves the focus. The catalogue runs its
        // two words together, as the English identifier does ("PonerFoco"),
        // which a screen reader says as one unknown word.
        if (context && source && std::strcmp(context, "QAccessibleActionInterface") == 0 &&
            std::strcmp(source, "SetFocus") == 0)
            return QStringLiteral("Enfocar");
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
    auto* catalogue = new QTranslator(application);
    if (!catalogue->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qWarning("Qt's Spanish catalogue qtbase_es.qm is missing from %s",
                 qUtf8Printable(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(catalogue);
    QCoreApplication::installTranslator(new Corrections(application));
}

}  // namespace tk::qt

#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {

QString install(QCoreApplication& app, const QLocale& locale) {
    for (const QString& tag : locale.uiLanguages()) {
        // "de-AT" first tries a file for "de_AT", then the one for "de".
        const QString name = QString(tag).replace(u'-', u'_');
        const QString base = name.section(u'_', 0, 0);
        if (base == u"en" || base == u"C")
            return {};
        for (const QString& candidate : {name, base}) {
            auto* own = new QTranslator(&app);
            if (!own->load(QStringLiteral(":/i18n/linkmeter_") + candidate)) {
                delete own;
                continue;
            }
            QCoreApplication::installTranslator(own);
            // Qt's texts (the buttons of its dialogs, a context menu) come from its own package.
            auto* qt = new QTranslator(&app);
            if (qt->load(QStringLiteral("qtbase_") + candidate,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qt);
            else
                delete qt;
            // The file found may be a shorter one than asked for ("de" for "de_Latn_DE").
            return own->language();
        }
    }
    return {};
}

std::optional<QLocale> fromOption(const QString& option) {
    if (option == u"de")
        return QLocale(QLocale::German, QLocale::Germany);
    if (option == u"fr")
        return QLocale(QLocale::French, QLocale::France);
    if (option == u"es")
        return QLocale(QLocale::Spanish, QLocale::Spain);
    if (option == u"en")
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return std::nullopt;
}

} // namespace language

#include "app/Language.h"

#include "support/SettingsFixture.h"
#include "views/OnboardingView.h"
#include "views/kit/Strings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTranslator>

namespace {

// Installs the translators for `language` and takes them away again, so tests stay independent.
class InstalledLanguage {
public:
    explicit InstalledLanguage(const QString& option)
        : installed(language::install(*QCoreApplication::instance(), *language::fromOption(option))) {
        QLocale::setDefault(*language::fromOption(option));
    }
    ~InstalledLanguage() {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        QLocale::setDefault(QLocale::c());
    }
    const QString installed;
};

QString nextButtonText() {
    SettingsFixture f;
    const OnboardingView view(f.location, f.notifications, true, QString());
    return view.nextButton()->text();
}

} // namespace

TEST(Language, GermanComesFromTheBuiltInTranslationAndWritesNumbersTheGermanWay) {
    const InstalledLanguage german(QStringLiteral("de"));
    EXPECT_EQ(german.installed, QStringLiteral("de"));
    EXPECT_EQ(nextButtonText(), QStringLiteral("Weiter"));
    EXPECT_EQ(localNumber(12.5, 1), QStringLiteral("12,5"));
}

TEST(Language, EnglishNeedsNoTranslation) {
    const InstalledLanguage english(QStringLiteral("en"));
    EXPECT_TRUE(english.installed.isEmpty());
    EXPECT_EQ(nextButtonText(), QStringLiteral("Next"));
    EXPECT_EQ(localNumber(12.5, 1), QStringLiteral("12.5"));
}

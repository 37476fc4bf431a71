#pragma once

#include <QLocale>
#include <QString>

#include <optional>

class QCoreApplication;

namespace language {

// Installs the program's translation, and Qt's own for its dialogs, for the first of the locale's
// interface languages that has one. English is the source language: a list that names it before any
// translated language stays English. Returns the language installed ("de"), or an empty string.
QString install(QCoreApplication& app, const QLocale& locale);

// The locale a `--language` option names ("de", "fr", "es", "en"); nullopt for any other.
std::optional<QLocale> fromOption(const QString& option);

} // namespace language

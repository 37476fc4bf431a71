#pragma once

#include "core/WiFiInfo.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The domain's texts are UTF-8 views; Qt wants its own strings.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An optional text, empty when absent.
inline QString optionalText(const std::optional<std::string>& text) {
    return text ? toQString(*text) : QString();
}

// A number as the reader writes it ("12,5" in German): every figure shown goes through here.
// Reports, logs and metrics format their own numbers in the C locale.
inline QString localNumber(double value, int decimals = 0) {
    return QLocale().toString(value, 'f', decimals);
}

// A text made in English where Qt's tr() is not at hand (the rules, the help topics) and marked
// there under `context` ("ConnectionIssue", "Tip", "Notification", "NetworkInsight", "RouterBrand",
// "HelpTopic"), in the reader's language. A text that has a number put into it matches no entry and
// stays English: translate its pattern instead.
inline QString translatedText(const char* context, std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

// A network's name as shown: the stand-in for a name the system withholds is in the reader's language.
inline QString shownNetworkName(std::string_view ssid) {
    return ssid == unknownNetworkSSID ? translatedText("WiFiInfo", ssid) : toQString(ssid);
}

// A figure a rule wrote in the C locale ("3.0"), as the reader writes it ("3,0"); any other text as
// it is.
inline QString localFigure(const std::string& argument) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.([0-9]+))?$"));
    const QString text = toQString(argument);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return text;
    return QLocale().toString(text.toDouble(), 'f', static_cast<int>(match.capturedLength(2)));
}

// A pattern marked under `context`, translated, with `arguments` put in for %1, %2, ... in order.
inline QString translatedText(const char* context, std::string_view pattern,
                              const std::vector<std::string>& arguments) {
    QString text = translatedText(context, pattern);
    // A pattern may leave its figure out ("1 weak network"); Qt warns about an argument with no place.
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (const std::string& argument : arguments) {
        if (!text.contains(placeholder))
            break;
        text = text.arg(localFigure(argument));
    }
    return text;
}

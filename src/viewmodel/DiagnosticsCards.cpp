#include "viewmodel/DiagnosticsCards.h"

#include "viewmodel/DiagnosticsFormat.h"

#include <QCoreApplication>

DNSCardData dnsCard(const std::optional<DNSResult>& result, const std::vector<double>& history) {
    DNSCardData card;
    card.history = history;
    if (!result) {
        card.time = QStringLiteral("--");
        return card;
    }
    card.server = QString::fromStdString(result->server);
    // A lookup that found no address failed, however quickly it did so.
    if (!result->resolvedIP) {
        card.time = QCoreApplication::translate("DiagnosticsCards", "Failed");
        card.timeTone = Tone::red;
        return card;
    }
    card.time = QString::fromStdString(wholeMilliseconds(result->lookupTime));
    card.timeTone = dnsLookupTone(result->lookupTime);
    if (const auto note = dnsLookupNote(result->lookupTime)) {
        card.note = QString::fromUtf8(note->text.data(), static_cast<qsizetype>(note->text.size()));
        card.noteTone = note->tone;
    }
    return card;
}

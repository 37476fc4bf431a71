#include "probes/TransportFailureText.h"

#include "core/RuleText.h"

std::string_view transportFailureText(HttpFailure failure) {
    switch (failure) {
    case HttpFailure::hostNotFound:
        return QT_TRANSLATE_NOOP("TransportFailure", "Names can't be looked up (DNS is not answering)");
    case HttpFailure::timedOut:
        return QT_TRANSLATE_NOOP("TransportFailure", "The connection timed out");
    case HttpFailure::refused:
        return QT_TRANSLATE_NOOP("TransportFailure", "The network refused the connection");
    case HttpFailure::unreachable:
        return QT_TRANSLATE_NOOP("TransportFailure", "No route to the internet");
    case HttpFailure::none:
    case HttpFailure::cancelled:
    case HttpFailure::other:
        break;
    }
    return QT_TRANSLATE_NOOP("TransportFailure", "The connection failed");
}

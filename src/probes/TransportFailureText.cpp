#include "probes/TransportFailureText.h"

std::string_view transportFailureText(HttpFailure failure) {
    switch (failure) {
    case HttpFailure::hostNotFound:
        return "Names can't be looked up (DNS is not answering)";
    case HttpFailure::timedOut:
        return "The connection timed out";
    case HttpFailure::refused:
        return "The network refused the connection";
    case HttpFailure::unreachable:
        return "No route to the internet";
    case HttpFailure::none:
    case HttpFailure::cancelled:
    case HttpFailure::other:
        break;
    }
    return "The connection failed";
}

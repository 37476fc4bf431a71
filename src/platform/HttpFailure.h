#pragma once

// What kind of transport failure an HTTP result describes, for callers that explain it to the user
// rather than print the client's own message.
enum class HttpFailure {
    none,         // an answer came (whatever its status)
    hostNotFound, // the name could not be looked up
    timedOut,     // nothing moved for too long
    refused,      // the other end turned the connection down
    unreachable,  // no route or no network to send on
    cancelled,    // the caller gave up
    other,
};

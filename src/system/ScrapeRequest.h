#pragma once

#include <cstddef>
#include <string_view>

// What a metrics connection should answer, judged from the bytes it has received so far.
enum class ScrapeVerdict {
    incomplete,       // wait for more
    metrics,          // GET /metrics: 200 with the exposition
    notFound,         // GET of another path: 404
    methodNotAllowed, // any other method: 405
    badRequest,       // not an HTTP/1 request line: 400
    tooLarge,         // no end of the request head within the limit: 431
};

// Reads an HTTP/1.0 or 1.1 request head (request line and header lines, ending in an empty line).
// Bytes that cannot start a request line are refused at once, not after the limit or a time-out.
// Anything after the head is ignored: a GET has no body to wait for.
ScrapeVerdict judgeScrapeRequest(std::string_view received, std::size_t limit);

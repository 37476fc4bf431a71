#include "probes/TransportFailureText.h"

#include <gtest/gtest.h>

TEST(TransportFailureText, EachFailureInPlainWords) {
    EXPECT_EQ(transportFailureText(HttpFailure::hostNotFound),
              "Names can't be looked up (DNS is not answering)");
    EXPECT_EQ(transportFailureText(HttpFailure::timedOut), "The connection timed out");
    EXPECT_EQ(transportFailureText(HttpFailure::refused), "The network refused the connection");
    EXPECT_EQ(transportFailureText(HttpFailure::unreachable), "No route to the internet");
    for (HttpFailure rest : {HttpFailure::none, HttpFailure::cancelled, HttpFailure::other})
        EXPECT_EQ(transportFailureText(rest), "The connection failed");
}

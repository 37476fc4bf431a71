#pragma once

#include "platform/HttpFailure.h"

#include <string_view>

// What a failed check of the internet means for the user, in one short sentence.
std::string_view transportFailureText(HttpFailure failure);

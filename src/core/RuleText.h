#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a rule's text for the translators without bringing Qt into the rules: lupdate finds these
// macro names and files the text under `context`; the program keeps the English text, so logs,
// reports and metrics stay stable, and a view translates it when it shows it. Where Qt's own
// definition is already in, it does the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// `pattern` with %1, %2, ... replaced by `arguments` in order: the English text of a rule whose
// translatable pattern has figures put in. A lone "%" stays as it is.
std::string fillIn(std::string_view pattern, const std::vector<std::string>& arguments);

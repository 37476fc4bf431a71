#pragma once

// Marks a rule's text for the translators without bringing Qt into the rules: lupdate finds these
// macro names and files the text under `context`; the program keeps the English text, so logs,
// reports and metrics stay stable, and a view translates it when it shows it. Where Qt's own
// definition is already in, it does the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

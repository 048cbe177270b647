#pragma once
// The program's texts in the user's language. The Russian texts written in the code
// are the catalog's sources: with no catalog in use (Russian, or a build without Qt)
// every text is shown exactly as written. Standard library only, so that every layer
// can say its texts through it; Qt's translation tools find a text by the call
// `translate("context", "text")` or by QT_TRANSLATE_NOOP where a table keeps it.

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text kept in a table for the catalog; `translate` it where it is shown.
// Qt defines the same macro the same way.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pemrix::language {

// A catalog's answer for a text: its translation, or the text itself when the
// catalog has none.
using Catalog = std::string (*)(const char* context, const char* source);

// Puts a catalog in use; nullptr puts it out of use. Called once while the program
// starts, before any other thread runs.
void useCatalog(Catalog catalog);

// The text in the user's language: `source` itself unless a catalog is in use.
std::string translate(const char* context, const char* source);

// The pattern with "%1" … "%9" replaced by the arguments, as Qt's arg() does: the
// place of a value can move in a translated sentence.
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace pemrix::language

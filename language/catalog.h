#pragma once
// Puts the chosen language in use. English: the program's English catalog, built into
// the program, answers every `translate` and `tr`. Russian: the texts stay as written
// and Qt's own texts (a dialog's buttons) come from Qt's Russian catalog. Qt Core.

#include "language/language_choice.h"

class QCoreApplication;

namespace pemrix::language {

// For the program's own texts; before the application object exists is fine, and
// the command line's answers (--help) need it that early. False when the English
// catalog cannot be read (the program stays Russian).
bool useLanguage(Language language);

Language languageInUse();

// Qt's own catalog for the language in use and the program's catalog for `tr()`,
// installed into the application once it exists.
void installCatalogs(QCoreApplication& application);

} // namespace pemrix::language

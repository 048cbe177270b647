// A build without Qt has no catalog: its texts are the Russian ones as written.

#include "language/catalog.h"

namespace pemrix::language {

bool useLanguage(Language language) {
    return language == Language::Russian;
}

Language languageInUse() {
    return Language::Russian;
}

} // namespace pemrix::language

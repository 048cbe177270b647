#pragma once
// A catalog that marks every text it is asked for with "~" (once, should a lower layer
// have asked already), in use while it lives: a text that reaches the user without
// going through the catalog shows no mark, in whatever language.

#include "language/translate.h"

#include <string>

namespace pemrix::testing {

class MarkingCatalog {
  public:
    MarkingCatalog() { language::useCatalog(mark); }
    ~MarkingCatalog() { language::useCatalog(nullptr); }
    MarkingCatalog(const MarkingCatalog&) = delete;
    MarkingCatalog& operator=(const MarkingCatalog&) = delete;

  private:
    static std::string mark(const char*, const char* source) {
        return source[0] == '~' ? source : std::string("~") + source;
    }
};

} // namespace pemrix::testing

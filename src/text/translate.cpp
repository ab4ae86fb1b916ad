#include "text/translate.h"

#include <utility>

namespace kvx::text {
namespace {

Catalogue& installed() {
    static Catalogue catalogue;
    return catalogue;
}

}  // namespace

void setCatalogue(Catalogue catalogue) { installed() = std::move(catalogue); }

std::string translate(const char* context, const char* source) {
    if (const Catalogue& c = installed()) {
        std::string t = c(context, source);
        if (!t.empty()) return t;
    }
    return source;
}

}  // namespace kvx::text

// The user's language for the texts the core shows a person (messages,
// captions, questions). The Japanese texts are the sources; a catalogue,
// installed by the program that shows them, gives another language. Texts the
// program writes into files never go through here: other programs read them.
#pragma once

#include <functional>
#include <string>

namespace kvx::text {

/// Looks up `source` (UTF-8) of `context`; an empty result means "not
/// translated", and the source is shown.
using Catalogue = std::function<std::string(const char* context, const char* source)>;

/// The catalogue every later `translate` uses; an empty one restores Japanese.
void setCatalogue(Catalogue catalogue);

/// `source` in the user's language. Call it with literals only: the
/// translation tools collect the texts from these calls. A printf format keeps
/// its conversions in every language, so it can be translated before it is
/// filled in: text::format(translate("kvx::data", "第 %d 行").c_str(), n).
std::string translate(const char* context, const char* source);

}  // namespace kvx::text

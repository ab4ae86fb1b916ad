// The language of the windows and of the batch's messages: Japanese (the
// source texts) or English (the catalogues in translations/, built into the
// program). Files the program writes keep their Japanese texts in every
// language.
//
// Texts of controls are bound once, where the control is made:
//     bindText(button, "text", tx("TOpening", "ファイル (&F)"));
// and set again whenever the language changes, so a switch needs no restart.
// `tx` only records the source; the translation tools read its calls
// (lupdate -tr-function-alias translate+=tx), so its arguments are literals.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kvx::app {

enum class Language { Japanese, English };

/// "ja", "ja_JP.UTF-8", "ja_JP.eucJP": Japanese; anything else (also "C",
/// "POSIX" or nothing at all): English.
Language languageOfLocaleName(std::string_view name);
/// From LC_ALL, LC_MESSAGES or LANG, the first that is set and not empty.
Language languageOfEnvironment();
/// The language remembered in the settings, or else the environment's.
Language startLanguage();
/// Remembers the user's choice for the next start.
void rememberLanguage(Language language);
/// Short names used in the settings: "ja", "en".
const char* languageCode(Language language);

/// Installs the language: Qt's translators (when an application object
/// exists), the core's catalogue, and every bound text set again.
void useLanguage(Language language);
Language currentLanguage();

/// A source text and its context, translated when used.
struct Text {
    const char* context;
    const char* source;
};
constexpr Text tx(const char* context, const char* source) { return {context, source}; }

/// The text in the current language. Not called tr: lupdate reads
/// tr(tx(...)) as a QObject::tr call with no literal and drops the text.
QString translated(Text text);
/// A printf-style format in the current language, filled in (%d, %s, %g ...;
/// %s takes UTF-8).
QString trFormat(Text format, ...);
/// `shown`, a text the core wrote from `format` (Japanese, one %d), made again
/// from the format in the current language with the same number; nothing when
/// `shown` is not that format filled in.
std::optional<QString> retranslatedCount(Text format, const std::string& shown);

/// Sets `property` of `target` to `text` now and after every change of
/// language, for as long as `target` lives.
void bindText(QObject* target, const char* property, Text text);
/// Runs `apply` now and after every change of language while `owner` lives:
/// for texts that are not one property (table headers, list items, texts with
/// numbers in them).
void onLanguageChange(QObject* owner, std::function<void()> apply);

}  // namespace kvx::app

#include "app/language.h"

#include "app/settings.h"
#include "text/printf.h"
#include "text/translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTranslator>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace kvx::app {
namespace {

const char* const kSettingsKey = "language";

struct Binding {
    QPointer<QObject> owner;
    std::function<void()> apply;
};

struct State {
    Language language = Language::Japanese;
    std::vector<std::unique_ptr<QTranslator>> translators;
    std::vector<Binding> bindings;
    std::size_t liveAfterLastSweep = 0;
};

State& state() {
    static State s;
    return s;
}

// The catalogues built into the program: one per part (core, batch, windows).
std::vector<std::unique_ptr<QTranslator>> loadCatalogues(Language language) {
    std::vector<std::unique_ptr<QTranslator>> loaded;
    if (language == Language::Japanese) return loaded;
    const QDir folder(QStringLiteral(":/i18n"));
    for (const QString& name : folder.entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name)) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(folder.filePath(name))) loaded.push_back(std::move(t));
    }
    return loaded;
}

QString lookUp(const char* context, const char* source) {
    for (const auto& t : state().translators) {
        QString found = t->translate(context, source);
        if (!found.isNull() && !found.isEmpty()) return found;
    }
    return QString::fromUtf8(source);
}

void addBinding(QObject* owner, std::function<void()> apply) {
    State& s = state();
    apply();
    // Dead owners are dropped whenever the list has doubled since the last sweep.
    if (s.bindings.size() >= 2 * s.liveAfterLastSweep + 64) {
        std::erase_if(s.bindings, [](const Binding& b) { return b.owner.isNull(); });
        s.liveAfterLastSweep = s.bindings.size();
    }
    s.bindings.push_back({owner, std::move(apply)});
}

}  // namespace

Language languageOfLocaleName(std::string_view name) {
    return name.substr(0, 2) == "ja" && (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@')
               ? Language::Japanese
               : Language::English;
}

Language languageOfEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return languageOfLocaleName(value);
    }
    return Language::English;
}

const char* languageCode(Language language) { return language == Language::Japanese ? "ja" : "en"; }

Language startLanguage() {
    const QString stored = openSettings()->value(QLatin1String(kSettingsKey)).toString();
    if (stored == QLatin1String("ja")) return Language::Japanese;
    if (stored == QLatin1String("en")) return Language::English;
    return languageOfEnvironment();
}

void rememberLanguage(Language language) {
    openSettings()->setValue(QLatin1String(kSettingsKey), QLatin1String(languageCode(language)));
}

void useLanguage(Language language) {
    State& s = state();
    if (QCoreApplication::instance() != nullptr)
        for (const auto& t : s.translators) QCoreApplication::removeTranslator(t.get());
    s.translators = loadCatalogues(language);
    s.language = language;
    if (QCoreApplication::instance() != nullptr)
        for (const auto& t : s.translators) QCoreApplication::installTranslator(t.get());
    if (s.translators.empty()) {
        text::setCatalogue({});
    } else {
        text::setCatalogue([](const char* context, const char* source) {
            return lookUp(context, source).toStdString();
        });
    }
    // A binding may make windows that bind texts of their own: walk a copy.
    const std::vector<Binding> bindings = s.bindings;
    for (const Binding& b : bindings)
        if (!b.owner.isNull()) b.apply();
}

std::optional<QString> retranslatedCount(Text format, const std::string& shown) {
    int n = 0;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    if (std::sscanf(shown.c_str(), format.source, &n) != 1 || text::format(format.source, n) != shown)
        return std::nullopt;
#pragma GCC diagnostic pop
    return trFormat(format, n);
}

Language currentLanguage() { return state().language; }

QString translated(Text text) { return lookUp(text.context, text.source); }

QString trFormat(Text format, ...) {
    const std::string f = translated(format).toStdString();
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int n = std::vsnprintf(nullptr, 0, f.c_str(), args);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, f.c_str(), again);
#pragma GCC diagnostic pop
    va_end(again);
    va_end(args);
    return QString::fromStdString(out);
}

void bindText(QObject* target, const char* property, Text text) {
    const QByteArray name(property);
    addBinding(target, [target, name, text] { target->setProperty(name.constData(), translated(text)); });
}

void onLanguageChange(QObject* owner, std::function<void()> apply) { addBinding(owner, std::move(apply)); }

}  // namespace kvx::app

// Checks that a window shows no text left in Japanese once the program runs
// in English: every caption, title, menu item, tool tip, header and list item
// of the window and of its children. Texts that come from the data file (its
// channel names and units) are Japanese in any language and are allowed.
#pragma once

#include "app/language.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QWidget>

#include <set>

namespace kvx::test {

/// Hiragana, katakana (also half-width), CJK ideographs and full-width forms.
inline bool hasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

/// Every Japanese text `root` shows, each as "objectName: text", except those
/// in `allowed` (whole texts) or containing one of `allowedParts`.
inline QStringList japaneseTexts(QWidget* root, const std::set<QString>& allowed = {},
                                 const QStringList& allowedParts = {}) {
    QStringList found;
    const auto check = [&](const QObject* owner, const QString& text) {
        if (!hasJapanese(text) || allowed.count(text.trimmed()) > 0) return;
        for (const QString& part : allowedParts)
            if (text.contains(part)) return;
        found << owner->objectName() + QStringLiteral(" (") + QLatin1String(owner->metaObject()->className()) +
                     QStringLiteral("): ") + text.left(80);
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->isWindow()) check(w, w->windowTitle());
        check(w, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) check(w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) check(w, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) check(w, group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w)) check(w, edit->placeholderText());
        if (auto* browser = qobject_cast<QTextEdit*>(w)) check(w, browser->toPlainText());
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) check(w, plain->toPlainText());
        if (auto* menu = qobject_cast<QMenu*>(w)) check(w, menu->title());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) check(w, combo->itemText(i));
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) check(w, list->item(i)->text());
        if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (auto* item = table->horizontalHeaderItem(c)) check(w, item->text());
            for (int r = 0; r < table->rowCount(); ++r)
                if (auto* item = table->verticalHeaderItem(r)) check(w, item->text());
        }
        for (QAction* a : w->actions()) {
            check(a, a->text());
            check(a, a->toolTip() == a->text().remove(QLatin1Char('&')) ? QString() : a->toolTip());
        }
    }
    return found;
}

/// Every text a window shows, widget by widget and named by its object, for
/// comparing a window before and after a switch of language: captions,
/// titles, tool tips, edits, menus, list items, tabs, the spin boxes' words,
/// table headings and cells, and actions.
inline QStringList shownTexts(QWidget* root) {
    QStringList out;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QString name = w->objectName() + QLatin1Char(':');
        out << name + w->windowTitle() << name + w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w)) out << name + l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) out << name + b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) out << name + g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w)) out << name + e->text();
        if (auto* m = qobject_cast<QMenu*>(w)) out << name + m->title();
        if (auto* t = qobject_cast<QPlainTextEdit*>(w)) out << name + t->toPlainText();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) out << name + c->itemText(i);
        if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) out << name + s->specialValueText() << name + s->text();
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) out << name + t->tabText(i);
        if (auto* t = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < t->columnCount(); ++c)
                if (auto* h = t->horizontalHeaderItem(c)) out << name + h->text();
            for (int r = 0; r < t->rowCount(); ++r) {
                if (auto* h = t->verticalHeaderItem(r)) out << name + h->text();
                for (int c = 0; c < t->columnCount(); ++c)
                    if (auto* item = t->item(r, c)) out << name + item->text() + QLatin1Char('|') + item->toolTip();
            }
        }
        for (QAction* a : w->actions()) out << name + a->text() + QLatin1Char('|') + a->toolTip();
    }
    return out;
}

/// Runs the program in English for the life of the guard, Japanese after.
class EnglishForTheTest {
public:
    EnglishForTheTest() { app::useLanguage(app::Language::English); }
    ~EnglishForTheTest() { app::useLanguage(app::Language::Japanese); }
    EnglishForTheTest(const EnglishForTheTest&) = delete;
    EnglishForTheTest& operator=(const EnglishForTheTest&) = delete;
};

}  // namespace kvx::test

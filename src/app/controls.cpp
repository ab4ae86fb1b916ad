#include "app/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace kvx::app {
namespace {

// Lives as a child of the target, so it ends with it; one per property.
class LiveText : public QObject {
public:
    LiveText(QObject* target, const QByteArray& property) : QObject(target), m_property(property) {
        setObjectName(QStringLiteral("kvx-live-") + QString::fromLatin1(property));
        onLanguageChange(this, [this] { apply(); });
    }
    void setMaker(std::function<QString()> make) {
        m_make = std::move(make);
        apply();
    }

private:
    void apply() {
        if (m_make) parent()->setProperty(m_property.constData(), m_make());
    }
    QByteArray m_property;
    std::function<QString()> m_make;
};

}  // namespace

void setLiveText(QObject* target, const char* property, std::function<QString()> make) {
    const QByteArray name(property);
    const QString holderName = QStringLiteral("kvx-live-") + QString::fromLatin1(name);
    LiveText* holder = nullptr;
    for (QObject* child : target->children())
        if (child->objectName() == holderName) holder = static_cast<LiveText*>(child);
    if (holder == nullptr) holder = new LiveText(target, name);
    holder->setMaker(std::move(make));
}

QString rowRangeText(const std::string& range) {
    QString text = QString::fromStdString(range);
    if (currentLanguage() == Language::English) text.replace(QChar(0xFF5E), QLatin1Char('-'));
    return text;
}

void setLiveText(QObject* target, const char* property, Text text) {
    setLiveText(target, property, [text] { return translated(text); });
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, Text caption, const QRect& geometry) {
    QPushButton* button = makeButton(parent, name, QString(), geometry);
    bindText(button, "text", caption);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& name, Text text, const QRect& geometry) {
    QLabel* label = makeLabel(parent, name, QString(), geometry);
    bindText(label, "text", text);
    return label;
}

void followDefaults(QLineEdit* edit, std::vector<Text> defaults) {
    auto shown = std::make_shared<std::vector<QString>>();
    onLanguageChange(edit, [edit, defaults = std::move(defaults), shown] {
        std::vector<QString> now;
        for (const Text& d : defaults) now.push_back(translated(d));
        const QString text = edit->text();
        for (std::size_t i = 0; i < defaults.size(); ++i)
            if (text == QString::fromUtf8(defaults[i].source) || (!shown->empty() && text == (*shown)[i])) {
                edit->setText(now[i]);
                break;
            }
        *shown = std::move(now);
    });
}

}  // namespace kvx::app

// Line style window: rows per channel, colour chooser, thick lines, defaults, .clr files.
#include "app/t_settei.h"

#include "app/controls.h"
#include "app/qt_text.h"
#include "plot/clr_file.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace kvx::app {
namespace {

constexpr int kFirstRowY = 34;
constexpr int kRowPitch = 24;
constexpr int kSampleWidth = 72;
constexpr int kSampleHeight = 17;

}  // namespace

TSettei::TSettei(plot::LineStyles& styles, ui::Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_styles(styles), m_interaction(&interaction) {
    setObjectName(QStringLiteral("TSettei"));
    bindText(this, "windowTitle", tx("TSettei", "　グラフ線設定"));
    setModal(false);
    setFixedSize(352, 536);
    buildControls();
}

void TSettei::buildControls() {
    const auto caption = [this](Text text, int x, int y, int width) {
        auto* l = new QLabel(this);
        l->setGeometry(x, y, width, 20);
        bindText(l, "text", text);
        return l;
    };
    caption(tx("TSettei", "線色"), 72, 8, 60);
    caption(tx("TSettei", "太線"), 186, 8, 40);
    caption(tx("TSettei", "記号"), 236, 8, 40);
    for (int k = 1; k <= 16; ++k) {
        const int y = kFirstRowY + (k - 1) * kRowPitch;
        const auto i = index(k);
        auto* label = new QLabel(QStringLiteral("%1 CH").arg(k, 2), this);
        label->setObjectName(QStringLiteral("ChannelLabel%1").arg(k));
        label->setGeometry(16, y, 50, 20);
        auto* sample = new QLabel(this);
        sample->setObjectName(QStringLiteral("Sample%1").arg(k));
        sample->setGeometry(72, y + 2, kSampleWidth, kSampleHeight);
        auto* button = makeButton(this, QStringLiteral("Button%1").arg(k), QStringLiteral("..."), {150, y - 1, 28, 22});
        bindText(button, "toolTip", tx("TSettei", "線の色を選ぶ"));
        auto* bold = new QCheckBox(this);
        bold->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        bold->setGeometry(192, y, 22, 20);
        auto* mark = new QCheckBox(this);
        mark->setObjectName(QStringLiteral("CheckBox%1").arg(k + 16));
        mark->setGeometry(242, y, 22, 20);
        m_labels[i] = label;
        m_samples[i] = sample;
        m_colorButtons[i] = button;
        m_boldBoxes[i] = bold;
        m_markBoxes[i] = mark;
        // User clicks only: loading a file sets the boxes without a handler.
        connect(button, &QPushButton::clicked, this, &TSettei::ColorButtonClick);
        connect(bold, &QCheckBox::clicked, this, &TSettei::BoldBoxClick);
    }
    const int noteY = kFirstRowY + 16 * kRowPitch + 6;
    caption(tx("TSettei", "現在記号は機能しません"), 16, noteY, 300);

    const auto button = [this](const char* name, Text text, int x, int y) {
        return makeButton(this, QLatin1String(name), text, QRect(x, y, 76, 28));
    };
    const int buttonY = noteY + 30;
    Button17 = button("Button17", tx("TSettei", "閉じる(&C)"), 12, buttonY);
    Button18 = button("Button18", tx("TSettei", "保存(&S)"), 94, buttonY);
    Button19 = button("Button19", tx("TSettei", "規定色(&D)"), 176, buttonY);
    Button20 = button("Button20", tx("TSettei", "読込(&R)"), 258, buttonY);
    connect(Button17, &QPushButton::clicked, this, &TSettei::Button17Click);
    connect(Button18, &QPushButton::clicked, this, &TSettei::Button18Click);
    connect(Button19, &QPushButton::clicked, this, &TSettei::Button19Click);
    connect(Button20, &QPushButton::clicked, this, &TSettei::Button20Click);
}

void TSettei::showFor(int channelCount) {
    for (int k = 1; k <= 16; ++k) {
        const bool inFile = k <= channelCount;
        colorButton(k)->setEnabled(inFile);
        boldBox(k)->setEnabled(inFile);
        markBox(k)->setEnabled(inFile);
        channelLabel(k)->setEnabled(inFile);
        drawSample(k);
        sample(k)->setVisible(inFile);
    }
    show();
    raise();
    activateWindow();
}

void TSettei::drawSample(int channel) {
    const auto i = index(channel);
    QImage scratch(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        const plot::Rgb c = m_styles.ChannelColors[i];
        QPen pen(QColor(c.r, c.g, c.b));
        pen.setWidth(m_styles.ChannelBold[i] ? 2 : 1);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(0, 8, 70, 8);
    }
    sample(channel)->setPixmap(QPixmap::fromImage(scratch));
}

int TSettei::channelOfSender(const QObject* sender, const char* prefix) {
    if (!sender) return 0;
    const QString name = sender->objectName();
    const QString start = QLatin1String(prefix);
    if (!name.startsWith(start)) return 0;
    bool ok = false;
    const int channel = name.mid(start.size()).toInt(&ok);
    return ok && channel >= 1 && channel <= 16 ? channel : 0;
}

void TSettei::ColorButtonClick() {
    const int k = channelOfSender(sender(), "Button");
    if (k == 0) return;
    const plot::Rgb current = m_styles.ChannelColors[index(k)];
    if (const auto chosen = m_interaction->chooseColor(current.hex())) {
        m_styles.ChannelColors[index(k)] = plot::Rgb::fromHex(*chosen);
        drawSample(k);
    }
    emit colorsChanged();
}

void TSettei::BoldBoxClick() {
    const int k = channelOfSender(sender(), "CheckBox");
    if (k == 0) return;
    m_styles.ChannelBold[index(k)] = boldBox(k)->isChecked() ? 1 : 0;
    drawSample(k);
}

void TSettei::Button17Click() { close(); }

void TSettei::Button18Click() {
    ui::FileDialogRequest request;
    request.title = trText(tx("TSettei", "色設定の保存"));
    request.filter = trText(tx("TSettei", "色設定ﾌｧｲﾙ(*.clr)|*.clr|すべて|*.*"));
    request.defaultExtension = "clr";
    const auto chosen = m_interaction->chooseSaveFile(request);
    if (!chosen) return;
    const std::string path = plot::withClrExtension(*chosen);
    if (!plot::writeClrFile(path, m_styles))
        m_interaction->message(trText(tx("TSettei", "色設定ファイルを保存できませんでした\n")) + path,
                               trText(tx("TSettei", "ファイル出力エラー")), ui::Icon::Warning);
}

void TSettei::Button19Click() {
    m_styles.ChannelColors = m_styles.DefaultChannelColors;
    for (int k = 1; k <= 16; ++k) drawSample(k);
    emit defaultsRestored();
}

void TSettei::Button20Click() {
    ui::FileDialogRequest request;
    request.title = trText(tx("TSettei", "色設定の読込"));
    request.filter = trText(tx("TSettei", "線色設定ﾌｧｲﾙ(*.clr)|*.clr|すべて(*.*)|*.*"));
    const auto chosen = m_interaction->chooseOpenFile(request);
    if (!chosen) return;
    const plot::ClrReadResult read = plot::readClrFile(*chosen);
    const int loaded = plot::applyClr(m_styles, read);
    for (int k = 1; k <= loaded; ++k) {
        drawSample(k);
        boldBox(k)->setChecked(m_styles.ChannelBold[index(k)] != 0);
    }
    // Channels already changed stay changed, so the boxes follow them even
    // when the file stops early.
    if (loaded > 0) emit colorsChanged();
    if (read.status != plot::ClrStatus::Ok)
        m_interaction->message(plot::clrReadMessage(read, *chosen), trText(tx("TSettei", "色設定ファイル読込エラー")),
                               ui::Icon::Warning);
}

}  // namespace kvx::app

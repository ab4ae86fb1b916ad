// Channel correspondence window.
#include "app/t_taio.h"

#include "app/controls.h"
#include "app/qt_text.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace kvx::app {

TTaio::TTaio(ui::Interaction& interaction, QWidget* parent) : QDialog(parent), m_interaction(&interaction) {
    setObjectName(QStringLiteral("TTaio"));
    bindText(this, "windowTitle", tx("TTaio", "　チャンネル対応"));
    setFixedSize(420, 330);

    for (int column = 0; column < 2; ++column) {
        auto* heading = new QLabel(this);
        bindText(heading, "text", tx("TTaio", "グラフ---計測"));
        heading->setObjectName(column == 0 ? QStringLiteral("Label17") : QStringLiteral("Label20"));
        heading->setGeometry(20 + 200 * column, 10, 120, 20);
    }
    for (int k = 1; k <= 16; ++k) {
        const int column = (k - 1) / 8, row = (k - 1) % 8;
        auto* label = new QLabel(k == 9 ? QStringLiteral(" 9 CH") : QStringLiteral("%1 CH").arg(k), this);
        label->setObjectName(QStringLiteral("Label%1").arg(k));
        label->setGeometry(20 + 200 * column, 36 + 26 * row, 50, 22);
        auto* upDown = new QSpinBox(this);
        upDown->setObjectName(QStringLiteral("UpDown%1").arg(k));
        upDown->setGeometry(80 + 200 * column, 36 + 26 * row, 70, 22);
        upDown->setRange(1, 16);
        upDown->setValue(k);
        m_labels[static_cast<std::size_t>(k - 1)] = label;
        m_upDowns[static_cast<std::size_t>(k - 1)] = upDown;
        connect(upDown, &QSpinBox::valueChanged, this, [this, k] { UpDownClick(k); });
    }
    Label18 = new QLabel(this);
    Label18->setObjectName(QStringLiteral("Label18"));
    Label18->setGeometry(20, 250, 380, 20);
    Label19 = new QLabel(this);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setGeometry(20, 272, 380, 20);

    const auto button = [this](const char* name, Text text, Text hint, int x) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        bindText(b, "text", text);
        if (hint.source[0] != '\0') bindText(b, "toolTip", hint);
        b->setGeometry(x, 296, 92, 28);
        return b;
    };
    Button1 = button("Button1", tx("TTaio", "決定"), tx("TTaio", "設定した対応ﾁｬﾝﾈﾙﾃﾞｰﾀを読み込む"), 12);
    Button2 = button("Button2", tx("TTaio", "閉じる"), Text{"TTaio", ""}, 112);
    Button3 = button("Button3", tx("TTaio", "リセット"), tx("TTaio", "初期対応に戻す"), 212);
    Button4 = button("Button4", tx("TTaio", "ファイル保存"), tx("TTaio", "対応ﾃﾞｰﾀを標準ﾌｧｲﾙ形式で保存"), 312);
    Button2->setEnabled(false);
    connect(Button1, &QPushButton::clicked, this, &TTaio::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TTaio::reset);
    connect(Button4, &QPushButton::clicked, this, &TTaio::Button4Click);
}

void TTaio::reset() {
    const int files = m_correspondence.fileChannelCount;
    m_correspondence = data::Correspondence::identity(files);
    for (int k = 1; k <= 16; ++k) {
        m_upDowns[static_cast<std::size_t>(k - 1)]->setEnabled(true);
        m_labels[static_cast<std::size_t>(k - 1)]->setEnabled(true);
    }
    showCorrespondence();
}

void TTaio::showCorrespondence() {
    for (int k = 1; k <= 16; ++k) {
        QSpinBox* box = m_upDowns[static_cast<std::size_t>(k - 1)];
        const QSignalBlocker quiet(box);  // setting the rows is no renumbering
        box->setValue(m_correspondence.entries[static_cast<std::size_t>(k - 1)]);
    }
}

TTaio::Memento TTaio::memento() const {
    Memento m;
    m.correspondence = m_correspondence;
    m.confirmed = m_confirmed;
    m.visible = isVisible();
    m.reducedFile = m_reducedFile;
    m.dataFileName = m_dataFileName;
    m.fileChannels = m_fileChannelsText;
    m.status = m_statusText;
    m.statusColor = Label19->palette().color(QPalette::WindowText);
    m.maximum = m_upDowns[0]->maximum();
    for (std::size_t i = 0; i < 16; ++i) m.rowsEnabled[i] = m_upDowns[i]->isEnabled();
    const QPushButton* const buttons[] = {Button1, Button2, Button3, Button4};
    for (std::size_t i = 0; i < 4; ++i) m.buttonsEnabled[i] = buttons[i]->isEnabled();
    return m;
}

void TTaio::restore(const Memento& m) {
    m_correspondence = m.correspondence;
    m_confirmed = m.confirmed;
    m_reducedFile = m.reducedFile;
    m_dataFileName = m.dataFileName;
    for (std::size_t i = 0; i < 16; ++i) {
        const QSignalBlocker quiet(m_upDowns[i]);
        m_upDowns[i]->setMaximum(m.maximum);
        m_upDowns[i]->setEnabled(m.rowsEnabled[i]);
        m_labels[i]->setEnabled(m.rowsEnabled[i]);
    }
    showCorrespondence();
    setFileChannels(m.fileChannels);
    setStatus(m.status, m.statusColor);
    QPushButton* const buttons[] = {Button1, Button2, Button3, Button4};
    for (std::size_t i = 0; i < 4; ++i) buttons[i]->setEnabled(m.buttonsEnabled[i]);
    if (m.visible && !isVisible()) show();
    if (!m.visible && isVisible()) hide();
}

void TTaio::setFileChannels(std::function<QString()> text) {
    m_fileChannelsText = text;
    setLiveText(Label18, "text", text ? std::move(text) : [] { return QString(); });
}

void TTaio::setStatus(std::function<QString()> text, const QColor& color) {
    m_statusText = text;
    setLiveText(Label19, "text", text ? std::move(text) : [] { return QString(); });
    QPalette p = Label19->palette();
    p.setColor(QPalette::WindowText, color);
    Label19->setPalette(p);
}

std::optional<data::Correspondence> TTaio::chooseFor(int fileChannels) {
    if (isVisible()) hide();
    m_correspondence = data::Correspondence::identity(fileChannels);
    for (QSpinBox* box : m_upDowns) {
        const QSignalBlocker quiet(box);
        box->setMaximum(fileChannels);
    }
    reset();
    Button4->setEnabled(false);
    setFileChannels([fileChannels] { return trFormat(tx("TTaio", "計測データチャンネル総数 %d"), fileChannels); });
    setStatus([] { return translated(tx("TTaio", "チャンネルの対応を指定してください")); }, Qt::red);
    Button1->setEnabled(true);
    Button3->setEnabled(true);
    m_confirmed = false;
    exec();
    if (!m_confirmed) return std::nullopt;
    return m_correspondence;
}

void TTaio::UpDownClick(int k) {
    m_correspondence.renumber(k, m_upDowns[static_cast<std::size_t>(k - 1)]->value());
    showCorrespondence();
    for (int g = 1; g <= 16; ++g) {
        m_upDowns[static_cast<std::size_t>(g - 1)]->setEnabled(true);
        m_labels[static_cast<std::size_t>(g - 1)]->setEnabled(true);
    }
}

void TTaio::Button1Click() {
    for (int k = 1; k <= 16; ++k)
        m_correspondence.entries[static_cast<std::size_t>(k - 1)] = m_upDowns[static_cast<std::size_t>(k - 1)]->value();
    Button2->setEnabled(true);
    Button4->setEnabled(true);
    Button1->setEnabled(false);
    Button3->setEnabled(false);
    setStatus([n = m_correspondence.channelsInUse()] { return trFormat(tx("TTaio", "設定されているチャンネル対応  %d"), n); },
              Qt::blue);
    m_confirmed = true;
    accept();
}

void TTaio::Button4Click() {
    ui::FileDialogRequest request;
    request.title = trText(tx("TTaio", "対応データの保存"));
    request.filter = translated(tx("TTaio", "CSV形式ﾌｧｲﾙ(*.csv)|*.csv|すべて(*.*)|*.*")).toStdString();
    request.defaultExtension = "csv";
    request.initialPath = m_dataFileName;
    const auto target = m_interaction->chooseSaveFile(request);
    if (target) data::saveReducedFile(m_reducedFile, *target, m_dataFileName, *m_interaction);
}

void TTaio::setFiles(const std::string& reducedFile, const std::string& dataFileName) {
    m_reducedFile = reducedFile;
    m_dataFileName = dataFileName;
}

bool TTaio::statusAfterRead(int channels) {
    if (m_correspondence.isIdentity(channels)) {
        if (isVisible()) hide();
        return true;
    }
    for (int k = 1; k <= 16; ++k) {
        m_upDowns[static_cast<std::size_t>(k - 1)]->setEnabled(k <= channels);
        m_labels[static_cast<std::size_t>(k - 1)]->setEnabled(k <= channels);
    }
    showCorrespondence();
    setStatus([channels] { return trFormat(tx("TTaio", "設定されているチャンネル対応 %d"), channels); }, Qt::blue);
    Button1->setEnabled(false);
    Button3->setEnabled(false);
    Button2->setEnabled(true);
    return false;
}

}  // namespace kvx::app

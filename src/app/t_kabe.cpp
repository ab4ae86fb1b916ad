// Wall evaluation window: layout, and the commands that pass through to the model.
#include "app/t_kabe.h"

#include "app/controls.h"
#include "app/language.h"
#include "app/qt_text.h"
#include "app/radio_group.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace kvx::app {
namespace {

constexpr int kRow = 24;       // pitch of the value rows
constexpr int kFirstRow = 24;  // first row below a group's caption

// Columns inside the value groups: [star] caption, edit box, unit, remark.
constexpr int kStarX = 8;
constexpr int kCaptionX = 26;
constexpr int kCaptionWidth = 160;
constexpr int kEditX = kCaptionX + kCaptionWidth + 2;
constexpr int kEditWidth = 100;
constexpr int kUnitX = kEditX + kEditWidth + 4;
constexpr int kRemarkX = kUnitX + 50;

constexpr int kLeftX = 8;
constexpr int kLeftWidth = 470;
constexpr int kRightX = kLeftX + kLeftWidth + 8;
constexpr int kRightWidth = 440;
constexpr int kTop = 40;

QLabel* makeCaption(QWidget* parent, Text text, int x, int y, int width) {
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, width, 22);
    bindText(l, "text", text);
    return l;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, Text title, QRect geometry) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    bindText(group, "title", title);
    return group;
}

QPushButton* makeButton(QWidget* parent, const char* name, Text caption, int x, int y) {
    QPushButton* button = app::makeButton(parent, QLatin1String(name), QString(), QRect(x, y, 138, 28));
    bindText(button, "text", caption);
    return button;
}

// The wall model words its remarks, reference-row captions and state in
// Japanese, as the result file keeps them; the window shows them in the
// language in use.
QString shownModelText(const std::string& name, const std::string& japanese) {
    static const QRegularExpression point(QStringLiteral("^原点から (\\d+) 点目$"));
    static const QRegularExpression row(QStringLiteral("^1/(\\d+)変形角時耐力　( ?)P(\\d+)$"));
    const QString text = fromUtf8(japanese);
    if (currentLanguage() == Language::Japanese || text.isEmpty()) return text;
    if (name == "Label51") {
        for (const Text state : {tx("TKabe", "再評価をしてください"), tx("TKabe", "評価終了"),
                                 tx("TKabe", "評価できない値があります")})
            if (japanese == state.source) return translated(state);
        return text;
    }
    if (const auto m = point.match(text); m.hasMatch())
        return trFormat(tx("TKabe", "原点から %d 点目"), m.captured(1).toInt());
    if (const auto m = row.match(text); m.hasMatch())
        return trFormat(tx("TKabe", "1/%d変形角時耐力　%sP%d"), m.captured(1).toInt(), m.captured(2).toUtf8().constData(),
                        m.captured(3).toInt());
    return text;
}

int rowY(int row) { return kFirstRow + row * kRow; }
int groupHeight(int rows) { return kFirstRow + rows * kRow + 6; }

}  // namespace

TKabe::TKabe(SkeletonSource& source, ui::Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_source(source), m_interaction(&interaction) {
    setObjectName(QStringLiteral("TKabe"));
    bindText(this, "windowTitle", tx("TKabe", "　壁倍率評価"));
    setModal(false);
    setFixedSize(kRightX + kRightWidth + 8, 556);
    buildControls();
    connectSignals();
    onLanguageChange(this, [this] { render(); });
}

QLineEdit* TKabe::addEdit(QWidget* parent, int number, int x, int y, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("Edit%1").arg(number));
    e->setGeometry(x, y, width, 22);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_edits[number] = e;
    return e;
}

QLabel* TKabe::addText(QWidget* parent, const std::string& name, int x, int y, int width) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromStdString(name));
    l->setGeometry(x, y, width, 22);
    m_texts[name] = l;
    return l;
}

QLabel* TKabe::addUnit(QWidget* parent, Unit unit, int x, int y) {
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, 48, 22);
    switch (unit) {
        case Unit::Load: m_loadUnits.push_back(l); break;
        case Unit::Angle: l->setText(QStringLiteral("rad")); break;
        case Unit::Stiffness: m_stiffnessUnit = l; break;
        case Unit::Metre: l->setText(QStringLiteral("m")); break;
    }
    return l;
}

void TKabe::buildControls() {
    makeCaption(this, tx("TKabe", "データファイル"), kLeftX, 8, 96);
    addText(this, "Label75", kLeftX + 100, 8, 560);
    addText(this, "Label76", kRightX + kRightWidth - 200, 8, 200)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The skeleton's and the bilinear model's values.
    struct ValueRow {
        Text caption;
        int edit;
        std::optional<Unit> unit;
        const char* remark;  // a model label beside the row, or nullptr
    };
    const ValueRow values[] = {
        {tx("TKabe", "最大耐力 Pmax"), 1, Unit::Load, "Label21"},
        {tx("TKabe", "最大耐力時変形角 γm"), 2, Unit::Angle, "Label53"},
        {tx("TKabe", "最終点耐力 Pend"), 3, Unit::Load, "Label22"},
        {tx("TKabe", "最終点変形角 γend"), 4, Unit::Angle, "Label54"},
        {tx("TKabe", "降伏変形角 γy"), 6, Unit::Angle, "Label55"},
        {tx("TKabe", "終局耐力 Pu"), 8, Unit::Load, nullptr},
        {tx("TKabe", "降伏点変形角 γv"), 29, Unit::Angle, nullptr},
        {tx("TKabe", "終局変形角 γu"), 9, Unit::Angle, "Label56"},
        {tx("TKabe", "初期剛性 K"), 30, Unit::Stiffness, nullptr},
        {tx("TKabe", "塑性率 μ"), 13, std::nullopt, nullptr},
        {tx("TKabe", "構造特性係数 Ds"), 14, std::nullopt, nullptr},
        {tx("TKabe", "壁長さ L"), 10, Unit::Metre, nullptr},
    };
    const int valueRows = static_cast<int>(std::size(values));
    auto* valueGroup =
        makeGroup(this, "Values", tx("TKabe", "特性値"), {kLeftX, kTop, kLeftWidth, groupHeight(valueRows)});
    for (int r = 0; r < valueRows; ++r) {
        const ValueRow& v = values[r];
        makeCaption(valueGroup, v.caption, kStarX, rowY(r), kCaptionWidth + kCaptionX - kStarX);
        addEdit(valueGroup, v.edit, kEditX, rowY(r));
        if (v.unit) addUnit(valueGroup, *v.unit, kUnitX, rowY(r));
        if (v.remark) addText(valueGroup, v.remark, kRemarkX, rowY(r), kLeftWidth - kRemarkX - 6);
    }
    // Computed from the others, never typed.
    edit(13)->setReadOnly(true);
    edit(14)->setReadOnly(true);

    // Loads at the six specific angles, and the choice of the reference angle.
    const int specificTop = kTop + groupHeight(valueRows) + 8;
    const struct {
        Text caption;
        int edit;
    } specific[] = {{tx("TKabe", "1/15変形角時耐力 P15"), 23},   {tx("TKabe", "1/30変形角時耐力 P30"), 24},
                    {tx("TKabe", "1/60変形角時耐力 P60"), 27},   {tx("TKabe", "1/100変形角時耐力 P100"), 25},
                    {tx("TKabe", "1/120変形角時耐力 P120"), 26}, {tx("TKabe", "1/150変形角時耐力 P150"), 31}};
    const int specificWidth = kUnitX + 30;
    auto* specificGroup = makeGroup(this, "SpecificLoads", tx("TKabe", "特定変形角時耐力"),
                                    {kLeftX, specificTop, specificWidth, groupHeight(6)});
    for (int r = 0; r < 6; ++r) {
        makeCaption(specificGroup, specific[r].caption, kStarX, rowY(r),
                    kCaptionWidth + kCaptionX - kStarX);
        addEdit(specificGroup, specific[r].edit, kEditX, rowY(r));
        addUnit(specificGroup, Unit::Load, kUnitX, rowY(r));
    }
    RadioGroup1 =
        new RadioGroup(QString(),
                       {QStringLiteral("1/15  0.0667"), QStringLiteral("1/30  0.0333"), QStringLiteral("1/60  0.0167"),
                        QStringLiteral("1/100 0.0100"), QStringLiteral("1/120 0.0083"), QStringLiteral("1/150 0.0067")},
                       1, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    bindText(RadioGroup1, "title", tx("TKabe", "変形角"));
    RadioGroup1->setGeometry(kLeftX + specificWidth + 8, specificTop, kLeftWidth - specificWidth - 8, groupHeight(6));

    // The two rules: [star] term, value, unit. Stars are model labels too.
    struct RuleRow {
        const char* star;  // nullptr: a result row
        std::optional<Text> caption;
        const char* captionName;  // the model's caption text, instead of `caption`
        int edit;
        bool load;
    };
    const auto ruleGroup = [&](const char* name, Text title, int top, std::span<const RuleRow> rows) {
        auto* group =
            makeGroup(this, name, title, {kRightX, top, kRightWidth, groupHeight(static_cast<int>(rows.size()))});
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const RuleRow& row = rows[static_cast<std::size_t>(r)];
            if (row.star) addText(group, row.star, kStarX, rowY(r), 18)->setStyleSheet(QStringLiteral("color: red"));
            if (row.captionName)
                addText(group, row.captionName, kCaptionX, rowY(r), kCaptionWidth);
            else
                makeCaption(group, *row.caption, kCaptionX, rowY(r), kCaptionWidth);
            addEdit(group, row.edit, kEditX, rowY(r));
            if (row.load) addUnit(group, Unit::Load, kUnitX, rowY(r));
        }
        return group;
    };
    const RuleRow current[] = {
        {"StarCurrent0", tx("TKabe", "降伏耐力 Py"), nullptr, 5, true},
        {"StarCurrent1", std::nullopt, "RowCurrent", 7, true},
        {"StarCurrent2", tx("TKabe", "2/3×最大耐力"), nullptr, 12, true},
        {"StarCurrent3", tx("TKabe", "Pu×(0.2/Ds)"), nullptr, 15, true},
        {nullptr, tx("TKabe", "　0.2/Ds"), nullptr, 22, false},
        {nullptr, tx("TKabe", "短期許容せん断耐力 Qa"), nullptr, 18, true},
        {nullptr, tx("TKabe", "壁倍率(新基準)"), nullptr, 21, false}};
    ruleGroup("CurrentRule", tx("TKabe", "新基準"), kTop, current);

    const RuleRow former[] = {{"StarFormer0", std::nullopt, "RowFormer", 16, true},
                              {"StarFormer1", tx("TKabe", "2/3×最大耐力"), nullptr, 17, true},
                              {"StarFormer2", tx("TKabe", "1/2γm時耐力 Pγm/2"), nullptr, 11, true},
                              {nullptr, tx("TKabe", "短期許容せん断耐力 Qa"), nullptr, 19, true},
                              {nullptr, tx("TKabe", "壁倍率(旧基準)"), nullptr, 20, false}};
    const int formerTop = kTop + groupHeight(static_cast<int>(std::size(current))) + 8;
    ruleGroup("FormerRule", tx("TKabe", "旧基準"), formerTop, former);

    const int ratioY = formerTop + groupHeight(static_cast<int>(std::size(former))) + 8;
    makeCaption(this, tx("TKabe", "新/旧壁倍率比"), kRightX + kCaptionX, ratioY, kCaptionWidth);
    addEdit(this, 28, kRightX + kEditX, ratioY);
    addText(this, "Label51", kRightX + kCaptionX, ratioY + 32, kRightWidth - kCaptionX)
        ->setStyleSheet(QStringLiteral("color: blue"));

    const int buttonsY = 556 - 8 - 28 - 34;
    const int step = 146;
    Button1 = makeButton(this, "Button1", tx("TKabe", "特性値コピー"), kRightX, buttonsY);
    Button2 = makeButton(this, "Button2", tx("TKabe", "再評価"), kRightX + step, buttonsY);
    Button3 = makeButton(this, "Button3", tx("TKabe", "閉じる"), kRightX + 2 * step, buttonsY);
    Button4 = makeButton(this, "Button4", tx("TKabe", "ファイル開く"), kRightX, buttonsY + 34);
    Button6 = makeButton(this, "Button6", tx("TKabe", "書き出す"), kRightX + step, buttonsY + 34);
    Button5 = makeButton(this, "Button5", tx("TKabe", "ファイル閉じる"), kRightX + 2 * step, buttonsY + 34);
    // Beside the ratio, in the third button column, where that row has room.
    Button7 = makeButton(this, "Button7", tx("TKabe", "集計"), kRightX + 2 * step, ratioY - 3);
}

void TKabe::connectSignals() {
    for (const auto& [number, box] : m_edits) {
        const std::string name = "Edit" + std::to_string(number);
        connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            m_model.edit(name, toUtf8(text));
            render();
        });
    }
    connect(Button1, &QPushButton::clicked, this, &TKabe::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TKabe::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::close);
    connect(Button4, &QPushButton::clicked, this, &TKabe::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TKabe::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TKabe::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TKabe::summaryRequested);
    connect(RadioGroup1, &RadioGroup::itemClicked, this, &TKabe::RadioGroup1Click);
}

QLineEdit* TKabe::edit(int number) const {
    const auto it = m_edits.find(number);
    return it == m_edits.end() ? nullptr : it->second;
}

QLabel* TKabe::textLabel(const std::string& name) const {
    const auto it = m_texts.find(name);
    return it == m_texts.end() ? nullptr : it->second;
}

void TKabe::render() {
    for (const auto& [number, box] : m_edits) {
        const QString text = fromUtf8(m_model.text("Edit" + std::to_string(number)));
        // Leave the box being typed in alone: setText would move its cursor.
        if (box->text() != text) box->setText(text);
    }
    for (const auto& [name, label] : m_texts) label->setText(shownModelText(name, m_model.text(name)));
    const QString load = fromUtf8(m_model.loadUnit());
    for (QLabel* unit : m_loadUnits) unit->setText(load);
    m_stiffnessUnit->setText(fromUtf8(m_model.stiffnessUnit()));
    RadioGroup1->setItemIndex(m_model.reference());
    Button2->setEnabled(m_model.canReevaluate());
    Button4->setEnabled(!m_model.fileOpen());
    Button5->setEnabled(m_model.fileOpen());
    Button6->setEnabled(m_model.canWrite());
}

void TKabe::report(const std::optional<analysis::StepFailure>& failure) {
    if (failure) m_interaction->message(failure->message, failure->caption, ui::Icon::Warning);
}

void TKabe::Button1Click() {
    const SkeletonContext& c = m_source.skeletonContext();
    const auto failure = m_model.copy(m_source.skeletonCurve(), m_handOff, c.units.deformation, c.forceUnit, c.source);
    // A record not in radians is refused before anything is copied; every
    // other failure leaves copied values worth showing.
    const bool copied = !failure || c.units.deformation == "rad";
    render();
    if (copied) {
        show();
        raise();
        activateWindow();
    }
    report(failure);
}

void TKabe::Button2Click() {
    const auto failure = m_model.reevaluate();
    render();
    report(failure);
}

void TKabe::Button4Click() {
    ui::FileDialogRequest request;
    request.title = toUtf8(app::translated(app::tx("TKabe", "耐力特性ファイルの作成")));
    request.filter = toUtf8(app::translated(app::tx("TKabe", "耐力特性ファイル(*.txt)|*csv|すべて(*.*)|*.*")));
    request.defaultExtension = "txt";
    const auto path = m_interaction->chooseSaveFile(request);
    if (!path) return;
    if (!m_model.openResultFile(*path))
        m_interaction->message(
            toUtf8(app::translated(app::tx("TKabe", "ファイルを作成できません（使用中か、書き込みできないフォルダです）\n")) + fromPath(*path)),
            toUtf8(app::translated(app::tx("TKabe", "ファイル出力エラー"))), ui::Icon::Warning);
    render();
}

void TKabe::Button5Click() {
    m_model.closeResultFile();
    render();
}

void TKabe::Button6Click() {
    const bool written = m_model.writeRow();
    if (written) m_writtenRows.push_back(m_model.rowText());
    render();
    if (!written)
        m_interaction->message(toUtf8(app::translated(app::tx("TKabe", "耐力特性ファイルに書き込めませんでした"))),
                               toUtf8(app::translated(app::tx("TKabe", "ファイル出力エラー"))), ui::Icon::Warning);
}

void TKabe::RadioGroup1Click(int item) {
    m_model.setReference(item);
    render();
}

}  // namespace kvx::app

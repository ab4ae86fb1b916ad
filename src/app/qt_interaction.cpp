// Modal Qt dialogs for the questions the core and the windows ask.
#include "app/qt_interaction.h"

#include "app/t_form1.h"

#include "app/qt_text.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace kvx::app {
namespace {

QMessageBox::Icon toQtIcon(ui::Icon icon) {
    switch (icon) {
    case ui::Icon::None: return QMessageBox::NoIcon;
    case ui::Icon::Information: return QMessageBox::Information;
    case ui::Icon::Warning:
    case ui::Icon::Exclamation: return QMessageBox::Warning;
    case ui::Icon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::string> runFileDialog(QWidget* parent, const ui::FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, fromUtf8(request.title), fromPath(request.initialPath), qtFileFilter(request.filter));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(fromUtf8(request.defaultExtension));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly, true);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toPath(dialog.selectedFiles().front());
}

}  // namespace

QString qtFileFilter(std::string_view filter) {
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the label.
        if (!label.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
            label += QStringLiteral(" (") + patterns + QLatin1Char(')');
        entries << label;
    }
    return entries.join(QStringLiteral(";;"));
}

void QtInteraction::message(std::string_view text, std::string_view caption, ui::Icon icon) {
    QMessageBox box(toQtIcon(icon), fromUtf8(caption), fromUtf8(text), QMessageBox::Ok, m_parent);
    box.exec();
}

ui::Answer QtInteraction::ask(std::string_view text, std::string_view caption, ui::Buttons buttons, ui::Icon icon) {
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (buttons) {
    case ui::Buttons::Ok: break;
    case ui::Buttons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    case ui::Buttons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
    }
    QMessageBox box(toQtIcon(icon), fromUtf8(caption), fromUtf8(text), standard, m_parent);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Ok: return ui::Answer::Ok;
    case QMessageBox::Yes: return ui::Answer::Yes;
    case QMessageBox::No: return ui::Answer::No;
    default: return buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Cancel;
    }
}

std::optional<std::string> QtInteraction::chooseOpenFile(const ui::FileDialogRequest& request) {
    return runFileDialog(m_parent, request, false);
}

std::optional<std::string> QtInteraction::chooseSaveFile(const ui::FileDialogRequest& request) {
    return runFileDialog(m_parent, request, true);
}

void QtInteraction::setPauseWindow(TForm1* window) { m_pauseWindow = window; }

std::optional<std::uint32_t> QtInteraction::chooseColor(std::uint32_t initialRgb) {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(static_cast<QRgb>(initialRgb)), m_parent);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::uint32_t>(chosen.rgb()) & 0x00FFFFFFu;
}

ui::PauseAnswer QtInteraction::pause(const ui::PauseInfo& info) {
    return m_pauseWindow ? m_pauseWindow->showPause(info) : ui::PauseAnswer::Next;
}

}  // namespace kvx::app

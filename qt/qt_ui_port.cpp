#include "qt_ui_port.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include "qt_text.h"
#include "texted_dialog.h"
#include "window/frm_texted.h"

namespace vellgui {

namespace {

// "*.FLT" becomes "*.[fF][lL][tT]", so that flight.flt is offered too.
QString anyCase(const QString& pattern) {
    QString result;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

// "dat" of "Airport Sets|*.dat"; empty when the pattern is no "*.ext".
QString suffixOf(const std::string& filter) {
    const QString whole = toQt(filter);
    const qsizetype bar = whole.indexOf(QLatin1Char('|'));
    if (bar < 0) return {};
    const QString first = whole.mid(bar + 1).section(QLatin1Char(';'), 0, 0).trimmed();
    if (!first.startsWith(QLatin1String("*.")) || first.size() < 3) return {};
    const QString suffix = first.mid(2);
    if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'))) return {};
    return suffix;
}

QString startPathOf(const vell::FileDialogRequest& request) {
    QString folder = toHostPath(request.folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    if (request.fileName.empty()) return folder;
    return QDir(folder).filePath(toQt(request.fileName));
}

// Wide enough for the columns of name, size, type and date: in proportion
// to the window it belongs to, and within the screen.
void fitToWindow(QDialog& dialog, const QWidget* parent) {
    const int columns = dialog.fontMetrics().averageCharWidth() * 96;
    QSize size = dialog.sizeHint().expandedTo(QSize(columns, 0));
    if (parent) size = size.expandedTo(QSize(parent->width() * 4 / 5, parent->height() * 2 / 3));
    const QScreen* screen = parent ? parent->screen() : dialog.screen();
    if (screen) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
}

std::optional<QString> runFileDialog(QWidget* parent, const vell::FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, toQt(request.title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without extension gets the one of the filter, so
        // the file shows up again in the matching open dialog.
        const QString suffix = suffixOf(request.filter);
        if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    }
    const QString filter = nameFilterOf(request.filter);
    if (!filter.isEmpty()) {
        dialog.setNameFilters({filter, QFileDialog::tr("All files (*)")});
        dialog.selectNameFilter(filter);
    }
    const QString start = startPathOf(request);
    const QFileInfo info(start);
    if (info.isDir()) {
        dialog.setDirectory(start);
    } else {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    fitToWindow(dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

// A message as a person reads it: the blanks that pad the end of each line
// and the empty lines around it left out.
QString displayText(const std::string& text) {
    QStringList lines = toQtLines(text).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    }
    return lines.join(QLatin1Char('\n')).trimmed();
}

QMessageBox::Icon iconOf(vell::MsgIcon icon) {
    switch (icon) {
    case vell::MsgIcon::Information: return QMessageBox::Information;
    case vell::MsgIcon::Exclamation: return QMessageBox::Warning;
    case vell::MsgIcon::Question: return QMessageBox::Question;
    case vell::MsgIcon::Critical: return QMessageBox::Critical;
    case vell::MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString nameFilterOf(const std::string& filter) {
    const QString whole = toQt(filter);
    const qsizetype bar = whole.indexOf(QLatin1Char('|'));
    if (bar < 0) return {};
    const QString description = whole.left(bar).trimmed();
    QStringList patterns;
    for (const QString& p : whole.mid(bar + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        patterns << anyCase(p.trimmed());
    // The details in the last parentheses are hidden, so the description
    // is shown as the program wrote it.
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
           QLatin1Char(')');
}

QtUiPort::QtUiPort() = default;

QtUiPort::~QtUiPort() {
    if (texted_ && !texted_->parent()) delete texted_.data();
}

std::optional<vell::FileChoice> QtUiPort::openFile(const vell::FileDialogRequest& request) {
    const auto chosen = runFileDialog(parent_, request, QFileDialog::AcceptOpen);
    if (!chosen) return std::nullopt;
    return vell::FileChoice{fromHostPath(*chosen), fromHostPath(QFileInfo(*chosen).fileName())};
}

std::optional<std::string> QtUiPort::saveFile(const vell::FileDialogRequest& request) {
    const auto chosen = runFileDialog(parent_, request, QFileDialog::AcceptSave);
    if (!chosen) return std::nullopt;
    return fromHostPath(*chosen);
}

vell::MsgAnswer QtUiPort::messageBox(const std::string& text, vell::MsgButtons buttons,
                                     vell::MsgIcon icon, const std::string& title) {
    QMessageBox box(parent_);
    box.setWindowTitle(toQt(title.empty() ? std::string(vell::kAppTitle) : title));
    box.setText(displayText(text));
    box.setIcon(iconOf(icon));
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (buttons) {
    case vell::MsgButtons::OK: break;
    case vell::MsgButtons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
    case vell::MsgButtons::OKCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    case vell::MsgButtons::YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    }
    box.setStandardButtons(set);
    box.setEscapeButton(escape);
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Yes: return vell::MsgAnswer::Yes;
    case QMessageBox::No: return vell::MsgAnswer::No;
    case QMessageBox::Cancel: return vell::MsgAnswer::Cancel;
    case QMessageBox::Ok: return vell::MsgAnswer::OK;
    default: break;
    }
    // Closed by the window manager: the escape button's answer.
    switch (escape) {
    case QMessageBox::No: return vell::MsgAnswer::No;
    case QMessageBox::Cancel: return vell::MsgAnswer::Cancel;
    default: return vell::MsgAnswer::OK;
    }
}

std::string QtUiPort::inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, toQt(title), displayText(prompt),
                                                 QLineEdit::Normal, toQt(defaultText), &ok);
    return ok ? fromQt(answer) : std::string();
}

void QtUiPort::showModal(vell::Frm_TEXTED& dialog) {
    if (!texted_ || textedModel_ != &dialog) {
        if (texted_) texted_->deleteLater();
        texted_ = new TextedDialog(dialog, parent_);
        textedModel_ = &dialog;
    }
    texted_->run();
}

void QtUiPort::doEvents() {
    QCoreApplication::processEvents();
}

void QtUiPort::openHelp(const std::string& helpFile) {
    if (helpFile.empty()) return;
    const QString path = toHostPath(helpFile);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        QMessageBox::information(
            parent_, toQt(vell::kAppTitle),
            QCoreApplication::translate("QtUiPort",
                                        "The help file %1 could not be opened: this desktop "
                                        "has no program for it.")
                .arg(QDir::toNativeSeparators(path)));
    }
}

}  // namespace vellgui

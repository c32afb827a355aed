#include "qt_text.h"

#include <QDir>

#include "platform/files.h"
#include "text/strings.h"

namespace vellgui {

QString toQt(const std::string& text) {
    return QString::fromStdString(vell::cp1252ToUtf8(text));
}

std::string fromQt(const QString& text) {
    return vell::utf8ToCp1252(text.toStdString());
}

QString toQtLines(const std::string& text) {
    QString s = toQt(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::string fromQtLines(const QString& text) {
    QString s = text;
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    s.replace(QChar::LineSeparator, QLatin1Char('\n'));
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return fromQt(s);
}

// The core gives host names as UTF-8 (on POSIX the names' own bytes, which
// Qt 6 reads as UTF-8 too); Qt's dialogs answer with "/" on every host.
QString toHostPath(const std::string& modelPath) {
    if (modelPath.empty()) return {};
    return QString::fromStdString(vell::files::hostPath(modelPath));
}

std::string fromHostPath(const QString& hostPath) {
    return fromQt(QDir::toNativeSeparators(hostPath));
}

}  // namespace vellgui

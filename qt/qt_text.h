// Conversion between the model's 8-bit texts (Windows-1252, lines ended by
// CR LF) and the Unicode strings of the widgets.
#pragma once

#include <QString>

#include <string>

namespace vellgui {

// A one-line text: Windows-1252 bytes to Unicode and back.
QString toQt(const std::string& text);
std::string fromQt(const QString& text);

// A text of several lines: the model's CR LF (or a lone CR or LF) becomes
// the widget's line feed, and each line feed goes back as CR LF.
QString toQtLines(const std::string& text);
std::string fromQtLines(const QString& text);

// A model path as the host names it on disk, and a host path as the model
// writes it.
QString toHostPath(const std::string& modelPath);
std::string fromHostPath(const QString& hostPath);

}  // namespace vellgui

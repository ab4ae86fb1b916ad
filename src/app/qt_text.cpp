// QString edges of the core's byte strings.
#include "app/qt_text.h"

#include "text/cp932.h"

#include <QFile>

namespace kvx::app {

QString fromCp932(std::string_view cp932) { return fromUtf8(text::cp932ToUtf8Lossy(cp932)); }

std::string toCp932(const QString& text) { return text::utf8ToCp932Lossy(text.toStdString()); }

QString fromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace kvx::app

#include "shell/qt_text.h"

namespace rp70::gui {

QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCore(const QString& text) {
    return text.toStdString();
}

std::filesystem::path ToCorePath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

QString PathToQt(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

} // namespace rp70::gui

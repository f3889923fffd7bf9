#include "shell/qt_text.h"

namespace rp70::gui {

QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCore(const QString& text) {
    return text.toStdString();
}

} // namespace rp70::gui

#include "shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/window_placement.h"

#ifndef RP70_VERSION
#define RP70_VERSION "0.0.0"
#endif

namespace rp70::gui {

namespace {
constexpr int kNoticeKey = 2100;
constexpr int kDescriptionKey = 2101;
constexpr int kVersionKey = 2200;

// The program version as major.minor.revision.
QString VersionNumber() {
    QStringList parts = QString::fromLatin1(RP70_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 3) {
        parts << QStringLiteral("0");
    }
    return parts.mid(0, 3).join(QLatin1Char('.'));
}
} // namespace

AboutBox::AboutBox(const LanguageTexts& texts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(ToQt(kApplicationTitle));

    auto* title = new QLabel(ToQt(kApplicationTitle), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);

    const QString versionWord = ToQt(texts.GetText(kVersionKey));
    auto* version = new QLabel(
        versionWord.isEmpty() ? VersionNumber() : versionWord + QLatin1Char(' ') + VersionNumber(),
        this);
    version->setObjectName(QStringLiteral("versionLabel"));

    auto* description = new QLabel(this);
    description->setObjectName(QStringLiteral("descriptionLabel"));
    description->setWordWrap(true);
    SetTextKey(description, kDescriptionKey);

    auto* notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("noticeLabel"));
    notice->setWordWrap(true);
    SetTextKey(notice, kNoticeKey);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addSpacing(8);
    layout->addWidget(notice);
    layout->addWidget(buttons);

    ApplyLanguage(this, texts);
    SetButtonTexts(buttons, texts);
    KeepCaptionWhole(*this, *layout);
}

} // namespace rp70::gui

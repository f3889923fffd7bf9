#pragma once
// Driving an editor dialog as a person would, and keeping what it stored through a save and a
// reopening of the data file.

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "files/data_file.h"
#include "support/user_context_fixture.h"

namespace rp70::test {

/// The input named `name` of `dialog`; stops the test when there is none.
template <typename T> T* Input(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QLatin1String(name));
    if (widget == nullptr) {
        qFatal("no input %s", name);
    }
    return widget;
}

/// The menu or tool bar entry named `name` of a main window (null when there is none).
inline QAction* Entry(const QWidget& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

inline QComboBox* Combo(QWidget* dialog, const char* name) {
    return Input<QComboBox>(dialog, name);
}

/// Clicks button `which` of the dialog's button box "buttons".
inline void Press(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(Input<QDialogButtonBox>(dialog, "buttons")->button(which), Qt::LeftButton);
}

/// Saves `image` without a password as `path` and opens that file into a new image; nullptr
/// when either fails.
inline std::unique_ptr<RadioImage> SavedAndReopened(RadioImage& image, UserContextFixture& user,
                                                    const std::filesystem::path& path) {
    image.CurrentFilePath = path.string();
    user.ui.passwords.push_back(std::string());
    auto reopened = std::make_unique<RadioImage>();
    if (!SaveDataFile(user.ctx, image) ||
        LoadDataFile(user.ctx, *reopened, path.string()) != LoadResult::Loaded) {
        return nullptr;
    }
    return reopened;
}

} // namespace rp70::test

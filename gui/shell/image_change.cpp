#include "shell/image_change.h"

#include <QUndoStack>

namespace rp70::gui {

ImageChange::ImageChange(RadioImage& image, ImageContent before, ImageContent after,
                         std::function<void()> shown)
    : image_(image), before_(std::move(before)), after_(std::move(after)),
      shown_(std::move(shown)) {}

void ImageChange::undo() {
    RestoreContent(image_, before_);
    shown_();
}

void ImageChange::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    RestoreContent(image_, after_);
    shown_();
}

void RecordImageChange(QUndoStack& stack, RadioImage& image, const std::function<void()>& change,
                       const std::function<void()>& shown) {
    ImageContent before = ContentOf(image);
    change();
    ImageContent after = ContentOf(image);
    if (!(after == before)) {
        stack.push(new ImageChange(image, std::move(before), std::move(after), shown));
    }
}

} // namespace rp70::gui

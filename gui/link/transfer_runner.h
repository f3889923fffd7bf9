#pragma once
// One transfer with the radio as the desktop program runs it: the serial port of the settings,
// the progress window, and the event loop kept running until the transfer has ended.

#include <QWidget>
#include <functional>
#include <optional>

#include "link/link_port.h"
#include "memory/block_passes.h"
#include "model/radio_image.h"
#include "shell/startup.h"
#include "texts/interaction.h"

namespace rp70::gui {

/// What the windows do while a transfer changes what they show.
struct TransferHooks {
    std::function<void()>
        ImageReplaced; ///< a Read replaced the image: redraw before the success message
    std::function<void()>
        FeaturesChanged; ///< a radio switched a feature flag on: rebuild the tree and menus
    std::function<void()>
        WriteStarting; ///< a Write was confirmed and starts: the image is about to be sent
};

/// Runs one transfer with the radio on the port the settings name (LinkPortName), the progress
/// window modal over `window` while it runs; returns when the transfer has ended (the event loop
/// keeps running meanwhile). nullopt when nothing started (port not openable — the engine showed
/// its message —, the person said Cancel to the confirmation, …).
std::optional<TransferOutcome> RunTransfer(TransferKind kind, RadioImage& image,
                                           ProgramState& state, Interaction& ui, QWidget* window,
                                           const TransferHooks& hooks = {});

} // namespace rp70::gui

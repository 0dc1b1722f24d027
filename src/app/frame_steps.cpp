#include "app/frame_steps.h"

FrameOutcome RunFrameSteps(const FrameSteps& steps) {
    if (steps.takeDeferredMenu()) {
        steps.showMenu();
        return FrameOutcome::MenuShown;
    }
    steps.update();
    if (!steps.surface()) return FrameOutcome::NoSurface;
    steps.draw();
    steps.present();
    return FrameOutcome::Presented;
}

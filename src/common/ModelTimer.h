#pragma once
// A window timer held as data: the model switches it on and off, the view runs the real timer
// and calls the model's tick. Tests call the tick themselves.

namespace brisvane {

struct ModelTimer {
    int interval = 0; // milliseconds
    bool enabled = false;
    // Counts every switching on, also of a timer already running, so that the view can start
    // a fresh full interval each time (a new message keeps its first page for the whole 2 s).
    unsigned starts = 0;

    void start() {
        enabled = true;
        ++starts;
    }
    void stop() { enabled = false; }
};

} // namespace brisvane

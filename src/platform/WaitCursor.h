#pragma once

// The hourglass pointer while a long action holds the interface.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    static bool IsShown();
    // Puts the normal pointer back, whatever set the hourglass; guards still
    // alive then release nothing.
    static void RestoreAll();

private:
    unsigned generation_;
};

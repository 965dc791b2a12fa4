#include "vornui/platform/Sound.h"

#include <mutex>

namespace {

// A program that beeps for hours keeps only its latest beeps.
constexpr size_t kKept = 256;

struct Played {
    std::mutex lock;
    std::vector<UINT> beeps;
};

Played& Sounds() {
    static Played* const played = new Played; // beeps may come while statics go
    return *played;
}

} // namespace

BOOL MessageBeep(UINT type) {
    Played& played = Sounds();
    std::lock_guard guard(played.lock);
    if (played.beeps.size() == kKept)
        played.beeps.erase(played.beeps.begin());
    played.beeps.push_back(type);
    return TRUE;
}

std::vector<UINT> MessageBeepsPlayed() {
    Played& played = Sounds();
    std::lock_guard guard(played.lock);
    return played.beeps;
}

void ForgetMessageBeeps() {
    Played& played = Sounds();
    std::lock_guard guard(played.lock);
    played.beeps.clear();
}

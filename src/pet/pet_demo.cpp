#include "pet/pet_demo.h"

#include "pet/pet_reactions.h"

void StartDemo(DemoSequence& demo, double now) {
    demo.active = true;
    demo.start = now;
    demo.index = 0;
}

int StepDemo(DemoSequence& demo, PetState& pet, const Settings& settings, bool douniTyping,
             double now) {
    if (!demo.active) return 0;
    const double due = (now - demo.start) / kDemoInterval;
    const auto count = static_cast<std::int32_t>(kDemoKeys.size());
    int struck = 0;
    while (demo.index < count && static_cast<double>(demo.index) <= due) {
        StrikeKey(pet, kDemoKeys[static_cast<std::size_t>(demo.index)], settings, douniTyping, now);
        ++demo.index;
        ++struck;
    }
    if (demo.index >= count) demo.active = false;
    return struck;
}

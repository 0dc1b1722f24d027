#include "input/scripted_input.h"

#include <gtest/gtest.h>

#include <vector>

#include "../keys/physical_key_printer.h"
#include "keys/virtual_keys.h"

namespace {

using K = PhysicalKey;

TEST(ScriptedInputTest, TheMonitorReadsTheScriptedSystem) {
    ScriptedInput system;
    system.now = 5.0;
    system.cursor = {640, 360};
    system.devices = {{0x056A, 0x0D, 2}};
    SetKeyDown(system, 'F', true);
    InputMonitor monitor;
    ConnectScriptedInput(monitor, system);

    FrameStep(monitor, 1.0f / 60.0f);
    EXPECT_EQ(monitor.cursor.x, 640);
    EXPECT_EQ(monitor.cursor.y, 360);
    EXPECT_TRUE(monitor.tabletPresent);
    EXPECT_EQ(monitor.lastDeviceScan, 5.0);
    EXPECT_EQ(monitor.polledDownKeys.count(K::F), 1u);

    system.devicesReadable = false;
    ScanTabletDevices(monitor, system.now);
    EXPECT_FALSE(monitor.tabletPresent);
}

TEST(ScriptedInputTest, SendKeySetsTheKeyBeforeTheMonitorHearsIt) {
    ScriptedInput system;
    InputMonitor monitor;
    ConnectScriptedInput(monitor, system);
    std::vector<bool> downWhenHeard;
    monitor.onKeyDown = [&](K) { downWhenHeard.push_back(KeyDown(system, kVkSpace)); };

    SendKey(system, monitor, K::Space, true);
    EXPECT_EQ(downWhenHeard, std::vector<bool>{true});
    EXPECT_EQ(monitor.heldKeys.count(K::Space), 1u);
    EXPECT_EQ(monitor.eventVirtualKey[K::Space], kVkSpace);
    SendKey(system, monitor, K::Space, false);
    EXPECT_FALSE(KeyDown(system, kVkSpace));
    EXPECT_TRUE(monitor.heldKeys.empty());
    // Fn has no virtual key: nothing reads as down.
    SendKey(system, monitor, K::Fn, true);
    EXPECT_TRUE(system.keysDown.none());
}

TEST(ScriptedInputTest, CodesAboveTheVirtualKeyRangeAreNeverDown) {
    ScriptedInput system;
    for (const uint16_t code : {uint16_t{256}, uint16_t{0x1FF}, uint16_t{0xFFFF}}) {
        SetKeyDown(system, code, true);
        EXPECT_FALSE(KeyDown(system, code)) << code;
    }
    EXPECT_TRUE(system.keysDown.none());
    SetKeyDown(system, 0xFE, true);
    EXPECT_TRUE(KeyDown(system, 0xFE));
}

}  // namespace

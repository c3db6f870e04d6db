// The keyboard's lock states as the kernel's LED class shows them, on folders laid out as it lays them out.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/windows/keyboard_locks.h"
#include "support/test_support.h"

namespace {

using windows::LockStates;

struct Light {
    const char* name;
    const char* brightness;  // nullptr: the light has no brightness file
};

TEST(KeyboardLocks, AnyLitKeyboardLightTurnsItsLockOn) {
    const struct {
        const char* what;
        std::vector<Light> lights;
        LockStates expected;
    } cases[] = {
        {"no keyboard", {}, {}},
        {"one keyboard, caps and scroll lit",
         {{"input3::capslock", "1\n"}, {"input3::numlock", "0\n"}, {"input3::scrolllock", "1\n"}},
         {true, false, true}},
        {"a second keyboard lights num lock",
         {{"input3::numlock", "0\n"}, {"input7::numlock", "1\n"}, {"input7::capslock", "0\n"}},
         {false, true, false}},
        {"other lights and unreadable ones count for nothing",
         {{"phy0-led", "1\n"}, {"input3::kana", "1\n"}, {"input3::capslock", nullptr}, {"input4::numlock", "x"}},
         {}},
        {"a brightness above one is lit", {{"input9::scrolllock", "255\n"}}, {false, false, true}},
    };
    for (const auto& c : cases) {
        testing_support::TempDir dir;
        for (const Light& light : c.lights) {
            const std::filesystem::path folder = std::filesystem::path(dir.file("leds")) / light.name;
            std::filesystem::create_directories(folder);
            if (light.brightness) testing_support::WriteBytes((folder / "brightness").string(), light.brightness);
        }
        EXPECT_EQ(windows::ReadLockStates(dir.file("leds")), c.expected) << c.what;
    }
    EXPECT_EQ(windows::ReadLockStates("/no/such/folder"), LockStates{});
}

}  // namespace

#include "shell/info_box.h"
#include "shell/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;

TEST(InfoBox, TextStartsWithTheVersionTitle) {
    EXPECT_EQ(InfoText().rfind(kVersionTitle, 0), 0u);
    EXPECT_GT(InfoText().size(), std::string(kVersionTitle).size() + 10);
}

TEST(InfoBox, ChecksumIsFnv1a) {
    EXPECT_EQ(IdChecksum(""), 0x811C9DC5u);
    EXPECT_EQ(IdChecksum("a"), 0xE40C292Cu);
    EXPECT_EQ(IdChecksum("foobar"), 0xBF9CF968u);
}

TEST(InfoBox, TheIdentificationTogglesDeveloperModeAndItsControls) {
    test::TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    engine.services.log.SetDeveloperMode(4);

    EXPECT_FALSE(ToggleDeveloperModeById(engine, "kreidestaub-1998"));
    EXPECT_FALSE(ToggleDeveloperModeById(engine, ""));
    EXPECT_EQ(engine.developerMode(), 4);
    EXPECT_FALSE(engine.window.developerMenuVisible);

    EXPECT_TRUE(ToggleDeveloperModeById(engine, "Kreidestaub-1998"));
    EXPECT_EQ(engine.developerMode(), 5);
    EXPECT_TRUE(engine.window.developerMenuVisible);
    EXPECT_TRUE(engine.window.developerPanelVisible);

    EXPECT_TRUE(ToggleDeveloperModeById(engine, "Kreidestaub-1998"));
    EXPECT_EQ(engine.developerMode(), 4);
    EXPECT_FALSE(engine.window.developerMenuVisible);
    EXPECT_FALSE(engine.window.developerPanelVisible);
}

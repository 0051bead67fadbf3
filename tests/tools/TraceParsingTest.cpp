#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/Space.h"
#include "InputScript.h"
#include "StateWriter.h"
#include "TraceOptions.h"
#include "components/Button.h"
#include "components/MovingGearCollider.h"
#include "components/SoundEmitter.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/TeleporterGear.h"
#include "components/Transform.h"
#include "components/WinController.h"

namespace {

TraceOptions Parse(const std::vector<std::string>& arguments) {
    return ParseTraceOptions(arguments, "/content");
}

std::string UsageMessage(const std::vector<std::string>& arguments) {
    try {
        Parse(arguments);
    } catch (const UsageError& error) {
        return error.what();
    }
    return "";
}

TEST(TraceOptions, DefaultsAndEveryOption) {
    const TraceOptions defaults = Parse({"level1"});
    EXPECT_EQ(defaults.level, "level1");
    EXPECT_EQ(defaults.contentFolder, "/content");
    EXPECT_EQ(defaults.frames, 600);
    EXPECT_EQ(defaults.every, 1);
    EXPECT_EQ(defaults.seed, 1u);
    EXPECT_TRUE(defaults.watch.empty());
    EXPECT_FALSE(defaults.screen || defaults.visible || defaults.sound);

    const TraceOptions all = Parse(
        {"--content",    "c",         "--frames", "10",        "--input", "in.txt",       "--watch",
         "velmo,gear",   "--every",   "5",        "--seed",    "7",       "--screenshot", "3:a.png",
         "--screenshot", "9:b:c.png", "--screen", "--visible", "--sound", "menu"});
    EXPECT_EQ(all.contentFolder, "c");
    EXPECT_EQ(all.frames, 10);
    EXPECT_EQ(all.inputFile, "in.txt");
    EXPECT_EQ(all.watch, (std::vector<std::string>{"velmo", "gear"}));
    EXPECT_EQ(all.every, 5);
    EXPECT_EQ(all.seed, 7u);
    ASSERT_EQ(all.screenshots.size(), 2u);
    EXPECT_EQ(all.screenshots[1].frame, 9);
    EXPECT_EQ(all.screenshots[1].file, "b:c.png");
    EXPECT_TRUE(all.screen && all.visible && all.sound);
    EXPECT_EQ(all.level, "menu");
}

TEST(TraceOptions, BadArgumentsAreRefusedWithAReason) {
    EXPECT_THAT(UsageMessage({}), testing::HasSubstr("which level"));
    EXPECT_THAT(UsageMessage({"--every", "0", "l"}), testing::HasSubstr("--every"));
    EXPECT_THAT(UsageMessage({"--frames", "-3", "l"}), testing::HasSubstr("--frames"));
    EXPECT_THAT(UsageMessage({"--frames", "12x", "l"}), testing::HasSubstr("12x"));
    EXPECT_THAT(UsageMessage({"--screenshot", "png", "l"}), testing::HasSubstr("FRAME:FILE"));
    EXPECT_THAT(UsageMessage({"--fast", "l"}), testing::HasSubstr("unknown option --fast"));
    EXPECT_THAT(UsageMessage({"l", "--frames"}), testing::HasSubstr("needs a value"));
    EXPECT_THAT(UsageMessage({"a", "b"}), testing::HasSubstr("one level at a time"));
    EXPECT_NO_THROW(Parse({"--help"}));
}

TEST(TraceOptions, StartRunsTheGameFromItsFirstScreenWithoutALevel) {
    const TraceOptions start = Parse({"--flow", "--start", "--frames", "5"});
    EXPECT_TRUE(start.start && start.flow);
    EXPECT_TRUE(start.level.empty());
    EXPECT_TRUE(Parse({"--flow", "menu"}).flow);
    EXPECT_FALSE(Parse({"menu"}).start || Parse({"menu"}).flow);
    EXPECT_THAT(UsageMessage({"--start", "menu"}), testing::HasSubstr("no level with it"));
    EXPECT_THAT(UsageMessage({"menu", "--start"}), testing::HasSubstr("no level with it"));
    EXPECT_THAT(UsageMessage({"--start", "--screen"}), testing::HasSubstr("--screen"));
    EXPECT_THAT(UsageMessage({"--flow"}), testing::HasSubstr("which level"));
}

TEST(InputScript, ReadsKeysAxesAndButtonsByFrame) {
    std::istringstream text(
        "# comment\r\n\r\n3 key SPACE down\r\n3 key 262 up\n4 key a down\n4 key 7 down\n"
        "5 axis 3 -0.75\n0 button 6 down\n");
    const InputScript script = InputScript::Read(text, "in.txt");
    const auto& third = script.EventsOf(3);
    ASSERT_EQ(third.size(), 2u);
    EXPECT_EQ(third[0].code, 32);
    EXPECT_TRUE(third[0].down);
    EXPECT_EQ(third[1].code, 262);
    EXPECT_FALSE(third[1].down);
    ASSERT_EQ(script.EventsOf(4).size(), 2u);
    EXPECT_EQ(script.EventsOf(4)[0].code, 'A');
    EXPECT_EQ(script.EventsOf(4)[1].code, 7);  // a number is a key code, not the digit
    EXPECT_EQ(script.EventsOf(5)[0].kind, InputEvent::Kind::Axis);
    EXPECT_EQ(script.EventsOf(5)[0].value, -0.75f);
    // Frame 0 comes before the first frame.
    EXPECT_EQ(script.EventsOf(1)[0].kind, InputEvent::Kind::Button);
    EXPECT_TRUE(script.UsesGamepad());
    EXPECT_TRUE(script.EventsOf(2).empty());
}

TEST(InputScript, MalformedLinesNameTheirFileAndLine) {
    const auto message = [](const std::string& text) {
        std::istringstream input(text);
        try {
            InputScript::Read(input, "replay.txt");
        } catch (const UsageError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_THAT(message("1 key A down\n\n2 key NOPE down\n"),
                testing::StartsWith("replay.txt:3: unknown key NOPE"));
    EXPECT_THAT(message("x key A down\n"), testing::StartsWith("replay.txt:1:"));
    EXPECT_THAT(message("1 key A sideways\n"), testing::HasSubstr("down or up"));
    EXPECT_THAT(message("1 axis 99 0.5\n"), testing::HasSubstr("axis index"));
    EXPECT_THAT(message("1 axis 0 fast\n"), testing::HasSubstr("number"));
    EXPECT_THAT(message("1 key 1024 down\n"), testing::HasSubstr("unknown key"));
    EXPECT_THAT(message("1 jump A down\n"), testing::HasSubstr("unknown event"));
    EXPECT_THAT(message("1 key A down extra\n"), testing::StartsWith("replay.txt:1:"));
}

TEST(StateWriter, ObjectLineHasOnlyThePartsTheObjectHas) {
    Space space(LoadMode::PlayableLevel, "level \"one\"", "");
    GameObject* object = space.CreateObject("gear\\1");
    auto* transform = static_cast<Transform*>(
        object->AddComponent(ComponentType::Transform, std::make_unique<Transform>()));
    transform->translation = glm::vec3(0.1f, 1.0000001f, -3.0f);
    transform->rotation = 1e-8f;
    auto* collider = static_cast<MovingGearCollider*>(object->AddComponent(
        ComponentType::MovingGearCollider, std::make_unique<MovingGearCollider>()));
    collider->contacts = {object};
    collider->ground = object;

    EXPECT_EQ(StateWriter::ObjectLine(4, space.name, *object),
              "{\"frame\":4,\"space\":\"level \\\"one\\\"\",\"name\":\"gear\\\\1\",\"alive\":true,"
              "\"transform\":{\"translation\":[0.1,1.0000001,-3],\"scale\":[0,0,0],"
              "\"rotation\":1e-08},"
              "\"movingGearCollider\":{\"contacts\":[\"gear\\\\1\"],\"lastGear\":null,"
              "\"switching\":false,\"switchTimer\":0,\"ghost\":false,\"teleporting\":false,"
              "\"ground\":\"gear\\\\1\",\"leftWall\":null,\"rightWall\":null}}");
}

TEST(StateWriter, MenuButtonLineShowsItsPicturesTextAndSound) {
    Space space(LoadMode::Screen, "menu", "");
    GameObject* button = space.CreateObject("playButton");
    // A picture that is none of the registry's, and a sound linked to nothing.
    static_cast<Sprite*>(button->AddComponent(ComponentType::Sprite, std::make_unique<Sprite>()))
        ->texture.ID = 9002;
    auto* text = static_cast<SpriteText*>(
        button->AddComponent(ComponentType::SpriteText, std::make_unique<SpriteText>()));
    text->Text = "Level \"1\"";
    text->characterLimit = 3;
    auto* pictures = static_cast<Button*>(
        button->AddComponent(ComponentType::Button, std::make_unique<Button>()));
    pictures->NotSelectedFileName = "play";
    pictures->SelectedFileName = "playLit";
    button->AddComponent(ComponentType::SoundEmitter, std::make_unique<SoundEmitter>());
    EXPECT_EQ(StateWriter::ObjectLine(2, space.name, *button),
              "{\"frame\":2,\"space\":\"menu\",\"name\":\"playButton\",\"alive\":true,"
              "\"sprite\":{\"Color\":[0,0,0,0],\"Visible\":true,\"texture\":null},"
              "\"spriteText\":{\"Text\":\"Level \\\"1\\\"\",\"characterLimit\":3},"
              "\"button\":{\"NotSelectedFileName\":\"play\",\"SelectedFileName\":\"playLit\"},"
              "\"soundEmitter\":{\"sound\":null,\"playing\":false}}");
}

TEST(StateWriter, TeleporterLineShowsTheRunningTeleport) {
    Space space(LoadMode::PlayableLevel, "level", "");
    GameObject* gear = space.CreateObject("sender");
    auto* teleporter = static_cast<TeleporterGear*>(
        gear->AddComponent(ComponentType::TeleporterGear, std::make_unique<TeleporterGear>()));
    teleporter->Sander = true;
    teleporter->active = true;
    teleporter->timer = 0.25f;
    EXPECT_EQ(StateWriter::ObjectLine(7, space.name, *gear),
              "{\"frame\":7,\"space\":\"level\",\"name\":\"sender\",\"alive\":true,"
              "\"teleporterGear\":{\"Sander\":true,\"active\":true,\"timer\":0.25,"
              "\"resetTime\":0}}");
}

TEST(StateWriter, GoalLineShowsWhereTheWinLeadsAndTheRecordedDistance) {
    Space space(LoadMode::PlayableLevel, "level", "");
    GameObject* goal = space.CreateObject("winBear");
    auto* win = static_cast<WinController*>(
        goal->AddComponent(ComponentType::WinController, std::make_unique<WinController>()));
    win->WinLevel = "levelSelectGear2";
    win->LoadAsLevel = false;
    win->cameraDistance = 40.5f;
    EXPECT_EQ(StateWriter::ObjectLine(1, space.name, *goal),
              "{\"frame\":1,\"space\":\"level\",\"name\":\"winBear\",\"alive\":true,"
              "\"winController\":{\"WinLevel\":\"levelSelectGear2\",\"LoadAsLevel\":false,"
              "\"repeatStart\":false,\"cameraDistance\":40.5}}");
}

}  // namespace

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/Easing.h"
#include "Core/Engine.h"
#include "Core/LevelReader.h"
#include "Core/Space.h"
#include "components/Animation.h"
#include "components/BombGear.h"
#include "components/BoxCollider.h"
#include "components/Button.h"
#include "components/Camera.h"
#include "components/CollectibleGlow.h"
#include "components/CollectibleMove.h"
#include "components/GearCollider.h"
#include "components/InputController.h"
#include "components/LoseController.h"
#include "components/MoveComponent.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "components/PlayerArrow.h"
#include "components/RigidBody.h"
#include "components/SoundEmitter.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/TeleporterGear.h"
#include "components/Transform.h"
#include "components/WinController.h"
#include "support/EngineFixture.h"
#include "support/LevelFiles.h"
#include "systems/Graphics.h"
#include "systems/SoundTable.h"
#include "systems/TextureRegistry.h"

namespace {

using testing::HasSubstr;

using LevelReaderTest = EngineTest;

// Every key of the level format, each set away from its component's default, as the AllKeys
// level gives them.
void ExpectEveryKeyRead(const Space& level) {
    const auto& transform = Get<Transform>(level, "transform");
    EXPECT_EQ(transform.translation, glm::vec3(2.0f, 4.0f, 3.0f));  // x and y doubled
    EXPECT_EQ(transform.scale, glm::vec3(4.0f, 5.0f, 6.0f));
    EXPECT_EQ(transform.rotation, 0.5f);  // the quaternion's third number

    const auto& sprite = Get<Sprite>(level, "sprite");
    EXPECT_EQ(sprite.texture.ID, 7u);  // the registry's "PlayerGear.png"
    EXPECT_EQ(sprite.texture.Width, 64);
    EXPECT_TRUE(sprite.SpriteFlipX);
    EXPECT_FALSE(sprite.Visible);
    EXPECT_EQ(sprite.Color, glm::vec4(0.1f, 0.2f, 0.3f, 0.4f));
    EXPECT_FALSE(Get<Sprite>(level, "spriteBack").SpriteFlipX);
    EXPECT_TRUE(Get<Sprite>(level, "spriteBack").Visible);

    const auto& button = Get<Button>(level, "button");
    EXPECT_EQ(button.NotSelectedFileName, "playOff");
    EXPECT_EQ(button.SelectedFileName, "playOn");
    EXPECT_EQ(button.NotCheckedFileName, "boxOff");
    EXPECT_EQ(button.CheckedFileName, "boxOn");

    EXPECT_EQ(Get<SoundEmitter>(level, "sound").sound, SoundTable::Find("jumpeffect.wav"));

    const auto& body = Get<RigidBody>(level, "body");
    EXPECT_EQ(body.RotSpeed, 0.25f);
    EXPECT_TRUE(body.Gravity);
    EXPECT_TRUE(body.Moveable);
    EXPECT_EQ(body.JumpHeight, 12.5f);
    EXPECT_EQ(body.Speed, 0.5f);
    EXPECT_EQ(body.VelocityCap, 3.0f);
    EXPECT_EQ(body.RotationVelocityCap, 0.75f);
    EXPECT_EQ(body.BodyTypeNum, 0);  // a kind that is not breakable
    EXPECT_FALSE(Get<RigidBody>(level, "bodyBack").Gravity);
    EXPECT_FALSE(Get<RigidBody>(level, "bodyBack").Moveable);
    EXPECT_EQ(Get<RigidBody>(level, "bodyBack").BodyTypeNum, 8);  // no kind named
    for (const char* breakable : {"WoodBox", "MetalBox", "Explosive"}) {
        EXPECT_EQ(Get<RigidBody>(level, breakable).BodyTypeNum, 5) << breakable;
    }

    const auto& gear = Get<GearCollider>(level, "gear");
    EXPECT_EQ(gear.GearColliderSize, glm::vec3(2.0f, 3.0f, 4.0f));
    EXPECT_EQ(gear.GearColliderOffset, glm::vec3(0.5f, 0.0f, 0.0f));
    EXPECT_TRUE(gear.GearColliderGhost);
    EXPECT_EQ(gear.GearColliderBellyRadius, 1.5f);
    EXPECT_EQ(gear.GearColliderFullRadius, 2.0f);
    EXPECT_EQ(gear.GearColliderNumTeeth, 12);
    EXPECT_FALSE(Get<GearCollider>(level, "gearBack").GearColliderGhost);

    const auto& player = Get<MovingGearCollider>(level, "velmo");
    EXPECT_EQ(player.MovingGearColliderSize, glm::vec3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(player.MovingGearColliderOffset, glm::vec3(0.0f, 0.5f, 0.0f));
    EXPECT_TRUE(player.MovingGearColliderGhost);
    EXPECT_EQ(player.MovingGearColliderBellyRadius, 0.4f);
    EXPECT_EQ(player.MovingGearColliderFullRadius, 0.6f);
    EXPECT_EQ(player.MovingGearColliderNumTeeth, 8);
    EXPECT_FALSE(Get<MovingGearCollider>(level, "velmoBack").MovingGearColliderGhost);

    const auto& box = Get<BoxCollider>(level, "box");
    EXPECT_EQ(box.BoxColliderSize, glm::vec3(1.5f, 0.5f, 1.0f));
    EXPECT_EQ(box.BoxColliderOffset, glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_TRUE(box.BoxColliderGhost);
    EXPECT_EQ(box.BoxColliderBreakSpeed, 4.0f);
    EXPECT_FALSE(Get<BoxCollider>(level, "boxBack").BoxColliderGhost);

    const auto& animation = Get<Animation>(level, "anim");
    EXPECT_EQ(animation.AnimationComponentSpeed, 4.0f);
    EXPECT_FALSE(animation.Loopable);
    EXPECT_EQ(animation.AnimationList, "gearFrames.txt");
    EXPECT_TRUE(Get<Animation>(level, "animBack").Loopable);

    const auto& bomb = Get<BombGear>(level, "bomb");
    EXPECT_EQ(bomb.TimeToExplode, 3.5f);
    EXPECT_TRUE(bomb.Alive);
    EXPECT_FALSE(bomb.BombActive);
    EXPECT_EQ(bomb.MyTime, 1.25f);

    const auto& camera = Get<Camera>(level, "CameraComp");
    EXPECT_TRUE(camera.MovingCameraX);
    EXPECT_TRUE(camera.MovingCameraY);
    EXPECT_EQ(camera.CameraScrollSpeed, glm::vec3(0.05f, 0.1f, 0.0f));
    EXPECT_EQ(camera.CameraComponentFarPlane, 40.0f);
    EXPECT_FALSE(Get<Camera>(level, "cameraBack").MovingCameraX);
    EXPECT_FALSE(Get<Camera>(level, "cameraBack").MovingCameraY);

    const auto& win = Get<WinController>(level, "winBear");
    EXPECT_EQ(win.WinLevel, "levelSelectGear7");
    EXPECT_FALSE(win.LoadAsLevel);
    EXPECT_TRUE(win.repeatStart);  // "bool Moveable" inside the win section
    EXPECT_TRUE(Get<WinController>(level, "winBack").LoadAsLevel);
    EXPECT_FALSE(Get<WinController>(level, "winBack").repeatStart);
    EXPECT_EQ(Get<LoseController>(level, "lose").LoseLevel, "mainMenu");
    EXPECT_TRUE(Get<LoseController>(level, "lose").LoadAsLevel);
    EXPECT_FALSE(Get<LoseController>(level, "loseBack").LoadAsLevel);

    const auto& particles = Get<ParticleEmmiter>(level, "particles");
    EXPECT_EQ(particles.MaxParticles, 250);
    EXPECT_TRUE(particles.BurstMode);
    EXPECT_FALSE(particles.UseDefaultColor);
    EXPECT_FALSE(particles.EmitMode);
    EXPECT_FALSE(particles.SpiralMode);
    EXPECT_FALSE(particles.HollowMode);
    EXPECT_TRUE(particles.Sander);
    EXPECT_EQ(particles.SizeDecrement, 0.5f);
    EXPECT_EQ(particles.SizeMinimum, 2.0f);
    EXPECT_EQ(particles.SizeMaximum, 4.0f);
    EXPECT_EQ(particles.LifeMinimum, 1.0f);
    EXPECT_EQ(particles.LifeMaximum, 2.0f);
    EXPECT_EQ(particles.ParticleXVelMin, -5.0f);
    EXPECT_EQ(particles.ParticleXVelMax, 5.0f);
    EXPECT_EQ(particles.ParticleYVelMin, 1.0f);
    EXPECT_EQ(particles.ParticleYVelMax, 6.0f);
    EXPECT_EQ(particles.EmitRadius, 7.0f);
    EXPECT_EQ(particles.ParticleTextureFilename, "spark.png");
    EXPECT_EQ(particles.ParticleColor, glm::vec4(0.9f, 0.8f, 0.7f, 0.6f));
    EXPECT_EQ(particles.TimeToBurst, 1.5f);
    const auto& particlesBack = Get<ParticleEmmiter>(level, "particlesBack");
    EXPECT_FALSE(particlesBack.BurstMode);
    EXPECT_TRUE(particlesBack.UseDefaultColor);
    EXPECT_TRUE(particlesBack.EmitMode);
    EXPECT_TRUE(particlesBack.SpiralMode);
    EXPECT_TRUE(particlesBack.HollowMode);
    EXPECT_FALSE(particlesBack.Sander);

    EXPECT_TRUE(Get<TeleporterGear>(level, "teleporter").Sander);
    EXPECT_FALSE(Get<TeleporterGear>(level, "teleporterBack").Sander);
    EXPECT_NO_THROW(Get<PlayerArrow>(level, "arrow"));
    EXPECT_NO_THROW(Get<InputController>(level, "velmo"));

    const auto& mover = Get<MoveComponent>(level, "mover");
    EXPECT_EQ(mover.MoveEase, &Easing::InOutQuad);
    EXPECT_THAT(mover.DestPosition,
                testing::ElementsAre(glm::vec3(1.0f, 2.0f, 3.0f), glm::vec3(4.0f, 5.0f, 6.0f)));
    EXPECT_EQ(mover.MoveTimer, 0.5f);
    EXPECT_EQ(mover.MoveDuration, 2.0f);

    const auto& text = Get<SpriteText>(level, "text");
    EXPECT_EQ(text.Text, "Score");
    EXPECT_EQ(text.Color, glm::vec3(1.0f, 0.5f, 0.25f));
    EXPECT_EQ(text.Scale, 0.75f);
    EXPECT_EQ(text.Position, glm::vec3(10.0f, 20.0f, 0.0f));
}

TEST_F(LevelReaderTest, EveryKeyFillsItsField) {
    TextureRegistry::Store("PlayerGear.png", Texture2D{7, 64, 32});
    Space level(LoadMode::PlayableLevel, "allKeys", TestLevel("AllKeys"));
    ExpectEveryKeyRead(level);
}

TEST_F(LevelReaderTest, WindowsLineEndsReadAsLinuxOnes) {
    TextureRegistry::Store("PlayerGear.png", Texture2D{7, 64, 32});
    std::string windows;
    for (char c : ReadBytes(TestLevel("AllKeys"))) {
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    ScratchFolder scratch;
    Space level(LoadMode::PlayableLevel, "allKeys", scratch.Write("AllKeys.Level.data", windows));
    ExpectEveryKeyRead(level);
}

TEST_F(LevelReaderTest, ObjectsAreInitialisedFromTheirSiblings) {
    auto graphics = std::make_shared<Graphics>();
    Engine::Instance().AddSystem(graphics);
    TextureRegistry::Store("PlayerGear.png", Texture2D{7, 64, 32});
    Space level(LoadMode::PlayableLevel, "allKeys", TestLevel("AllKeys"));

    const auto& body = Get<RigidBody>(level, "body");
    EXPECT_EQ(body.transform, &Get<Transform>(level, "body"));
    EXPECT_FLOAT_EQ(body.damping, 0.2f);  // scale x 2
    EXPECT_FLOAT_EQ(body.gravityStep, 1.0f);

    // Centres are placed from the position (doubled) and the offset; what the file gave is lost.
    EXPECT_EQ(Get<GearCollider>(level, "gear").GearColliderCenter, glm::vec3(2.5f, 2.0f, 0.0f));
    EXPECT_EQ(Get<GearCollider>(level, "gear").rigidBody, &Get<RigidBody>(level, "gear"));
    EXPECT_EQ(Get<MovingGearCollider>(level, "velmo").MovingGearColliderCenter,
              glm::vec3(0.0f, 6.5f, 0.0f));
    const auto& box = Get<BoxCollider>(level, "box");
    EXPECT_EQ(box.BoxColliderCenter, glm::vec3(5.0f, 2.0f, 0.0f));
    EXPECT_EQ(box.top, 2.5f);
    EXPECT_EQ(box.bottom, 1.5f);
    EXPECT_EQ(box.left, 3.5f);
    EXPECT_EQ(box.right, 6.5f);

    const auto& input = Get<InputController>(level, "velmo");
    EXPECT_EQ(input.movingGear, &Get<MovingGearCollider>(level, "velmo"));
    EXPECT_EQ(input.rigidBody, &Get<RigidBody>(level, "velmo"));

    EXPECT_EQ(Get<CollectibleGlow>(level, "pickup").color, &Get<Sprite>(level, "pickup").Color);
    EXPECT_EQ(Get<CollectibleMove>(level, "pickup").position,
              &Get<Transform>(level, "pickup").translation);

    // The last camera read is the one followed; a camera without a scrolling direction that
    // has a speed does not scroll.
    EXPECT_EQ(graphics->currentCamera, &Get<Camera>(level, "cameraBack"));
    EXPECT_TRUE(Get<Camera>(level, "CameraComp").scrolling);
    EXPECT_EQ(Get<Camera>(level, "CameraComp").position, glm::vec3(6.0f, 8.0f, 0.0f));
    EXPECT_FALSE(Get<Camera>(level, "cameraBack").scrolling);
}

TEST_F(LevelReaderTest, DestroyedCameraIsNoLongerFollowed) {
    auto graphics = std::make_shared<Graphics>();
    Engine::Instance().AddSystem(graphics);
    {
        Space level(LoadMode::PlayableLevel, "allKeys", TestLevel("AllKeys"));
        ASSERT_NE(graphics->currentCamera, nullptr);
    }
    EXPECT_EQ(graphics->currentCamera, nullptr);
}

TEST_F(LevelReaderTest, EasingIsFoundByNameLongestFirst) {
    Space level(LoadMode::PlayableLevel, "easings", TestLevel("Easings"));
    const std::pair<const char*, EasingFunction> expected[] = {
        {"easeInOutQuad", Easing::InOutQuad},
        {"easeInOutBack", Easing::InOutBack},
        {"easeOutQuad", Easing::OutQuad},
        {"easeOutBack", Easing::OutBack},
        {"easeInQuad", Easing::InQuad},
        {"easeInBack", Easing::InBack},
        {"easeLinear", Easing::Linear},
        {"easeBounce", Easing::Linear},
        {"easeNone", nullptr},
    };
    for (const auto& [object, easing] : expected) {
        EXPECT_EQ(Get<MoveComponent>(level, object).MoveEase, easing) << object;
    }
}

TEST_F(LevelReaderTest, LinesAreTestedForKeysNotParsed) {
    testing::internal::CaptureStdout();
    Space level(LoadMode::PlayableLevel, "quirks", TestLevel("Quirks"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    // Objects in file order, lines after the level's closing brace unread.
    std::vector<std::string> names;
    for (const auto& object : level.objects) {
        names.push_back(object->name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"", "Hell", "twin", "twin", "sameLine", "replaced",
                                               "values"}));

    // An unnamed object is still built and found under the empty name; a key of another
    // class in its transform section is ignored.
    EXPECT_EQ(Get<Transform>(level, "").translation, glm::vec3(10.0f, 10.0f, 0.0f));

    // Two objects of one name both exist; the name finds the first.
    EXPECT_EQ(Get<Transform>(level, "twin").translation.x, 2.0f);
    EXPECT_EQ(level.objects[3]->GetComponent<Transform>()->translation.x, 4.0f);

    // A section header with its brace on the same line is a brace and opens nothing.
    EXPECT_TRUE(level.FindObject("sameLine")->components.empty());

    // A second header before the first section closes replaces it.
    GameObject* replaced = level.FindObject("replaced");
    EXPECT_EQ(replaced->components.size(), 1u);
    EXPECT_EQ(Get<Button>(level, "replaced").SelectedFileName, "on");

    // Unreadable numbers are 0, and a vector's later numbers with them.
    EXPECT_EQ(Get<Transform>(level, "values").scale, glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(Get<Transform>(level, "values").rotation, -0.15f);
    EXPECT_EQ(Get<RigidBody>(level, "values").Speed, 0.0f);
    EXPECT_EQ(Get<RigidBody>(level, "values").JumpHeight, 7.5f);
    EXPECT_EQ(Get<RigidBody>(level, "values").RotSpeed, 0.0f);  // out of range
    EXPECT_EQ(Get<GearCollider>(level, "values").GearColliderNumTeeth, 12);
}

TEST_F(LevelReaderTest, BraceInsideATextCountsAsABrace) {
    std::vector<LevelRecord> records;
    testing::internal::CaptureStdout();
    const ReadStatus status = LevelReader::Read(TestLevel("BraceInText"), records);
    const std::string output = testing::internal::GetCapturedStdout();

    // The brace in the text keeps the level open: its closing brace closes the object instead,
    // and the file ends with the level still open.
    EXPECT_EQ(status, ReadStatus::EndsEarly);
    EXPECT_EQ(output, "Error in file at line: 148\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "braced");
    ASSERT_EQ(records[0].components.size(), 1u);
    const auto& text = static_cast<const SpriteText&>(*records[0].components[0].second);
    EXPECT_EQ(text.Text, "");
    EXPECT_EQ(text.Scale, 2.0f);
}

TEST_F(LevelReaderTest, TruncatedFileKeepsTheObjectsClosedBeforeTheEnd) {
    std::vector<LevelRecord> records;
    testing::internal::CaptureStdout();
    EXPECT_EQ(LevelReader::Read(TestLevel("Truncated"), records), ReadStatus::EndsEarly);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error in file at line: 148\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "complete");
}

TEST_F(LevelReaderTest, StatusTellsHowFarTheFileGot) {
    ScratchFolder scratch;
    std::vector<LevelRecord> records;
    const std::string header = EditorHeader();
    testing::internal::CaptureStdout();
    EXPECT_EQ(LevelReader::Read((scratch.path / "missing.Level.data").string(), records),
              ReadStatus::CannotOpen);
    EXPECT_EQ(LevelReader::Read(scratch.Write("short", "Level =\n{\n"), records),
              ReadStatus::EndsInHeader);
    // The header's last line without its line end: the file ends inside the header.
    EXPECT_EQ(LevelReader::Read(scratch.Write("cut", header.substr(0, header.size() - 1)), records),
              ReadStatus::EndsInHeader);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    EXPECT_EQ(LevelReader::Read(scratch.Write("headerOnly", header), records),
              ReadStatus::EndsEarly);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error in file at line: 138\n");
    EXPECT_EQ(LevelReader::Read(scratch.Write("empty", header + "}"), records),
              ReadStatus::Complete);
    EXPECT_TRUE(records.empty());
}

TEST_F(LevelReaderTest, HostileFilesEndWithAStatusAndWhatWasClosed) {
    ScratchFolder scratch;
    const std::string header = EditorHeader();
    const std::string object = "{\nstring Name = \"kept\",\n}\n";
    std::vector<LevelRecord> records;
    testing::internal::CaptureStdout();

    std::string binary = header + object;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    EXPECT_EQ(LevelReader::Read(scratch.Write("binary", binary), records), ReadStatus::EndsEarly);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0].name, "kept");

    records.clear();
    const std::string longLine(std::size_t{10} * 1024 * 1024, '7');
    const std::string bodyWithLongLine =
        "{\nstring Name = \"long\",\nRigidBodyComponent =\n{\nfloat Speed = " + longLine +
        "\n}\n}\n}\n";
    EXPECT_EQ(LevelReader::Read(scratch.Write("long", header + bodyWithLongLine), records),
              ReadStatus::Complete);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].components.size(), 1u);
    EXPECT_EQ(static_cast<const RigidBody&>(*records[0].components[0].second).Speed, 0.0f);

    records.clear();
    std::string opening;
    std::string closing;
    for (int i = 0; i < 100000; ++i) {
        opening += "{\n";
        closing += "}\n";
    }
    EXPECT_EQ(LevelReader::Read(scratch.Write("opening", header + opening), records),
              ReadStatus::EndsEarly);
    EXPECT_TRUE(records.empty());
    // The header takes 138 of the opening braces, so the closing ones end the level; on the
    // way down, depth 0 closes one (empty) object.
    EXPECT_EQ(LevelReader::Read(scratch.Write("braces", opening + closing), records),
              ReadStatus::Complete);
    EXPECT_EQ(records.size(), 1u);
    testing::internal::GetCapturedStdout();
}

// Inputs that once broke the reader stay broken no more.
TEST_F(LevelReaderTest, StoredFuzzInputsBuildWithoutFault) {
    const auto corpus = std::filesystem::path(VELMORA_FUZZ_CORPUS);
    if (!std::filesystem::exists(corpus)) {
        GTEST_SKIP() << "no stored inputs";
    }
    testing::internal::CaptureStdout();
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        Space level(LoadMode::PlayableLevel, "fuzz", entry.path().string());
    }
    testing::internal::GetCapturedStdout();
}

}  // namespace

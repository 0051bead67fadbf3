#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/LevelReader.h"
#include "LevelFileReader.h"
#include "LevelKeys.h"
#include "LevelSourceError.h"
#include "LevelTool.h"
#include "Templates.h"
#include "components/GearCollider.h"
#include "components/Transform.h"
#include "support/LevelFiles.h"
#include "support/ProgramRun.h"

// velmora-level between compact sources and the editor's files, on the game's own templates.
namespace {

namespace fs = std::filesystem;

fs::path ToolLevels() {
    return TestContent().parent_path() / "tools" / "levels";
}

std::string ContentTemplates() {
    return std::string(VELMORA_CONTENT_FOLDER) + "/levels/templates.toml";
}

Templates GameTemplates() {
    return Templates::Load(ContentTemplates(), (ToolLevels() / "gears.tsv").string());
}

std::string Describe(const FieldValue& value) {
    std::ostringstream text;
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                text << "(unset)";
            } else if constexpr (std::is_same_v<T, std::vector<float>>) {
                for (float f : v)
                    text << f << " ";
            } else if constexpr (std::is_same_v<T, Waypoints>) {
                for (const auto& p : v)
                    text << "[" << p[0] << " " << p[1] << " " << p[2] << "]";
            } else {
                text << v;
            }
        },
        value);
    return text.str();
}

// Every difference between two loaded levels, one line each; empty when they load the same.
std::string Differences(const std::vector<ObjectEntry>& a, const std::vector<ObjectEntry>& b) {
    std::ostringstream out;
    if (a.size() != b.size()) {
        out << a.size() << " objects against " << b.size() << "\n";
    }
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        const std::string object = "object " + std::to_string(i + 1) + " \"" + a[i].name + "\"";
        if (a[i].name != b[i].name) {
            out << object << ": named \"" << b[i].name << "\"\n";
        }
        if (a[i].sections.size() != b[i].sections.size()) {
            out << object << ": " << a[i].sections.size() << " components against "
                << b[i].sections.size() << "\n";
            continue;
        }
        for (std::size_t s = 0; s < a[i].sections.size(); ++s) {
            const SectionEntry& x = a[i].sections[s];
            const SectionEntry& y = b[i].sections[s];
            if (x.key != y.key) {
                out << object << ": component " << s + 1 << " is " << x.key->name << " against "
                    << y.key->name << "\n";
                continue;
            }
            for (std::size_t f = 0; f < x.fields.size(); ++f) {
                if (!LevelKeys::SameLoaded(*x.fields[f].key, x.fields[f].value,
                                           y.fields[f].value)) {
                    out << object << ": " << x.key->name << "." << x.fields[f].key->name << " "
                        << Describe(x.fields[f].value) << " against " << Describe(y.fields[f].value)
                        << "\n";
                }
            }
        }
    }
    return out.str();
}

// What the program writes to both of its outputs.
ProgramRun RunWithErrors(const std::string& command) {
    return RunProgram(command + " 2>&1");
}

// A content folder like the game's, whose only level file is the one given.
fs::path ContentWith(const ScratchFolder& scratch, const std::string& name,
                     const std::string& level) {
    fs::path folder = scratch.path / name;
    fs::create_directories(folder / "TandrelLevelDesigner/Content");
    for (const char* part : {"Audio", "Gameplay", "Replays", "Shaders", "Textures", "fonts"}) {
        fs::create_directory_symlink(fs::path(VELMORA_CONTENT_FOLDER) / part, folder / part);
    }
    fs::copy_file(level, folder / "TandrelLevelDesigner/Content/Sample.Level.data");
    return folder;
}

TEST(LevelToolTest, CompiledSampleLoadsAndPlaysAsTheEditorsOriginal) {
    const ScratchFolder scratch;
    const std::string original = (ToolLevels() / "Sample.Level.data").string();
    const std::string compiled = (scratch.path / "Sample.Level.data").string();
    LevelTool::Compile(std::string(VELMORA_CONTENT_FOLDER) + "/levels/Sample.toml", compiled,
                       GameTemplates());

    EXPECT_EQ(Differences(LevelFileReader::Read(original), LevelFileReader::Read(compiled)), "");
    std::vector<LevelRecord> records;
    ASSERT_EQ(LevelReader::Read(compiled, records), ReadStatus::Complete);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[2].name, "gear");
    const auto& gear = static_cast<const GearCollider&>(*records[2].components.back().second);
    EXPECT_EQ(gear.GearColliderNumTeeth, 12);

    // Frame for frame, with the sample's replayed input.
    const std::string trace = std::string(VELMORA_TRACE_PROGRAM) + " --frames 240 --input " +
                              VELMORA_CONTENT_FOLDER + "/Replays/Sample.input --content ";
    const ProgramRun before = RunWithErrors(
        trace + ContentWith(scratch, "original", original).string() + " sample 2>/dev/null");
    const ProgramRun after = RunWithErrors(
        trace + ContentWith(scratch, "compiled", compiled).string() + " sample 2>/dev/null");
    ASSERT_EQ(before.status, 0) << before.output;
    ASSERT_EQ(after.status, 0) << after.output;
    EXPECT_GT(before.output.size(), 1000u);
    EXPECT_TRUE(before.output == after.output) << "the traces differ";
}

TEST(LevelToolTest, DecompiledTestLevelsCompileBackToTheSameLevel) {
    const ScratchFolder scratch;
    const Templates templates = GameTemplates();
    int checked = 0;
    for (const auto& file : fs::recursive_directory_iterator(TestContent())) {
        const std::string path = file.path().string();
        std::vector<LevelRecord> records;
        if (!path.ends_with(".Level.data") ||
            LevelReader::Read(path, records) != ReadStatus::Complete) {
            continue;
        }
        SCOPED_TRACE(path);
        const std::string source = (scratch.path / "level.toml").string();
        const std::string level = (scratch.path / "level.Level.data").string();
        LevelTool::Decompile(path, source, templates);
        LevelTool::Compile(source, level, templates);
        EXPECT_EQ(Differences(LevelFileReader::Read(path), LevelFileReader::Read(level)), "");
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

TEST(LevelToolTest, GearTemplatesTakeTheGearTablesNumbers) {
    const ScratchFolder scratch;
    const std::string source = scratch.Write("gears.toml", R"([[object]]
name = "big"
template = "gear:gearLarge"
Transform = { Translation = [3, 1, 0] }

[[object]]
name = "bomb"
template = "bomb"
)");
    LevelTool::Compile(source, (scratch.path / "gears.Level.data").string(), GameTemplates());
    std::vector<LevelRecord> records;
    ASSERT_EQ(LevelReader::Read((scratch.path / "gears.Level.data").string(), records),
              ReadStatus::Complete);
    ASSERT_EQ(records.size(), 2u);
    for (const auto& [record, radius, scale] :
         {std::tuple{&records[0], 4.5f, 4.5f}, std::tuple{&records[1], 2.5f, 2.5f}}) {
        SCOPED_TRACE(record->name);
        const GearCollider* gear = nullptr;
        const Transform* transform = nullptr;
        for (const auto& [type, component] : record->components) {
            if (type == ComponentType::GearCollider) {
                gear = static_cast<const GearCollider*>(component.get());
            } else if (type == ComponentType::Transform) {
                transform = static_cast<const Transform*>(component.get());
            }
        }
        ASSERT_NE(gear, nullptr);
        ASSERT_NE(transform, nullptr);
        EXPECT_EQ(gear->GearColliderFullRadius, radius);
        EXPECT_EQ(transform->scale.x, scale);
        EXPECT_EQ(transform->scale.y, scale);
    }
}

TEST(LevelToolTest, BadInputIsNamedByFileLineAndKey) {
    const ScratchFolder scratch;
    const Templates templates = GameTemplates();
    const std::pair<std::string, std::string> cases[] = {
        {"[[object]]\nname = \"a\"\nRigidBody = { Gravity = 1 }\n",
         "bad.toml:3: object 1.RigidBody.Gravity: true or false"},
        {"[[object]]\n\n[[object]]\nTransform = { Scael = [1, 1, 1] }\n",
         "bad.toml:4: object 2.Transform.Scael: no such field"},
        {"[[object]]\nSpriteText = { Text = \"Hello, world\" }\n",
         "bad.toml:2: object 1.SpriteText.Text"},
        {"[[object]]\ntemplate = \"gear:nonesuch\"\n", "bad.toml:1: template: no template"},
        {"[[object]]\nname = \"a\n", "bad.toml:2: "},
    };
    for (const auto& [text, message] : cases) {
        const std::string source = scratch.Write("bad.toml", text);
        try {
            LevelTool::Compile(source, (scratch.path / "bad.Level.data").string(), templates);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const LevelSourceError& error) {
            EXPECT_THAT(error.what(), testing::HasSubstr(message));
        }
        EXPECT_FALSE(fs::exists(scratch.path / "bad.Level.data"));
    }

    const std::string table = scratch.Write("gears.tsv",
                                            "picture\tfull_radius\tbelly_radius\tteeth\tscale\n"
                                            "gearSmall\t2\t1.5\t8\t2\n"
                                            "gearOdd\t2\tbig\t8\t2\n");
    EXPECT_THROW(
        try { Templates::Load(ContentTemplates(), table); } catch (const LevelSourceError& e) {
            EXPECT_THAT(e.what(), testing::HasSubstr("gears.tsv:3: belly_radius"));
            throw;
        },
        LevelSourceError);

    const ProgramRun run = RunWithErrors(std::string(VELMORA_LEVEL_PROGRAM) + " compile " +
                                         scratch.Write("bad.toml", "[[object]]\nname = 5\n") + " " +
                                         (scratch.path / "out.Level.data").string());
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.output, testing::HasSubstr("bad.toml:2: object 1.name: a text"));
}

}  // namespace

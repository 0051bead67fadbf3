#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <SOIL/SOIL.h>
#include <gtest/gtest.h>

#include "Core/ContentFile.h"
#include "Core/Engine.h"
#include "audio/Sound.h"
#include "audio/SoundFile.h"
#include "systems/AssetLists.h"
#include "systems/SoundSystem.h"
#include "systems/SoundTable.h"

namespace {

namespace fs = std::filesystem;

// The entries of an asset list, read as the game reads them.
std::vector<std::string> Entries(const std::string& list) {
    ContentFile file(list);
    std::vector<std::string> entries;
    std::string line;
    while (file.ReadLine(line)) {
        const std::string entry = AssetLists::EntryOf(line);
        if (!entry.empty()) {
            entries.push_back(ContentFile::Resolve(entry));
        }
    }
    return entries;
}

std::vector<std::string> Pictures() {
    std::vector<std::string> paths;
    for (const std::string& entry : Entries(AssetLists::SpriteList)) {
        paths.push_back(AssetLists::ImageFolder + entry);
    }
    return paths;
}

std::vector<std::string> Sounds() {
    std::vector<std::string> paths;
    for (const std::string& entry : Entries(AssetLists::SoundList)) {
        paths.push_back(AssetLists::SoundFolder + entry);
    }
    return paths;
}

// Every sample of a sound, per channel, decoded by the game's own sound layer.
std::vector<std::vector<float>> Decode(const std::string& path) {
    std::unique_ptr<audio::SoundFile> file;
    if (audio::SoundFile::Open(path, &file) != audio::Result::Ok) {
        ADD_FAILURE() << path << " does not open";
        return {};
    }
    const int channels = file->Channels();
    std::vector<float> frames(static_cast<size_t>(file->Frames() * channels));
    const long long read = file->Read(frames.data(), file->Frames());
    std::vector<std::vector<float>> samples(static_cast<size_t>(channels));
    for (long long i = 0; i < read; ++i) {
        for (int c = 0; c < channels; ++c) {
            samples[static_cast<size_t>(c)].push_back(
                frames[static_cast<size_t>(i * channels + c)]);
        }
    }
    return samples;
}

// The tests run in the content folder, as the game does.
class ContentAssetsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::chdir(VELMORA_CONTENT_FOLDER), 0); }
};

TEST_F(ContentAssetsTest, EveryListedPictureAndSoundIsThereAndReadsAsTheGameNeeds) {
    const std::vector<std::string> pictures = Pictures();
    const std::vector<std::string> sounds = Sounds();
    ASSERT_FALSE(pictures.empty());
    ASSERT_FALSE(sounds.empty());
    for (const std::string& path : pictures) {
        int width = 0;
        int height = 0;
        int channels = 0;
        unsigned char* pixels =
            SOIL_load_image(path.c_str(), &width, &height, &channels, SOIL_LOAD_RGBA);
        ASSERT_NE(pixels, nullptr) << path << ": " << SOIL_last_result();
        SOIL_free_image_data(pixels);
        EXPECT_GT(width, 0) << path;
        EXPECT_GT(height, 0) << path;
        EXPECT_EQ(channels, 4) << path << " is not stored as RGBA";
    }

    ::setenv("ALSOFT_DRIVERS", "null", 0);
    auto system = std::make_shared<SoundSystem>();
    Engine::Instance().AddSystem(system);
    system->Initialize();
    for (const std::string& path : sounds) {
        const SoundSystem::SoundKind kind = SoundSystem::KindOf(path);
        EXPECT_NE(kind, SoundSystem::SoundKind::Untagged) << path << " has no kind in its name";
        auto [name, cell] = system->LoadSound(path);
        ASSERT_NE(cell->sound, nullptr) << path << " does not load";
        EXPECT_EQ(cell->sound->IsStream(), kind == SoundSystem::SoundKind::Music) << path;
        unsigned length = 0;
        cell->sound->GetLength(&length);
        EXPECT_GT(length, 0u) << path;
        system->AddToTable(name, std::move(cell));
    }
    Engine::Instance().Shutdown();
}

struct GearRow {
    std::string picture;
    float full = 0.0f;
    float belly = 0.0f;
    int teeth = 0;
    float scale = 0.0f;
};

std::vector<GearRow> GearTable() {
    std::ifstream file(VELMORA_GEAR_TABLE);
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "picture\tfull_radius\tbelly_radius\tteeth\tscale");
    std::vector<GearRow> rows;
    while (std::getline(file, line)) {
        GearRow row;
        std::istringstream fields(line);
        if (fields >> row.picture >> row.full >> row.belly >> row.teeth >> row.scale) {
            rows.push_back(row);
        }
    }
    return rows;
}

// A gear's picture is drawn over -scale..scale, its first row at the bottom: the alpha at a
// point given by its angle and radius in world units from the centre.
class GearPicture {
public:
    explicit GearPicture(const GearRow& row) : row(row) {
        const std::string path = std::string(AssetLists::ImageFolder) + row.picture + ".png";
        pixels = SOIL_load_image(path.c_str(), &width, &height, nullptr, SOIL_LOAD_RGBA);
    }
    ~GearPicture() { SOIL_free_image_data(pixels); }
    bool Loaded() const { return pixels != nullptr; }

    int Alpha(double angle, double radius) const {
        const double x = radius * std::cos(angle) / row.scale;
        const double y = radius * std::sin(angle) / row.scale;
        const int column = std::clamp(static_cast<int>((x + 1.0) / 2.0 * width), 0, width - 1);
        const int line = std::clamp(static_cast<int>((y + 1.0) / 2.0 * height), 0, height - 1);
        return pixels[4 * (line * width + column) + 3];
    }

private:
    GearRow row;
    int width = 0;
    int height = 0;
    unsigned char* pixels = nullptr;
};

TEST_F(ContentAssetsTest, EveryAnimationOfTheLevelsShowsListedPicturesOnly) {
    std::vector<std::string> listed;
    for (const std::string& entry : Entries(AssetLists::SpriteList)) {
        listed.emplace_back(ContentFile::FileNamePart(entry));
    }
    const std::string key = "string AnimationList = \"";
    int animations = 0;
    for (const auto& level : fs::directory_iterator("TandrelLevelDesigner/Content")) {
        ContentFile file(level.path().string());
        std::string line;
        while (file.ReadLine(line)) {
            const std::size_t at = line.find(key);
            if (at == std::string::npos) {
                continue;
            }
            const std::size_t start = at + key.size();
            const std::string list =
                "Gameplay/" + line.substr(start, line.find('"', start) - start);
            ContentFile frames(list);
            ASSERT_TRUE(frames.IsOpen()) << level.path() << " names " << list;
            std::string frame;
            int count = 0;
            while (frames.ReadLine(frame)) {
                ++count;
                EXPECT_NE(std::find(listed.begin(), listed.end(), frame), listed.end())
                    << list << " line " << count << ": \"" << frame << "\" is no listed picture";
            }
            EXPECT_GT(count, 0) << list;
            ++animations;
        }
    }
    EXPECT_GT(animations, 0);
}

TEST_F(ContentAssetsTest, GearPicturesHaveTheirTeethWhereTheCollidersHaveThem) {
    const std::vector<GearRow> rows = GearTable();
    ASSERT_GE(rows.size(), 8u);
    for (const GearRow& row : rows) {
        GearPicture picture(row);
        ASSERT_TRUE(picture.Loaded()) << row.picture;
        const double pitch = 2.0 * std::numbers::pi / row.teeth;
        const double depth = row.full - row.belly;
        for (int i = 0; i < row.teeth; ++i) {
            const double tip = i * pitch;
            const double gap = tip + pitch / 2.0;
            // Tips reach the full radius at the collider's tooth angles, and no further.
            EXPECT_GT(picture.Alpha(tip, row.full - 0.06 * depth), 200)
                << row.picture << " tooth " << i;
            if (row.scale > row.full * 1.02f) {
                EXPECT_LT(picture.Alpha(tip, row.full * 1.02), 50) << row.picture << " tooth " << i;
            }
            // The gaps are open down to the belly radius and closed below it.
            EXPECT_LT(picture.Alpha(gap, row.full - 0.06 * depth), 50)
                << row.picture << " gap " << i;
            EXPECT_LT(picture.Alpha(gap, row.belly + 0.25 * depth), 50)
                << row.picture << " gap " << i;
            EXPECT_GT(picture.Alpha(gap, row.belly - 0.1 * depth), 200)
                << row.picture << " gap " << i;
        }
    }
}

double Decibels(double level) {
    return 20.0 * std::log10(std::max(level, 1e-9));
}

TEST_F(ContentAssetsTest, NoSoundClipsAndAllStandAtOneLoudness) {
    for (const std::string& path : Sounds()) {
        const std::vector<std::vector<float>> channels = Decode(path);
        ASSERT_FALSE(channels.empty()) << path;
        const int window = 2205;  // 50 ms at 44.1 kHz
        double peak = 0.0;
        double loudest = 0.0;
        for (const std::vector<float>& samples : channels) {
            for (size_t start = 0; start < samples.size(); start += window) {
                const size_t end = std::min(samples.size(), start + window);
                double sum = 0.0;
                for (size_t n = start; n < end; ++n) {
                    sum += static_cast<double>(samples[n]) * samples[n];
                    peak = std::max(peak, static_cast<double>(std::abs(samples[n])));
                }
                loudest = std::max(loudest, std::sqrt(sum / window));
            }
        }
        EXPECT_LT(Decibels(peak), -0.5) << path << " clips";
        // Effects stand at -14 dBFS and music at -16 in their loudest 50 ms.
        EXPECT_NEAR(Decibels(loudest), -15.0, 2.5) << path;
    }
}

TEST_F(ContentAssetsTest, EveryMusicTrackLoopsWithoutAJump) {
    int tracks = 0;
    for (const std::string& path : Sounds()) {
        if (SoundSystem::KindOf(path) != SoundSystem::SoundKind::Music) {
            continue;
        }
        ++tracks;
        for (const std::vector<float>& samples : Decode(path)) {
            ASSERT_GT(samples.size(), 44100u) << path;
            std::vector<float> steps;
            for (size_t n = 1; n < samples.size(); ++n) {
                steps.push_back(std::abs(samples[n] - samples[n - 1]));
            }
            // The ordinary step: what 99 in 100 steps of the track stay within.
            const std::size_t ordinaryAt = steps.size() * 99 / 100;
            std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(ordinaryAt),
                             steps.end());
            const float ordinary = steps[ordinaryAt];
            EXPECT_LE(std::abs(samples.front() - samples.back()), ordinary) << path;
        }
    }
    EXPECT_GE(tracks, 5);
}

}  // namespace

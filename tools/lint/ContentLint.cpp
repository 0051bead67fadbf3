#include "ContentLint.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <system_error>

#include "Core/ContentFile.h"
#include "Core/FixedNames.h"
#include "Core/LevelLine.h"
#include "Core/LevelList.h"
#include "Core/LevelLoader.h"
#include "components/Animation.h"
#include "components/BombGear.h"
#include "components/Button.h"
#include "components/Camera.h"
#include "components/LevelKeys.h"
#include "components/ParticleEmmiter.h"
#include "components/TeleporterGear.h"
#include "components/WinController.h"
#include "systems/MenuList.h"
#include "systems/SoundSystem.h"
#include "systems/UnlockSave.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* LevelListPath = "Gameplay/Levels.txt";
// Where an animation's frame list lives.
constexpr const char* FrameListFolder = "Gameplay/";
// Levels name pictures without the extension the registry holds them under.
constexpr const char* PictureExtension = ".png";

// The keys whose values name pictures, sounds and levels.
constexpr std::string_view SpriteSourceKey = "string SpriteSource";
constexpr std::string_view NotSelectedKey = "string NotSelectedFileName";
constexpr std::string_view SelectedKey = "string SelectedFileName";
constexpr std::string_view AnimationListKey = "string AnimationList";
constexpr std::string_view SoundKey = "string SoundFileName";
constexpr std::string_view WinLevelKey = "string WinLevel = ";
constexpr std::string_view ParticleSectionKey = "ParticleEmitterComponent = ";
constexpr std::string_view ParticleTextureKey = "string ParticleTextureFilename = ";
constexpr std::string_view FarPlaneKey = "float CameraComponentFarPlane = ";

// Each menu's button list names buttons of one screen.
struct Menu {
    const MenuFile& file;
    const char* screen;
};
const Menu Menus[] = {
    {LevelSelectMenu, ScreenName::LevelSelect},
    {PauseMenu, ScreenName::PauseMenu},
    {OptionsMenu, ScreenName::Options},
};

// What the rules of a playable level look for by name in it, and the component they use.
struct RequiredObject {
    const char* name;
    const char* role;
    ComponentType component;
    const char* section;
};
constexpr RequiredObject RequiredObjects[] = {
    {ObjectName::Camera, "the camera", ComponentType::Camera, "CameraComponent"},
    {ObjectName::Player, "the player", ComponentType::None, ""},
    {ObjectName::Blast, "the lose blast", ComponentType::None, ""},
    {ObjectName::Fade, "the fade", ComponentType::None, ""},
    {ObjectName::Gauge, "the boost gauge", ComponentType::None, ""},
    {ObjectName::BackgroundMusic, "the level's music", ComponentType::SoundEmitter,
     "SoundEmitterComponent"},
};

// The game's readers report what they cannot read on standard output; the findings say it
// with the file and line.
class QuietOutput {
public:
    QuietOutput() : kept(std::cout.rdbuf(sink.rdbuf())) {}
    ~QuietOutput() { std::cout.rdbuf(kept); }
    QuietOutput(const QuietOutput&) = delete;
    QuietOutput& operator=(const QuietOutput&) = delete;

private:
    std::ostringstream sink;
    std::streambuf* kept;
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Many levels can share one file (a level still being written uses a stand-in): the first
// few names are enough to find it.
std::string PlayableLevels(const std::vector<std::string>& names) {
    constexpr std::size_t MostNamed = 3;
    std::string text = names.size() == 1 ? "playable level " : "playable levels ";
    for (std::size_t i = 0; i < names.size() && i < MostNamed; ++i) {
        text += (i == 0 ? "" : ", ") + names[i];
    }
    if (names.size() > MostNamed) {
        text += " and " + std::to_string(names.size() - MostNamed) + " more";
    }
    return text;
}

bool HasComponent(const LevelRecord& record, ComponentType type) {
    for (const auto& [held, component] : record.components) {
        if (held == type) {
            return true;
        }
    }
    return false;
}

bool IsStateLine(const std::string& line) {
    return line == UnlockSave::LockedLine || line == UnlockSave::UnlockedLine;
}

// A name of the level list written in other letter case, which the list does not find.
std::string ListedIgnoringCase(const std::string& name) {
    for (const auto& [listed, file] : LevelList::Entries()) {
        if (ContentFile::SameIgnoringCase(listed, name)) {
            return listed;
        }
    }
    return {};
}

}  // namespace

LintFindings ContentLint::Run() {
    const QuietOutput quiet;
    InstallLevelKeys();
    ContentLint lint;
    lint.CheckLevelList();
    lint.CheckUnlistedLevelFiles();
    for (const auto& [file, level] : lint.levels) {
        lint.CheckLevelFile(*level);
    }
    lint.CheckMenus();
    lint.CheckSave();
    lint.CheckPlayableLevels();
    return std::move(lint.findings);
}

ContentLint::ContentLint()
    : keyHint(ComponentLevelKeys()), levelList(ContentFile::Resolve(LevelListPath)) {}

void ContentLint::CheckLevelList() {
    ContentFile list(LevelListPath);
    if (!list.IsOpen()) {
        findings.Error(levelList, 0, "the level list cannot be read: the game opens no level");
        return;
    }
    LevelList::Read(LevelListPath);
    std::string line;
    for (std::int64_t number = 1; list.ReadLine(line); ++number) {
        // The name is the text before the line's first comma; the first line of a name counts.
        listLines.emplace(line.substr(0, line.find(',')), number);
    }

    for (const auto& [name, fileName] : LevelList::Entries()) {
        // A blank line lists the empty name, which nothing loads.
        if (name.empty()) {
            continue;
        }
        const std::string path = LevelPath(fileName);
        const std::string file = ContentFile::Resolve(path);
        if (levels.count(file) == 0) {
            auto level = std::make_unique<ScannedLevel>(path);
            if (level->status == ReadStatus::CannotOpen) {
                findings.Error(
                    levelList, listLines[name],
                    "level " + Quoted(name) + " has no level file: " + file + " is missing");
                continue;
            }
            levels.emplace(file, std::move(level));
        }
        std::error_code error;
        listedFiles.insert(fs::canonical(file, error).string());
    }
}

void ContentLint::CheckUnlistedLevelFiles() {
    // Without a list every file would be unlisted; the list's own finding says enough.
    if (LevelList::Entries().empty()) {
        return;
    }
    const fs::path example(LevelPath(""));
    const std::string ending = example.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(ContentFile::Resolve(example.parent_path().string()), error),
         end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const bool isLevel =
            name.size() > ending.size() &&
            ContentFile::SameIgnoringCase(
                std::string_view(name).substr(name.size() - ending.size()), ending);
        std::error_code unresolved;
        if (isLevel && listedFiles.count(fs::canonical(it->path(), unresolved).string()) == 0) {
            findings.Warning(it->path().string(), 0,
                             "no level of " + levelList + " uses this file");
        }
    }
}

void ContentLint::CheckLevelFile(const ScannedLevel& level) {
    const std::string& file = level.file;
    if (level.status == ReadStatus::EndsInHeader) {
        findings.Error(file, 0,
                       "the file ends inside the level editor's header of " +
                           std::to_string(LevelReader::EditorHeaderLines) +
                           " lines: the game reads no object from it");
    } else if (level.status == ReadStatus::EndsEarly) {
        findings.Error(file, level.lastLine,
                       "the level reader stops here without the level's closing brace: the "
                       "object still open is lost");
    }
    for (const ScannedLevel::KeyLine& key : level.keyLines) {
        if (key.type == ComponentType::Sprite && key.key == SpriteSourceKey) {
            CheckPicture(file, key.number, LevelLine::ColonText(key.text) + PictureExtension,
                         "the sprite");
        } else if (key.type == ComponentType::Button &&
                   (key.key == NotSelectedKey || key.key == SelectedKey)) {
            CheckPicture(file, key.number, LevelLine::QuotedText(key.text) + PictureExtension,
                         "the button");
        } else if (key.type == ComponentType::Animation && key.key == AnimationListKey) {
            CheckFrameList(file, key.number, LevelLine::QuotedText(key.text));
        } else if (key.type == ComponentType::SoundEmitter && key.key == SoundKey) {
            CheckSound(file, key.number, LevelLine::QuotedText(key.text));
        } else if (key.type == ComponentType::WinController && key.key == WinLevelKey) {
            const std::string target = LevelLine::QuotedText(key.text);
            if (!target.empty() && LevelList::Entries().count(target) == 0) {
                const std::string other = ListedIgnoringCase(target);
                findings.Error(
                    file, key.number,
                    "WinLevel " + Quoted(target) + " names no level of " + levelList +
                        (other.empty() ? ""
                                       : " (it lists " + Quoted(other) + ": letter case counts)"));
            }
        }
    }
    for (const LevelRecord& record : level.records) {
        if (const auto* emitter = ScannedLevel::ComponentOf<ParticleEmmiter>(record)) {
            std::int64_t line =
                level.LineOf(record, ComponentType::ParticleEmmiter, ParticleTextureKey);
            if (line == 0) {
                line = level.LineOf(record, ComponentType::ParticleEmmiter, ParticleSectionKey);
            }
            CheckPicture(file, line, emitter->ParticleTextureFilename, "the particle emitter");
        }
        if (const auto* win = ScannedLevel::ComponentOf<WinController>(record);
            win != nullptr && win->LoadAsLevel && !win->WinLevel.empty()) {
            AddPlayable(win->WinLevel);
        }
    }
    for (const ScannedLevel::IgnoredLine& ignored : level.ignored) {
        const std::string hint = keyHint.For(ignored.text);
        if (!hint.empty()) {
            findings.Warning(file, ignored.number,
                             "the level reader ignores this line; did you mean " + hint + "?");
        }
    }
}

void ContentLint::CheckPicture(const std::string& file, std::int64_t line, const std::string& name,
                               const std::string& user) {
    if (!assets.spriteListRead) {
        return;
    }
    const AssetIndex::Entry* entry = assets.Picture(name);
    if (entry == nullptr) {
        findings.Error(
            file, line,
            "picture " + Quoted(name) + " of " + user + " is not in " + assets.spriteList);
    } else if (!entry->fileExists) {
        findings.Error(file, line,
                       "picture " + Quoted(name) + " of " + user + " has no file: " +
                           ContentFile::Resolve(entry->path) + " (" + assets.spriteList + " line " +
                           std::to_string(entry->line) + ") is missing");
    }
}

void ContentLint::CheckSound(const std::string& file, std::int64_t line, const std::string& name) {
    if (!assets.soundListRead) {
        return;
    }
    const AssetIndex::Entry* entry = assets.Sound(name);
    if (entry == nullptr) {
        findings.Error(file, line, "sound " + Quoted(name) + " is not in " + assets.soundList);
        return;
    }
    const std::string where = assets.soundList + " line " + std::to_string(entry->line);
    if (SoundSystem::KindOf(entry->path) == SoundSystem::SoundKind::Untagged) {
        findings.Error(file, line,
                       "sound " + Quoted(name) + " (" + where +
                           ") is never loaded: its name holds neither \"music\" nor \"effect\"");
    } else if (!entry->fileExists) {
        findings.Error(file, line,
                       "sound " + Quoted(name) + " has no file: " +
                           ContentFile::Resolve(entry->path) + " (" + where + ") is missing");
    }
}

void ContentLint::CheckFrameList(const std::string& file, std::int64_t line,
                                 const std::string& list) {
    const std::string path = FrameListFolder + list;
    const std::string shown = ContentFile::Resolve(path);
    if (list.empty() || !ContentFile(path).IsOpen()) {
        findings.Error(file, line, "the animation's frame list " + shown + " is missing");
        return;
    }
    if (!checkedFrameLists.insert(shown).second) {
        return;
    }
    // The frames as the animation itself reads them.
    Animation animation;
    animation.AnimationList = list;
    animation.Initialize();
    if (animation.frames.empty()) {
        findings.Error(shown, 0, "the frame list holds no frame: the animation shows nothing");
    }
    for (std::size_t i = 0; i < animation.frames.size(); ++i) {
        CheckPicture(shown, static_cast<std::int64_t>(i + 1), animation.frames[i],
                     "the animation frame");
    }
}

void ContentLint::CheckMenus() {
    for (const Menu& menu : Menus) {
        ContentFile list(menu.file.path);
        const std::string shown = ContentFile::Resolve(menu.file.path);
        if (!list.IsOpen()) {
            findings.Error(shown, 0,
                           "the button list of screen " + Quoted(menu.screen) +
                               " is missing: the menu has no buttons");
            continue;
        }
        const ScannedLevel* screen = LevelNamed(menu.screen);
        if (screen == nullptr) {
            if (LevelList::Entries().count(menu.screen) == 0) {
                findings.Error(shown, 0,
                               "its screen " + Quoted(menu.screen) + " is not in " + levelList);
            }
            continue;
        }
        std::string name;
        for (std::int64_t number = 1; list.ReadLine(name); ++number) {
            const LevelRecord* object = screen->Find(name);
            const std::string where =
                " of screen " + Quoted(menu.screen) + " (" + screen->file + ")";
            if (object == nullptr) {
                findings.Error(shown, number, "no object " + Quoted(name) + where);
            } else if (ScannedLevel::ComponentOf<Button>(*object) == nullptr) {
                findings.Error(shown, number,
                               "object " + Quoted(name) + where + " has no ButtonComponent");
            }
        }
    }
}

void ContentLint::CheckSave() {
    const std::string shown = ContentFile::Resolve(UnlockSave::DefaultSave);
    ContentFile save(UnlockSave::DefaultSave);
    if (!save.IsOpen()) {
        findings.Error(shown, 0, "the default save is missing: every level counts as locked");
    }
    std::ostringstream text;
    text << save.Text().rdbuf();
    const std::vector<std::string> lines = UnlockSave::Lines(text.str());
    std::map<std::string, std::int64_t> entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto number = static_cast<std::int64_t>(i + 1);
        if (IsStateLine(lines[i])) {
            findings.Error(shown, number, "a state line without the entry's name before it");
        } else if (i + 1 < lines.size() && IsStateLine(lines[i + 1])) {
            entries.emplace(lines[i], number);
            ++i;
        } else {
            findings.Error(shown, number,
                           "entry " + Quoted(lines[i]) +
                               " is not followed by its state line, \"unlocked 0\" or "
                               "\"unlocked 1\"");
        }
    }

    // The level selection's buttons (those its menu list names), by their identity.
    const ScannedLevel* select = LevelNamed(ScreenName::LevelSelect);
    std::map<std::string, std::int64_t> buttons;
    if (select != nullptr) {
        ContentFile menu(LevelSelectMenu.path);
        for (std::string name; menu.ReadLine(name);) {
            const LevelRecord* object = select->Find(name);
            const Button* button =
                object == nullptr ? nullptr : ScannedLevel::ComponentOf<Button>(*object);
            if (button == nullptr) {
                continue;
            }
            buttons.emplace(button->NotSelectedFileName,
                            select->LineOf(*object, ComponentType::Button, NotSelectedKey));
            AddPlayable(button->NotSelectedFileName);
        }
    }
    if (!save.IsOpen()) {
        return;
    }
    for (const auto& [name, number] : entries) {
        AddPlayable(name);
        if (LevelList::Entries().count(name) == 0) {
            findings.Error(shown, number,
                           "entry " + Quoted(name) + " is not a level of " + levelList +
                               ": opening it opens an empty level");
        }
        if (select != nullptr && buttons.count(name) == 0) {
            findings.Error(shown, number,
                           "entry " + Quoted(name) + " has no level-selection button in screen " +
                               Quoted(ScreenName::LevelSelect));
        }
    }
    for (const auto& [identity, number] : buttons) {
        if (entries.count(identity) == 0) {
            findings.Error(select->file, number,
                           "level-selection button " + Quoted(identity) + " has no entry in " +
                               shown + ": it is never unlocked");
        }
    }
}

void ContentLint::CheckPlayableLevels() {
    // A file many playable levels share is checked once for all of them.
    std::map<std::string, std::vector<std::string>> namesByFile;
    for (const std::string& name : playable) {
        if (const ScannedLevel* level = LevelNamed(name)) {
            namesByFile[level->file].push_back(name);
        }
    }
    for (const auto& [file, names] : namesByFile) {
        CheckPlayableLevel(*levels.at(file), names);
    }
}

void ContentLint::CheckPlayableLevel(const ScannedLevel& level,
                                     const std::vector<std::string>& names) {
    const std::string& file = level.file;
    const std::string in = " in " + PlayableLevels(names);
    for (const RequiredObject& required : RequiredObjects) {
        const LevelRecord* object = level.Find(required.name);
        if (object == nullptr) {
            findings.Error(file, 0,
                           std::string("no object ") + Quoted(required.name) + ", " +
                               required.role + "," + in);
        } else if (required.component != ComponentType::None &&
                   !HasComponent(*object, required.component)) {
            findings.Error(file, level.NameLine(*object),
                           std::string(required.role) + " " + Quoted(required.name) + " has no " +
                               required.section + in);
        }
    }

    const LevelRecord* goal = level.Find(ObjectName::Goal);
    const auto* win = goal == nullptr ? nullptr : ScannedLevel::ComponentOf<WinController>(*goal);
    if (goal == nullptr) {
        findings.Error(file, 0, "no object \"winBear\", the goal," + in + ": it cannot be won");
    } else if (win == nullptr || win->WinLevel.empty()) {
        findings.Error(file, level.NameLine(*goal),
                       "the goal \"winBear\" has no WinComponent with a WinLevel" + in +
                           ": winning opens nothing");
    }

    bool sends = false;
    const LevelRecord* bomb = nullptr;
    for (const LevelRecord& record : level.records) {
        const auto* teleporter = ScannedLevel::ComponentOf<TeleporterGear>(record);
        sends = sends || (teleporter != nullptr && teleporter->Sander);
        if (bomb == nullptr && ScannedLevel::ComponentOf<BombGear>(record) != nullptr) {
            bomb = &record;
        }
    }
    if (!sends) {
        findings.Error(file, 0,
                       "no sending teleporter (a TeleporterGear with \"bool Sander = true\")" + in +
                           ": the player never reaches the goal");
    }
    if (bomb != nullptr && level.Find(ObjectName::BoomSound) == nullptr) {
        findings.Error(file, level.NameLine(*bomb),
                       "a bomb gear but no object \"boomSound\", the explosion's sound," + in);
    }

    std::vector<std::string> hinted;
    for (const std::string& name : names) {
        if (name == ScreenName::FirstLevel || name == ScreenName::SecondLevel) {
            hinted.push_back(name);
        }
    }
    if (!hinted.empty() && level.Find(ObjectName::PauseHint) == nullptr) {
        findings.Error(file, 0,
                       "no object \"quitPause\", the pause hint, in " + PlayableLevels(hinted));
    }

    const LevelRecord* cameraObject = level.Find(ObjectName::Camera);
    const auto* camera =
        cameraObject == nullptr ? nullptr : ScannedLevel::ComponentOf<Camera>(*cameraObject);
    if (camera != nullptr && camera->CameraComponentFarPlane == Camera::ArrivedDistance) {
        findings.Error(file, level.LineOf(*cameraObject, ComponentType::Camera, FarPlaneKey),
                       "the camera's CameraComponentFarPlane is -10, where the win zoom ends: " +
                           PlayableLevels(names) + " is won as soon as its intro zoom ends");
    }
}

const ScannedLevel* ContentLint::LevelNamed(const std::string& name) const {
    const auto& entries = LevelList::Entries();
    const auto entry = entries.find(name);
    if (entry == entries.end()) {
        return nullptr;
    }
    const auto level = levels.find(ContentFile::Resolve(LevelPath(entry->second)));
    return level == levels.end() ? nullptr : level->second.get();
}

void ContentLint::AddPlayable(const std::string& name) {
    if (std::find(playable.begin(), playable.end(), name) == playable.end()) {
        playable.push_back(name);
    }
}

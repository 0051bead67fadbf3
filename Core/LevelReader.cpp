#include "Core/LevelReader.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <iostream>
#include <system_error>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/ContentFile.h"
#include "Core/Easing.h"
#include "Core/GameObject.h"
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
#include "systems/SoundTable.h"
#include "systems/TextureRegistry.h"

namespace {

// The level editor writes a header of its own that the game never looks at.
constexpr int HeaderLines = 138;
// Level files place objects at half the scale the game plays them at.
constexpr float TranslationScale = 2.0f;
// Body kinds: breakable by a bomb blast, and any other kind the level names.
constexpr std::int32_t BreakableBody = 5;
constexpr std::int32_t OtherBody = 0;
constexpr std::string_view TextureExtension = ".png";

// Components are initialised in this order, whatever order the file lists them in.
constexpr ComponentType InitializeOrder[] = {
    ComponentType::BoxCollider,
    ComponentType::GearCollider,
    ComponentType::MovingGearCollider,
    ComponentType::InputController,
    ComponentType::RigidBody,
    ComponentType::Animation,
    ComponentType::Camera,
    ComponentType::CollectibleGlow,
    ComponentType::CollectibleMove,
};

// What the reader holds between lines.
struct ReadState {
    // Braces open since the first line after the header. Wide enough for any file that fits in
    // memory, so a file of nothing but opening braces cannot overflow it.
    std::int64_t depth = 0;
    ComponentType type = ComponentType::None;
    std::unique_ptr<Component> component;
    LevelRecord object;
};

bool Contains(std::string_view line, std::string_view key) {
    return line.find(key) != std::string_view::npos;
}

// The text after the first `opener` of the line (or from the start of the line without one) up
// to two characters before the next comma, which drops the closing quote and the comma. Without
// such a comma the text runs to the end of the line.
std::string CutText(std::string_view line, char opener) {
    const std::size_t open = line.find(opener);
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos || comma == start) {
        return std::string(line.substr(start));
    }
    return std::string(line.substr(start, comma - 1 - start));
}

std::string QuotedText(std::string_view line) {
    return CutText(line, '"');
}

std::string ColonText(std::string_view line) {
    return CutText(line, ':');
}

// Reads a number at the front of text, after blanks, and moves text past it. False, leaving
// value alone, when no number can be read there or it is out of the type's range.
template <typename T>
bool ReadNumber(std::string_view& text, T& value) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    if (at + 1 < text.size() && text[at] == '+' && text[at + 1] != '-') {
        ++at;
    }
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    T read{};
    const auto [end, error] = std::from_chars(first, last, read);
    if (error != std::errc()) {
        return false;
    }
    value = read;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

// The number after the first "=" of the line; 0 when there is none or it cannot be read.
template <typename T>
T NumberAfterEquals(std::string_view line) {
    T value{};
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        std::string_view rest = line.substr(equals + 1);
        ReadNumber(rest, value);
    }
    return value;
}

float Number(std::string_view line) {
    return NumberAfterEquals<float>(line);
}

std::int32_t Integer(std::string_view line) {
    return NumberAfterEquals<std::int32_t>(line);
}

// N numbers after the first "[" of the line, each followed by one separator character. A number
// that cannot be read gives 0 for itself and every later one; so does a line without "[".
template <std::size_t N>
std::array<float, N> Vector(std::string_view line) {
    std::array<float, N> values{};
    const std::size_t bracket = line.find('[');
    if (bracket == std::string_view::npos) {
        return values;
    }
    std::string_view rest = line.substr(bracket + 1);
    for (float& value : values) {
        if (!ReadNumber(rest, value)) {
            break;
        }
        if (!rest.empty()) {
            rest.remove_prefix(1);
        }
    }
    return values;
}

glm::vec3 Vec3(std::string_view line) {
    const auto v = Vector<3>(line);
    return {v[0], v[1], v[2]};
}

glm::vec4 Vec4(std::string_view line) {
    const auto v = Vector<4>(line);
    return {v[0], v[1], v[2], v[3]};
}

// The easing named in the line. Names that contain others are looked for first, so that
// "InOutQuad" is not taken for "OutQuad"; a line naming none selects Linear.
EasingFunction EasingNamed(std::string_view line) {
    constexpr std::pair<std::string_view, EasingFunction> names[] = {
        {"InOutQuad", Easing::InOutQuad}, {"InOutBack", Easing::InOutBack},
        {"OutQuad", Easing::OutQuad},     {"OutBack", Easing::OutBack},
        {"InQuad", Easing::InQuad},       {"InBack", Easing::InBack},
        {"Linear", Easing::Linear},
    };
    for (const auto& [name, easing] : names) {
        if (Contains(line, name)) {
            return easing;
        }
    }
    return Easing::Linear;
}

// The open component as class T, or null when the open section is of another class or none.
template <typename T>
T* Open(ReadState& state) {
    return state.type == T::Type ? static_cast<T*>(state.component.get()) : nullptr;
}

// Component sections: a line holding the key opens a new component of the class.
struct Section {
    std::string_view key;
    ComponentType type;
    std::unique_ptr<Component> (*make)();
};

template <typename T>
std::unique_ptr<Component> Make() {
    return std::make_unique<T>();
}

template <typename T>
constexpr Section SectionOf(std::string_view key) {
    return {key, T::Type, &Make<T>};
}

constexpr Section Sections[] = {
    SectionOf<TeleporterGear>("TeleporterGear ="),
    SectionOf<CollectibleMove>("CollectibleMove ="),
    SectionOf<CollectibleGlow>("CollectibleGlow ="),
    SectionOf<Transform>("Transform ="),
    SectionOf<RigidBody>("RigidBodyComponent ="),
    SectionOf<Sprite>("Sprite ="),
    SectionOf<BombGear>("BombGearComponent ="),
    SectionOf<Animation>("AnimationComponent ="),
    SectionOf<SoundEmitter>("SoundEmitterComponent ="),
    SectionOf<Button>("ButtonComponent ="),
    SectionOf<MovingGearCollider>("MovingGearColliderComponent ="),
    SectionOf<GearCollider>("GearColliderComponent ="),
    SectionOf<BoxCollider>("BoxColliderComponent ="),
    SectionOf<InputController>("InputComponent ="),
    SectionOf<Camera>("CameraComponent ="),
    SectionOf<WinController>("WinComponent ="),
    SectionOf<LoseController>("LoseComponent = "),
    SectionOf<ParticleEmmiter>("ParticleEmitterComponent = "),
    SectionOf<PlayerArrow>("ArrowComponent = "),
    SectionOf<MoveComponent>("MoveComponent = "),
    SectionOf<SpriteText>("SpriteTextComponent = "),
};

// Field keys: a line holding the key sets one field of the open component. A key whose class
// is not the open one does nothing.
struct Field {
    std::string_view key;
    void (*apply)(ReadState& state, std::string_view line);
};

template <typename T, float T::*field>
void SetNumber(ReadState& state, std::string_view line) {
    if (T* component = Open<T>(state)) {
        component->*field = Number(line);
    }
}

template <typename T, std::int32_t T::*field>
void SetInteger(ReadState& state, std::string_view line) {
    if (T* component = Open<T>(state)) {
        component->*field = Integer(line);
    }
}

template <typename T, bool T::*field, bool value>
void SetFlag(ReadState& state, std::string_view) {
    if (T* component = Open<T>(state)) {
        component->*field = value;
    }
}

template <typename T, glm::vec3 T::*field>
void SetVec3(ReadState& state, std::string_view line) {
    if (T* component = Open<T>(state)) {
        component->*field = Vec3(line);
    }
}

template <typename T, glm::vec4 T::*field>
void SetVec4(ReadState& state, std::string_view line) {
    if (T* component = Open<T>(state)) {
        component->*field = Vec4(line);
    }
}

template <typename T, std::string T::*field>
void SetText(ReadState& state, std::string_view line) {
    if (T* component = Open<T>(state)) {
        component->*field = QuotedText(line);
    }
}

// Keys that two classes share: "bool Moveable" in a win section is the repeat-start flag.
template <bool value>
void SetMoveable(ReadState& state, std::string_view) {
    if (auto* body = Open<RigidBody>(state)) {
        body->Moveable = value;
    } else if (auto* win = Open<WinController>(state)) {
        win->repeatStart = value;
    }
}

template <bool value>
void SetLoadAsLevel(ReadState& state, std::string_view) {
    if (auto* win = Open<WinController>(state)) {
        win->LoadAsLevel = value;
    } else if (auto* lose = Open<LoseController>(state)) {
        lose->LoadAsLevel = value;
    }
}

template <bool value>
void SetSander(ReadState& state, std::string_view) {
    if (auto* teleporter = Open<TeleporterGear>(state)) {
        teleporter->Sander = value;
    } else if (auto* emitter = Open<ParticleEmmiter>(state)) {
        emitter->Sander = value;
    }
}

template <std::int32_t kind>
void SetBodyType(ReadState& state, std::string_view) {
    if (auto* body = Open<RigidBody>(state)) {
        body->BodyTypeNum = kind;
    }
}

void SetTranslation(ReadState& state, std::string_view line) {
    if (auto* transform = Open<Transform>(state)) {
        const glm::vec3 read = Vec3(line);
        transform->translation =
            glm::vec3(read.x * TranslationScale, read.y * TranslationScale, read.z);
    }
}

// Only the quaternion's third number is kept: levels turn objects about the view axis alone.
void SetRotation(ReadState& state, std::string_view line) {
    if (auto* transform = Open<Transform>(state)) {
        transform->rotation = Vector<3>(line)[2];
    }
}

void SetSpriteSource(ReadState& state, std::string_view line) {
    if (auto* sprite = Open<Sprite>(state)) {
        sprite->texture =
            TextureRegistry::GetTexture(ColonText(line) + std::string(TextureExtension));
    }
}

void SetSound(ReadState& state, std::string_view line) {
    if (auto* emitter = Open<SoundEmitter>(state)) {
        emitter->sound = SoundTable::Find(QuotedText(line));
    }
}

void SetMoveEase(ReadState& state, std::string_view line) {
    if (auto* move = Open<MoveComponent>(state)) {
        move->MoveEase = EasingNamed(line);
    }
}

void AddDestination(ReadState& state, std::string_view line) {
    if (auto* move = Open<MoveComponent>(state)) {
        move->DestPosition.push_back(Vec3(line));
    }
}

constexpr Field Fields[] = {
    {"Vec3 Translation = [", SetTranslation},
    {"Vec3 Scale", SetVec3<Transform, &Transform::scale>},
    {"Quat Rotation = [", SetRotation},
    {"string SpriteSource", SetSpriteSource},
    {"bool SpriteFlipX = true", SetFlag<Sprite, &Sprite::SpriteFlipX, true>},
    {"bool SpriteFlipX = false", SetFlag<Sprite, &Sprite::SpriteFlipX, false>},
    {"bool Visible = true", SetFlag<Sprite, &Sprite::Visible, true>},
    {"bool Visible = false", SetFlag<Sprite, &Sprite::Visible, false>},
    {"Vec4 Color", SetVec4<Sprite, &Sprite::Color>},
    {"string NotSelectedFileName", SetText<Button, &Button::NotSelectedFileName>},
    {"string SelectedFileName", SetText<Button, &Button::SelectedFileName>},
    {"string NotCheckedFileName", SetText<Button, &Button::NotCheckedFileName>},
    {"string CheckedFileName", SetText<Button, &Button::CheckedFileName>},
    {"string SoundFileName", SetSound},
    {"float RotSpeed = ", SetNumber<RigidBody, &RigidBody::RotSpeed>},
    {"bool Gravity = true", SetFlag<RigidBody, &RigidBody::Gravity, true>},
    {"bool Gravity = false", SetFlag<RigidBody, &RigidBody::Gravity, false>},
    {"bool Moveable = true", SetMoveable<true>},
    {"bool Moveable = false", SetMoveable<false>},
    {"float JumpHeight = ", SetNumber<RigidBody, &RigidBody::JumpHeight>},
    {"float Speed = ", SetNumber<RigidBody, &RigidBody::Speed>},
    {"float VelocityCap = ", SetNumber<RigidBody, &RigidBody::VelocityCap>},
    {"float RotationVelocityCap = ", SetNumber<RigidBody, &RigidBody::RotationVelocityCap>},
    {"Enum BodyTypeNum = WoodBox", SetBodyType<BreakableBody>},
    {"Enum BodyTypeNum = MetalBox", SetBodyType<BreakableBody>},
    {"Enum BodyTypeNum = Explosive", SetBodyType<BreakableBody>},
    {"Enum BodyTypeNum = ", SetBodyType<OtherBody>},
    {"Vec3 GearColliderSize = [", SetVec3<GearCollider, &GearCollider::GearColliderSize>},
    {"Vec3 GearColliderOffset = [", SetVec3<GearCollider, &GearCollider::GearColliderOffset>},
    {"Vec3 GearColliderCenter = [", SetVec3<GearCollider, &GearCollider::GearColliderCenter>},
    {"bool GearColliderGhost = true",
     SetFlag<GearCollider, &GearCollider::GearColliderGhost, true>},
    {"bool GearColliderGhost = false",
     SetFlag<GearCollider, &GearCollider::GearColliderGhost, false>},
    {"float GearColliderBellyRadius = ",
     SetNumber<GearCollider, &GearCollider::GearColliderBellyRadius>},
    {"float GearColliderFullRadius = ",
     SetNumber<GearCollider, &GearCollider::GearColliderFullRadius>},
    {"int GearColliderNumTeeth = ", SetInteger<GearCollider, &GearCollider::GearColliderNumTeeth>},
    {"Vec3 MovingGearColliderSize = [",
     SetVec3<MovingGearCollider, &MovingGearCollider::MovingGearColliderSize>},
    {"Vec3 MovingGearColliderOffset = [",
     SetVec3<MovingGearCollider, &MovingGearCollider::MovingGearColliderOffset>},
    {"Vec3 MovingGearColliderCenter = [",
     SetVec3<MovingGearCollider, &MovingGearCollider::MovingGearColliderCenter>},
    {"bool MovingGearColliderGhost = true",
     SetFlag<MovingGearCollider, &MovingGearCollider::MovingGearColliderGhost, true>},
    {"bool MovingGearColliderGhost = false",
     SetFlag<MovingGearCollider, &MovingGearCollider::MovingGearColliderGhost, false>},
    {"float MovingGearColliderBellyRadius = ",
     SetNumber<MovingGearCollider, &MovingGearCollider::MovingGearColliderBellyRadius>},
    {"float MovingGearColliderFullRadius = ",
     SetNumber<MovingGearCollider, &MovingGearCollider::MovingGearColliderFullRadius>},
    {"int MovingGearColliderNumTeeth = ",
     SetInteger<MovingGearCollider, &MovingGearCollider::MovingGearColliderNumTeeth>},
    {"Vec3 BoxColliderSize = [", SetVec3<BoxCollider, &BoxCollider::BoxColliderSize>},
    {"Vec3 BoxColliderOffset = [", SetVec3<BoxCollider, &BoxCollider::BoxColliderOffset>},
    {"Vec3 BoxColliderCenter = [", SetVec3<BoxCollider, &BoxCollider::BoxColliderCenter>},
    {"bool BoxColliderGhost = true", SetFlag<BoxCollider, &BoxCollider::BoxColliderGhost, true>},
    {"bool BoxColliderGhost = false", SetFlag<BoxCollider, &BoxCollider::BoxColliderGhost, false>},
    {"float BoxColliderBreakSpeed = ", SetNumber<BoxCollider, &BoxCollider::BoxColliderBreakSpeed>},
    {"float AnimationComponentSpeed = ", SetNumber<Animation, &Animation::AnimationComponentSpeed>},
    {"bool Loopable = true", SetFlag<Animation, &Animation::Loopable, true>},
    {"bool Loopable = false", SetFlag<Animation, &Animation::Loopable, false>},
    {"string AnimationList", SetText<Animation, &Animation::AnimationList>},
    {"float TimeToExplode = ", SetNumber<BombGear, &BombGear::TimeToExplode>},
    {"bool Alive = true", SetFlag<BombGear, &BombGear::Alive, true>},
    {"bool BombActive = false", SetFlag<BombGear, &BombGear::BombActive, false>},
    {"float MyTime = ", SetNumber<BombGear, &BombGear::MyTime>},
    {"bool MovingCameraX = true", SetFlag<Camera, &Camera::MovingCameraX, true>},
    {"bool MovingCameraX = false", SetFlag<Camera, &Camera::MovingCameraX, false>},
    {"bool MovingCameraY = true", SetFlag<Camera, &Camera::MovingCameraY, true>},
    {"bool MovingCameraY = false", SetFlag<Camera, &Camera::MovingCameraY, false>},
    {"Vec3 CameraScrollSpeed = [", SetVec3<Camera, &Camera::CameraScrollSpeed>},
    {"float CameraComponentFarPlane = ", SetNumber<Camera, &Camera::CameraComponentFarPlane>},
    {"string WinLevel = ", SetText<WinController, &WinController::WinLevel>},
    {"bool LoadAsLevel = true", SetLoadAsLevel<true>},
    {"bool LoadAsLevel = false", SetLoadAsLevel<false>},
    {"string LoseLevel = ", SetText<LoseController, &LoseController::LoseLevel>},
    {"int MaxParticles = ", SetInteger<ParticleEmmiter, &ParticleEmmiter::MaxParticles>},
    {"bool BurstMode = true", SetFlag<ParticleEmmiter, &ParticleEmmiter::BurstMode, true>},
    {"bool BurstMode = false", SetFlag<ParticleEmmiter, &ParticleEmmiter::BurstMode, false>},
    {"bool UseDefaultColor = true",
     SetFlag<ParticleEmmiter, &ParticleEmmiter::UseDefaultColor, true>},
    {"bool UseDefaultColor = false",
     SetFlag<ParticleEmmiter, &ParticleEmmiter::UseDefaultColor, false>},
    {"bool EmitMode = true", SetFlag<ParticleEmmiter, &ParticleEmmiter::EmitMode, true>},
    {"bool EmitMode = false", SetFlag<ParticleEmmiter, &ParticleEmmiter::EmitMode, false>},
    {"bool SpiralMode = true", SetFlag<ParticleEmmiter, &ParticleEmmiter::SpiralMode, true>},
    {"bool SpiralMode = false", SetFlag<ParticleEmmiter, &ParticleEmmiter::SpiralMode, false>},
    {"bool HollowMode = true", SetFlag<ParticleEmmiter, &ParticleEmmiter::HollowMode, true>},
    {"bool HollowMode = false", SetFlag<ParticleEmmiter, &ParticleEmmiter::HollowMode, false>},
    {"float SizeDecrement = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::SizeDecrement>},
    {"float SizeMinimum = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::SizeMinimum>},
    {"float SizeMaximum = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::SizeMaximum>},
    {"float LifeMinimum = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::LifeMinimum>},
    {"float LifeMaximum = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::LifeMaximum>},
    {"float ParticleXVelMin = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::ParticleXVelMin>},
    {"float ParticleXVelMax = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::ParticleXVelMax>},
    {"float ParticleYVelMin = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::ParticleYVelMin>},
    {"float ParticleYVelMax = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::ParticleYVelMax>},
    {"float EmitRadius = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::EmitRadius>},
    {"string ParticleTextureFilename = ",
     SetText<ParticleEmmiter, &ParticleEmmiter::ParticleTextureFilename>},
    {"Vec4 ParticleColor", SetVec4<ParticleEmmiter, &ParticleEmmiter::ParticleColor>},
    {"float TimeToBurst = ", SetNumber<ParticleEmmiter, &ParticleEmmiter::TimeToBurst>},
    {"bool Sander = true", SetSander<true>},
    {"bool Sander = false", SetSander<false>},
    {"Enum MoveEase = ", SetMoveEase},
    {"Vec3 DestPosition", AddDestination},
    {"float MoveTimer = ", SetNumber<MoveComponent, &MoveComponent::MoveTimer>},
    {"float MoveDuration = ", SetNumber<MoveComponent, &MoveComponent::MoveDuration>},
    {"string Text = ", SetText<SpriteText, &SpriteText::Text>},
    {"Vec3 Color = ", SetVec3<SpriteText, &SpriteText::Color>},
    {"float Scale = ", SetNumber<SpriteText, &SpriteText::Scale>},
    {"Vec3 Position = ", SetVec3<SpriteText, &SpriteText::Position>},
};

// Handles one line after the header. True when the line closes the level.
bool HandleLine(ReadState& state, std::string_view line, std::vector<LevelRecord>& records) {
    // A line with a brace is only a brace, even when the brace stands in a string value.
    if (Contains(line, "{")) {
        ++state.depth;
        return false;
    }
    if (Contains(line, "}")) {
        --state.depth;
        if (state.depth == -1) {
            return true;
        }
        if (state.depth == 0) {
            records.push_back(std::move(state.object));
            state.object = LevelRecord{};
        } else if (state.depth == 1 && state.type != ComponentType::None) {
            state.object.components.emplace_back(state.type, std::move(state.component));
            state.type = ComponentType::None;
        }
        return false;
    }
    if (Contains(line, "string Name = ")) {
        state.object.name = QuotedText(line);
        return false;
    }
    for (const Section& section : Sections) {
        if (Contains(line, section.key)) {
            // A header that comes before the open section is closed replaces that section.
            state.component = section.make();
            state.type = section.type;
            return false;
        }
    }
    for (const Field& field : Fields) {
        if (Contains(line, field.key)) {
            field.apply(state, line);
            return false;
        }
    }
    return false;
}

void ReportLine(std::int64_t lineNumber) {
    std::cout << "Error in file at line: " << lineNumber << std::endl;
}

}  // namespace

ReadStatus LevelReader::Read(std::string_view path, std::vector<LevelRecord>& records) {
    ContentFile file(path);
    if (!file.IsOpen()) {
        return ReadStatus::CannotOpen;
    }
    std::string line;
    for (int i = 0; i < HeaderLines; ++i) {
        // A header whose last line has no line end is as short as one that stops earlier.
        if (!file.ReadLine(line) || file.Text().eof()) {
            return ReadStatus::EndsInHeader;
        }
    }

    ReadState state;
    std::int64_t lineNumber = HeaderLines;
    try {
        while (file.ReadLine(line)) {
            ++lineNumber;
            if (HandleLine(state, line, records)) {
                return ReadStatus::Complete;
            }
        }
    } catch (const std::exception&) {
        // The objects closed so far stand; the one being read is lost.
    }
    ReportLine(lineNumber);
    return ReadStatus::EndsEarly;
}

void LevelReader::Build(Space& space) {
    std::vector<LevelRecord> records;
    Read(space.levelPath, records);
    for (LevelRecord& record : records) {
        GameObject* object = space.CreateObject(std::move(record.name));
        space.IndexObject(object);
        for (auto& [type, component] : record.components) {
            component->owner = object;
            object->AddComponent(type, std::move(component));
        }
        for (ComponentType type : InitializeOrder) {
            if (Component* component = object->GetRawComponent(type)) {
                component->Initialize();
            }
        }
    }
}

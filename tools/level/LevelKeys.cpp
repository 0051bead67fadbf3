#include "LevelKeys.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/Easing.h"
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

namespace {

// Level files place objects at half the scale the game plays them at.
constexpr float TranslationScale = 2.0f;
constexpr std::int32_t BreakableBody = 5;
constexpr std::int32_t DefaultBody = 8;
constexpr std::string_view BreakableKinds[] = {"WoodBox", "MetalBox", "Explosive"};
// The name written for a body the file gave some other kind: the reader keeps no more.
constexpr std::string_view OtherKind = "Dynamic";

constexpr std::pair<std::string_view, EasingFunction> Easings[] = {
    {"Linear", Easing::Linear},       {"InQuad", Easing::InQuad}, {"OutQuad", Easing::OutQuad},
    {"InOutQuad", Easing::InOutQuad}, {"InBack", Easing::InBack}, {"OutBack", Easing::OutBack},
    {"InOutBack", Easing::InOutBack},
};

template <typename T>
const T& As(const Component& component) {
    return static_cast<const T&>(component);
}

template <typename T, bool T::*field>
FieldValue GetFlag(const Component& component, const LoadedNames&) {
    return As<T>(component).*field;
}

template <typename T, float T::*field>
FieldValue GetNumber(const Component& component, const LoadedNames&) {
    return As<T>(component).*field;
}

template <typename T, std::int32_t T::*field>
FieldValue GetInteger(const Component& component, const LoadedNames&) {
    return As<T>(component).*field;
}

template <typename T, glm::vec3 T::*field>
FieldValue GetVec3(const Component& component, const LoadedNames&) {
    const glm::vec3& v = As<T>(component).*field;
    return std::vector<float>{v.x, v.y, v.z};
}

template <typename T, glm::vec4 T::*field>
FieldValue GetVec4(const Component& component, const LoadedNames&) {
    const glm::vec4& v = As<T>(component).*field;
    return std::vector<float>{v.x, v.y, v.z, v.w};
}

template <typename T, std::string T::*field>
FieldValue GetText(const Component& component, const LoadedNames&) {
    return As<T>(component).*field;
}

FieldValue GetTranslation(const Component& component, const LoadedNames&) {
    const glm::vec3& v = As<Transform>(component).translation;
    return std::vector<float>{v.x / TranslationScale, v.y / TranslationScale, v.z};
}

FieldValue GetRotation(const Component& component, const LoadedNames&) {
    return As<Transform>(component).rotation;
}

FieldValue GetPicture(const Component& component, const LoadedNames& names) {
    const auto found = names.pictures.find(As<Sprite>(component).texture.ID);
    if (found == names.pictures.end()) {
        return std::monostate{};
    }
    return found->second;
}

FieldValue GetSound(const Component& component, const LoadedNames& names) {
    const auto found = names.sounds.find(As<SoundEmitter>(component).sound);
    if (found == names.sounds.end()) {
        return std::monostate{};
    }
    return found->second;
}

FieldValue GetBodyType(const Component& component, const LoadedNames&) {
    const std::int32_t kind = As<RigidBody>(component).BodyTypeNum;
    if (kind == DefaultBody) {
        return std::monostate{};
    }
    return std::string(kind == BreakableBody ? BreakableKinds[0] : OtherKind);
}

FieldValue GetEase(const Component& component, const LoadedNames&) {
    for (const auto& [name, easing] : Easings) {
        if (As<MoveComponent>(component).MoveEase == easing) {
            return std::string(name);
        }
    }
    return std::monostate{};
}

FieldValue GetWaypoints(const Component& component, const LoadedNames&) {
    Waypoints points;
    for (const glm::vec3& v : As<MoveComponent>(component).DestPosition) {
        points.push_back({v.x, v.y, v.z});
    }
    return points;
}

FieldValue GetRepeatStart(const Component& component, const LoadedNames&) {
    return As<WinController>(component).repeatStart;
}

template <typename T>
std::unique_ptr<Component> Make() {
    return std::make_unique<T>();
}

constexpr FieldKey TransformFields[] = {
    {"Translation", "Vec3 Translation", ValueKind::Translation, GetTranslation},
    {"Scale", "Vec3 Scale", ValueKind::Vec3, GetVec3<Transform, &Transform::scale>},
    {"Rotation", "Quat Rotation", ValueKind::Rotation, GetRotation},
};

constexpr FieldKey SpriteFields[] = {
    {"SpriteSource", "string SpriteSource", ValueKind::Picture, GetPicture},
    {"SpriteFlipX", "bool SpriteFlipX", ValueKind::Flag, GetFlag<Sprite, &Sprite::SpriteFlipX>},
    {"Visible", "bool Visible", ValueKind::Flag, GetFlag<Sprite, &Sprite::Visible>},
    {"Color", "Vec4 Color", ValueKind::Vec4, GetVec4<Sprite, &Sprite::Color>},
};

constexpr FieldKey RigidBodyFields[] = {
    {"RotSpeed", "float RotSpeed", ValueKind::Number, GetNumber<RigidBody, &RigidBody::RotSpeed>},
    {"Gravity", "bool Gravity", ValueKind::Flag, GetFlag<RigidBody, &RigidBody::Gravity>},
    {"Moveable", "bool Moveable", ValueKind::Flag, GetFlag<RigidBody, &RigidBody::Moveable>},
    {"JumpHeight", "float JumpHeight", ValueKind::Number,
     GetNumber<RigidBody, &RigidBody::JumpHeight>},
    {"Speed", "float Speed", ValueKind::Number, GetNumber<RigidBody, &RigidBody::Speed>},
    {"VelocityCap", "float VelocityCap", ValueKind::Number,
     GetNumber<RigidBody, &RigidBody::VelocityCap>},
    {"RotationVelocityCap", "float RotationVelocityCap", ValueKind::Number,
     GetNumber<RigidBody, &RigidBody::RotationVelocityCap>},
    {"BodyType", "Enum BodyTypeNum", ValueKind::BodyType, GetBodyType},
};

constexpr FieldKey GearColliderFields[] = {
    {"Size", "Vec3 GearColliderSize", ValueKind::Vec3,
     GetVec3<GearCollider, &GearCollider::GearColliderSize>},
    {"Offset", "Vec3 GearColliderOffset", ValueKind::Vec3,
     GetVec3<GearCollider, &GearCollider::GearColliderOffset>},
    {"Center", "Vec3 GearColliderCenter", ValueKind::Vec3,
     GetVec3<GearCollider, &GearCollider::GearColliderCenter>},
    {"Ghost", "bool GearColliderGhost", ValueKind::Flag,
     GetFlag<GearCollider, &GearCollider::GearColliderGhost>},
    {"BellyRadius", "float GearColliderBellyRadius", ValueKind::Number,
     GetNumber<GearCollider, &GearCollider::GearColliderBellyRadius>},
    {"FullRadius", "float GearColliderFullRadius", ValueKind::Number,
     GetNumber<GearCollider, &GearCollider::GearColliderFullRadius>},
    {"NumTeeth", "int GearColliderNumTeeth", ValueKind::Integer,
     GetInteger<GearCollider, &GearCollider::GearColliderNumTeeth>},
};

constexpr FieldKey MovingGearColliderFields[] = {
    {"Size", "Vec3 MovingGearColliderSize", ValueKind::Vec3,
     GetVec3<MovingGearCollider, &MovingGearCollider::MovingGearColliderSize>},
    {"Offset", "Vec3 MovingGearColliderOffset", ValueKind::Vec3,
     GetVec3<MovingGearCollider, &MovingGearCollider::MovingGearColliderOffset>},
    {"Center", "Vec3 MovingGearColliderCenter", ValueKind::Vec3,
     GetVec3<MovingGearCollider, &MovingGearCollider::MovingGearColliderCenter>},
    {"Ghost", "bool MovingGearColliderGhost", ValueKind::Flag,
     GetFlag<MovingGearCollider, &MovingGearCollider::MovingGearColliderGhost>},
    {"BellyRadius", "float MovingGearColliderBellyRadius", ValueKind::Number,
     GetNumber<MovingGearCollider, &MovingGearCollider::MovingGearColliderBellyRadius>},
    {"FullRadius", "float MovingGearColliderFullRadius", ValueKind::Number,
     GetNumber<MovingGearCollider, &MovingGearCollider::MovingGearColliderFullRadius>},
    {"NumTeeth", "int MovingGearColliderNumTeeth", ValueKind::Integer,
     GetInteger<MovingGearCollider, &MovingGearCollider::MovingGearColliderNumTeeth>},
};

constexpr FieldKey BoxColliderFields[] = {
    {"Size", "Vec3 BoxColliderSize", ValueKind::Vec3,
     GetVec3<BoxCollider, &BoxCollider::BoxColliderSize>},
    {"Offset", "Vec3 BoxColliderOffset", ValueKind::Vec3,
     GetVec3<BoxCollider, &BoxCollider::BoxColliderOffset>},
    {"Center", "Vec3 BoxColliderCenter", ValueKind::Vec3,
     GetVec3<BoxCollider, &BoxCollider::BoxColliderCenter>},
    {"Ghost", "bool BoxColliderGhost", ValueKind::Flag,
     GetFlag<BoxCollider, &BoxCollider::BoxColliderGhost>},
    {"BreakSpeed", "float BoxColliderBreakSpeed", ValueKind::Number,
     GetNumber<BoxCollider, &BoxCollider::BoxColliderBreakSpeed>},
};

constexpr FieldKey AnimationFields[] = {
    {"Speed", "float AnimationComponentSpeed", ValueKind::Number,
     GetNumber<Animation, &Animation::AnimationComponentSpeed>},
    {"Loopable", "bool Loopable", ValueKind::Flag, GetFlag<Animation, &Animation::Loopable>},
    {"AnimationList", "string AnimationList", ValueKind::Text,
     GetText<Animation, &Animation::AnimationList>},
};

constexpr FieldKey BombGearFields[] = {
    {"TimeToExplode", "float TimeToExplode", ValueKind::Number,
     GetNumber<BombGear, &BombGear::TimeToExplode>},
    {"Alive", "bool Alive", ValueKind::TrueOnly, GetFlag<BombGear, &BombGear::Alive>},
    {"BombActive", "bool BombActive", ValueKind::FalseOnly,
     GetFlag<BombGear, &BombGear::BombActive>},
    {"MyTime", "float MyTime", ValueKind::Number, GetNumber<BombGear, &BombGear::MyTime>},
};

constexpr FieldKey CameraFields[] = {
    {"MovingCameraX", "bool MovingCameraX", ValueKind::Flag,
     GetFlag<Camera, &Camera::MovingCameraX>},
    {"MovingCameraY", "bool MovingCameraY", ValueKind::Flag,
     GetFlag<Camera, &Camera::MovingCameraY>},
    {"ScrollSpeed", "Vec3 CameraScrollSpeed", ValueKind::Vec3,
     GetVec3<Camera, &Camera::CameraScrollSpeed>},
    {"FarPlane", "float CameraComponentFarPlane", ValueKind::Number,
     GetNumber<Camera, &Camera::CameraComponentFarPlane>},
};

constexpr FieldKey WinFields[] = {
    {"WinLevel", "string WinLevel", ValueKind::Text,
     GetText<WinController, &WinController::WinLevel>},
    {"LoadAsLevel", "bool LoadAsLevel", ValueKind::Flag,
     GetFlag<WinController, &WinController::LoadAsLevel>},
    // The editor's "Moveable" key in a win section: the intro is staged again on every start.
    {"Moveable", "bool Moveable", ValueKind::Flag, GetRepeatStart},
};

constexpr FieldKey LoseFields[] = {
    {"LoseLevel", "string LoseLevel", ValueKind::Text,
     GetText<LoseController, &LoseController::LoseLevel>},
    {"LoadAsLevel", "bool LoadAsLevel", ValueKind::Flag,
     GetFlag<LoseController, &LoseController::LoadAsLevel>},
};

using Emitter = ParticleEmmiter;
constexpr FieldKey ParticleFields[] = {
    {"MaxParticles", "int MaxParticles", ValueKind::Integer,
     GetInteger<Emitter, &Emitter::MaxParticles>},
    {"BurstMode", "bool BurstMode", ValueKind::Flag, GetFlag<Emitter, &Emitter::BurstMode>},
    {"UseDefaultColor", "bool UseDefaultColor", ValueKind::Flag,
     GetFlag<Emitter, &Emitter::UseDefaultColor>},
    {"EmitMode", "bool EmitMode", ValueKind::Flag, GetFlag<Emitter, &Emitter::EmitMode>},
    {"SpiralMode", "bool SpiralMode", ValueKind::Flag, GetFlag<Emitter, &Emitter::SpiralMode>},
    {"HollowMode", "bool HollowMode", ValueKind::Flag, GetFlag<Emitter, &Emitter::HollowMode>},
    {"Sander", "bool Sander", ValueKind::Flag, GetFlag<Emitter, &Emitter::Sander>},
    {"SizeDecrement", "float SizeDecrement", ValueKind::Number,
     GetNumber<Emitter, &Emitter::SizeDecrement>},
    {"SizeMinimum", "float SizeMinimum", ValueKind::Number,
     GetNumber<Emitter, &Emitter::SizeMinimum>},
    {"SizeMaximum", "float SizeMaximum", ValueKind::Number,
     GetNumber<Emitter, &Emitter::SizeMaximum>},
    {"LifeMinimum", "float LifeMinimum", ValueKind::Number,
     GetNumber<Emitter, &Emitter::LifeMinimum>},
    {"LifeMaximum", "float LifeMaximum", ValueKind::Number,
     GetNumber<Emitter, &Emitter::LifeMaximum>},
    {"ParticleXVelMin", "float ParticleXVelMin", ValueKind::Number,
     GetNumber<Emitter, &Emitter::ParticleXVelMin>},
    {"ParticleXVelMax", "float ParticleXVelMax", ValueKind::Number,
     GetNumber<Emitter, &Emitter::ParticleXVelMax>},
    {"ParticleYVelMin", "float ParticleYVelMin", ValueKind::Number,
     GetNumber<Emitter, &Emitter::ParticleYVelMin>},
    {"ParticleYVelMax", "float ParticleYVelMax", ValueKind::Number,
     GetNumber<Emitter, &Emitter::ParticleYVelMax>},
    {"EmitRadius", "float EmitRadius", ValueKind::Number, GetNumber<Emitter, &Emitter::EmitRadius>},
    {"ParticleTextureFilename", "string ParticleTextureFilename", ValueKind::Text,
     GetText<Emitter, &Emitter::ParticleTextureFilename>},
    {"ParticleColor", "Vec4 ParticleColor", ValueKind::Vec4,
     GetVec4<Emitter, &Emitter::ParticleColor>},
    {"TimeToBurst", "float TimeToBurst", ValueKind::Number,
     GetNumber<Emitter, &Emitter::TimeToBurst>},
};

constexpr FieldKey TeleporterFields[] = {
    {"Sander", "bool Sander", ValueKind::Flag, GetFlag<TeleporterGear, &TeleporterGear::Sander>},
};

constexpr FieldKey MoveFields[] = {
    {"MoveEase", "Enum MoveEase", ValueKind::Ease, GetEase},
    {"DestPosition", "Vec3 DestPosition", ValueKind::Waypoints, GetWaypoints},
    {"MoveTimer", "float MoveTimer", ValueKind::Number,
     GetNumber<MoveComponent, &MoveComponent::MoveTimer>},
    {"MoveDuration", "float MoveDuration", ValueKind::Number,
     GetNumber<MoveComponent, &MoveComponent::MoveDuration>},
};

constexpr FieldKey SpriteTextFields[] = {
    {"Text", "string Text", ValueKind::Text, GetText<SpriteText, &SpriteText::Text>},
    {"Color", "Vec3 Color", ValueKind::Vec3, GetVec3<SpriteText, &SpriteText::Color>},
    {"Scale", "float Scale", ValueKind::Number, GetNumber<SpriteText, &SpriteText::Scale>},
    {"Position", "Vec3 Position", ValueKind::Vec3, GetVec3<SpriteText, &SpriteText::Position>},
};

constexpr FieldKey ButtonFields[] = {
    {"NotSelectedFileName", "string NotSelectedFileName", ValueKind::Text,
     GetText<Button, &Button::NotSelectedFileName>},
    {"SelectedFileName", "string SelectedFileName", ValueKind::Text,
     GetText<Button, &Button::SelectedFileName>},
    {"NotCheckedFileName", "string NotCheckedFileName", ValueKind::Text,
     GetText<Button, &Button::NotCheckedFileName>},
    {"CheckedFileName", "string CheckedFileName", ValueKind::Text,
     GetText<Button, &Button::CheckedFileName>},
};

constexpr FieldKey SoundFields[] = {
    {"SoundFileName", "string SoundFileName", ValueKind::Sound, GetSound},
};

constexpr std::span<const FieldKey> NoFields;

// In the order the reader tests the headers, so that no header is taken for one it contains.
const SectionKey SectionTable[] = {
    {"TeleporterGear", "TeleporterGear =", ComponentType::TeleporterGear, TeleporterFields, true,
     Make<TeleporterGear>},
    {"CollectibleMove", "CollectibleMove =", ComponentType::CollectibleMove, NoFields, true,
     Make<CollectibleMove>},
    {"CollectibleGlow", "CollectibleGlow =", ComponentType::CollectibleGlow, NoFields, true,
     Make<CollectibleGlow>},
    {"Transform", "Transform =", ComponentType::Transform, TransformFields, true, Make<Transform>},
    {"RigidBody", "RigidBodyComponent =", ComponentType::RigidBody, RigidBodyFields, false,
     Make<RigidBody>},
    {"Sprite", "Sprite =", ComponentType::Sprite, SpriteFields, true, Make<Sprite>},
    {"BombGear", "BombGearComponent =", ComponentType::BombGear, BombGearFields, true,
     Make<BombGear>},
    {"Animation", "AnimationComponent =", ComponentType::Animation, AnimationFields, true,
     Make<Animation>},
    {"SoundEmitter", "SoundEmitterComponent =", ComponentType::SoundEmitter, SoundFields, true,
     Make<SoundEmitter>},
    {"Button", "ButtonComponent =", ComponentType::Button, ButtonFields, true, Make<Button>},
    {"MovingGearCollider", "MovingGearColliderComponent =", ComponentType::MovingGearCollider,
     MovingGearColliderFields, true, Make<MovingGearCollider>},
    {"GearCollider", "GearColliderComponent =", ComponentType::GearCollider, GearColliderFields,
     true, Make<GearCollider>},
    {"BoxCollider", "BoxColliderComponent =", ComponentType::BoxCollider, BoxColliderFields, true,
     Make<BoxCollider>},
    {"Input", "InputComponent =", ComponentType::InputController, NoFields, true,
     Make<InputController>},
    {"Camera", "CameraComponent =", ComponentType::Camera, CameraFields, true, Make<Camera>},
    {"Win", "WinComponent =", ComponentType::WinController, WinFields, true, Make<WinController>},
    {"Lose", "LoseComponent = ", ComponentType::LoseController, LoseFields, true,
     Make<LoseController>},
    {"ParticleEmitter", "ParticleEmitterComponent = ", ComponentType::ParticleEmmiter,
     ParticleFields, true, Make<ParticleEmmiter>},
    {"Arrow", "ArrowComponent = ", ComponentType::PlayerArrow, NoFields, true, Make<PlayerArrow>},
    {"Move", "MoveComponent = ", ComponentType::MoveComponent, MoveFields, true,
     Make<MoveComponent>},
    {"SpriteText", "SpriteTextComponent = ", ComponentType::SpriteText, SpriteTextFields, true,
     Make<SpriteText>},
};

bool SameNumber(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

bool SameNumbers(std::span<const float> a, std::span<const float> b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameNumber(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

// The reader tells the breakable kinds by the text the value starts with.
bool IsBreakable(std::string_view kind) {
    for (std::string_view breakable : BreakableKinds) {
        if (kind.starts_with(breakable)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::span<const SectionKey> LevelKeys::Sections() {
    return SectionTable;
}

const SectionKey* LevelKeys::SectionNamed(std::string_view name) {
    for (const SectionKey& section : SectionTable) {
        if (section.name == name) {
            return &section;
        }
    }
    return nullptr;
}

const SectionKey* LevelKeys::SectionOfType(ComponentType type) {
    for (const SectionKey& section : SectionTable) {
        if (section.type == type) {
            return &section;
        }
    }
    return nullptr;
}

const FieldKey* LevelKeys::FieldNamed(const SectionKey& section, std::string_view name) {
    for (const FieldKey& field : section.fields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

bool LevelKeys::SameLoaded(const FieldKey& key, const FieldValue& a, const FieldValue& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* number = std::get_if<float>(&a)) {
        return SameNumber(*number, std::get<float>(b));
    }
    if (const auto* numbers = std::get_if<std::vector<float>>(&a)) {
        return SameNumbers(*numbers, std::get<std::vector<float>>(b));
    }
    if (const auto* points = std::get_if<Waypoints>(&a)) {
        const Waypoints& other = std::get<Waypoints>(b);
        if (points->size() != other.size()) {
            return false;
        }
        for (std::size_t i = 0; i < points->size(); ++i) {
            if (!SameNumbers((*points)[i], other[i])) {
                return false;
            }
        }
        return true;
    }
    if (key.kind == ValueKind::BodyType && std::holds_alternative<std::string>(a)) {
        return IsBreakable(std::get<std::string>(a)) == IsBreakable(std::get<std::string>(b));
    }
    return a == b;
}

bool LevelKeys::SafeText(std::string_view text) {
    if (text.find_first_of("{},\r\n") != std::string_view::npos ||
        text.find(NameKey) != std::string_view::npos) {
        return false;
    }
    for (const SectionKey& section : SectionTable) {
        if (text.find(section.header) != std::string_view::npos) {
            return false;
        }
        for (const FieldKey& field : section.fields) {
            if (text.find(field.editorKey) != std::string_view::npos) {
                return false;
            }
        }
    }
    return true;
}

bool LevelKeys::IsEaseName(std::string_view name) {
    for (const auto& [easeName, easing] : Easings) {
        if (easeName == name) {
            return true;
        }
    }
    return false;
}

std::string LevelKeys::NumberText(float value) {
    char text[64];
    auto end = std::to_chars(text, text + sizeof(text), value).ptr;
    std::string shortest(text, end);
    // A double read of the shortest text can round to a neighbour when it lies near a halfway
    // point; nine digits always name one float.
    if (std::isfinite(value) &&
        !SameNumber(static_cast<float>(std::strtod(shortest.c_str(), nullptr)), value)) {
        end = std::to_chars(text, text + sizeof(text), value, std::chars_format::general, 9).ptr;
        shortest.assign(text, end);
    }
    return shortest;
}

#include "components/LevelKeys.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/LevelLine.h"
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

// Level files place objects at half the scale the game plays them at.
constexpr float TranslationScale = 2.0f;
// Body kinds: breakable by a bomb blast, and any other kind the level names.
constexpr std::int32_t BreakableBody = RigidBody::BreakableBody;
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

template <typename T>
std::unique_ptr<Component> Make() {
    return std::make_unique<T>();
}

template <typename T>
constexpr LevelSection SectionOf(std::string_view key) {
    return {key, T::Type, &Make<T>};
}

constexpr LevelSection Sections[] = {
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

// A key whose class is not the open one does nothing.
template <typename T, float T::*field>
void SetNumber(LevelReadState& state, std::string_view line) {
    if (T* component = state.Open<T>()) {
        component->*field = LevelLine::Number(line);
    }
}

template <typename T, std::int32_t T::*field>
void SetInteger(LevelReadState& state, std::string_view line) {
    if (T* component = state.Open<T>()) {
        component->*field = LevelLine::Integer(line);
    }
}

template <typename T, bool T::*field, bool value>
void SetFlag(LevelReadState& state, std::string_view) {
    if (T* component = state.Open<T>()) {
        component->*field = value;
    }
}

template <typename T, glm::vec3 T::*field>
void SetVec3(LevelReadState& state, std::string_view line) {
    if (T* component = state.Open<T>()) {
        component->*field = LevelLine::Vec3(line);
    }
}

template <typename T, glm::vec4 T::*field>
void SetVec4(LevelReadState& state, std::string_view line) {
    if (T* component = state.Open<T>()) {
        component->*field = LevelLine::Vec4(line);
    }
}

template <typename T, std::string T::*field>
void SetText(LevelReadState& state, std::string_view line) {
    if (T* component = state.Open<T>()) {
        component->*field = LevelLine::QuotedText(line);
    }
}

// Keys that two classes share: "bool Moveable" in a win section is the repeat-start flag.
template <bool value>
void SetMoveable(LevelReadState& state, std::string_view) {
    if (auto* body = state.Open<RigidBody>()) {
        body->Moveable = value;
    } else if (auto* win = state.Open<WinController>()) {
        win->repeatStart = value;
    }
}

template <bool value>
void SetLoadAsLevel(LevelReadState& state, std::string_view) {
    if (auto* win = state.Open<WinController>()) {
        win->LoadAsLevel = value;
    } else if (auto* lose = state.Open<LoseController>()) {
        lose->LoadAsLevel = value;
    }
}

template <bool value>
void SetSander(LevelReadState& state, std::string_view) {
    if (auto* teleporter = state.Open<TeleporterGear>()) {
        teleporter->Sander = value;
    } else if (auto* emitter = state.Open<ParticleEmmiter>()) {
        emitter->Sander = value;
    }
}

template <std::int32_t kind>
void SetBodyType(LevelReadState& state, std::string_view) {
    if (auto* body = state.Open<RigidBody>()) {
        body->BodyTypeNum = kind;
    }
}

void SetTranslation(LevelReadState& state, std::string_view line) {
    if (auto* transform = state.Open<Transform>()) {
        const glm::vec3 read = LevelLine::Vec3(line);
        transform->translation =
            glm::vec3(read.x * TranslationScale, read.y * TranslationScale, read.z);
    }
}

// Only the quaternion's third number is kept: levels turn objects about the view axis alone.
void SetRotation(LevelReadState& state, std::string_view line) {
    if (auto* transform = state.Open<Transform>()) {
        transform->rotation = LevelLine::Vec3(line).z;
    }
}

void SetSpriteSource(LevelReadState& state, std::string_view line) {
    if (auto* sprite = state.Open<Sprite>()) {
        sprite->texture =
            TextureRegistry::GetTexture(LevelLine::ColonText(line) + std::string(TextureExtension));
    }
}

void SetSound(LevelReadState& state, std::string_view line) {
    if (auto* emitter = state.Open<SoundEmitter>()) {
        emitter->sound = SoundTable::Find(LevelLine::QuotedText(line));
    }
}

void SetMoveEase(LevelReadState& state, std::string_view line) {
    if (auto* move = state.Open<MoveComponent>()) {
        move->MoveEase = LevelLine::EasingNamed(line);
    }
}

void AddDestination(LevelReadState& state, std::string_view line) {
    if (auto* move = state.Open<MoveComponent>()) {
        move->DestPosition.push_back(LevelLine::Vec3(line));
    }
}

constexpr LevelField Fields[] = {
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

constexpr LevelKeyTable Keys{Sections, Fields, InitializeOrder};

}  // namespace

const LevelKeyTable& ComponentLevelKeys() {
    return Keys;
}

void InstallLevelKeys() {
    LevelReader::UseKeys(&Keys);
}

#include "systems/LevelRules.h"

#include <algorithm>

#include <GLFW/glfw3.h>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/LevelLoader.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "components/ParticleEmmiter.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/SoundSystem.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

namespace {

constexpr float FadeStep = 0.1f;
constexpr std::int32_t MostBoosts = 3;
// The gauge's place in the view's top-left corner, in world units.
constexpr float GaugeInsetX = 2.0f;
constexpr float GaugeInsetY = 4.0f;
// One fill quad per boost left, inside the frame.
constexpr const char* GaugeFill = "gaugeFill.png";
constexpr glm::vec3 FillSize{3.3f, 2.5f, 1.0f};
constexpr float FillStartX = 4.1f;
constexpr float FillSpacing = 7.425f;
constexpr float PausedMusic = 0.2f;
// R restarts only once the level has faded in this far.
constexpr float RestartAllowedFade = 0.1f;

template <typename T>
T* Part(Space& level, const char* name) {
    GameObject* object = level.FindObject(name);
    return object != nullptr ? object->GetComponent<T>() : nullptr;
}

bool Pressed(std::initializer_list<int> keys) {
    return GetSystem<Window>()->AnyTriggered(keys);
}

// Steps 1 to 5: the gauge fades in while the camera is at the level's distance, out while it
// zooms, sits in the corner and shows the boosts left.
void RunGauge(GameplaySystem& gameplay, Graphics& graphics, const Camera& camera,
              const Transform& view, Space& level) {
    auto* gauge = Part<Sprite>(level, ObjectName::Gauge);
    auto* place = Part<Transform>(level, ObjectName::Gauge);
    const float far = camera.CameraComponentFarPlane;
    if (gauge != nullptr) {
        float& alpha = gauge->Color.a;
        if (far == graphics.levelCameraDistance) {
            if (alpha < 1.0f) {
                gameplay.boostCount = 0;
                alpha += FadeStep;
            }
        } else if (alpha > 0.0f) {
            alpha -= FadeStep;
        }
        if (alpha >= 1.0f) {
            alpha = 1.0f;
        }
    }
    if (GetSystem<Window>()->IsTriggered(GLFW_KEY_K)) {
        ++gameplay.boostCount;
    }
    if (place != nullptr) {
        place->translation.x = view.translation.x - far + place->scale.x * 0.5f + GaugeInsetX;
        place->translation.y = view.translation.y + far * Graphics::ViewHalfHeight +
                               place->scale.y * 0.5f - GaugeInsetY;
    }
    gameplay.boostCount = std::clamp(gameplay.boostCount, 0, MostBoosts);
    if (gauge == nullptr || place == nullptr || gauge->Color.a != 1.0f || !gauge->Visible) {
        return;
    }
    const Texture2D fill = TextureRegistry::GetTexture(GaugeFill);
    for (std::int32_t i = 0; i < gameplay.boostCount; ++i) {
        const glm::vec3 at(place->translation.x - place->scale.x + FillStartX +
                               FillSpacing * static_cast<float>(i),
                           place->translation.y, place->translation.z);
        graphics.DrawSprite(fill, at, FillSize, 0.0f, glm::vec4(1.0f), 1.0f);
    }
}

// Step 9: a restart is running: fade out for 20 updates, restart on the 21st.
ScreenOutcome RunRestart(GameplaySystem& gameplay, Graphics& graphics, Space& level) {
    graphics.fallOff = false;
    level.loseRequest = false;
    gameplay.blastPlayed = false;
    if (gameplay.loseCountdown <= 0.0f) {
        gameplay.loseSequenceStarted = false;
        RestartLevel(level);
        if (!gameplay.musicMuted) {
            GetSystem<SoundSystem>()->SetGroupMute(SoundGroup::Music, false);
        }
        return ScreenOutcome::End;
    }
    gameplay.loseCountdown -= FadeStep;
    if (auto* fade = Part<Sprite>(level, ObjectName::Fade)) {
        fade->Color.a = 1.0f - gameplay.loseCountdown;
    }
    return ScreenOutcome::End;
}

// Step 10: the level fades in; R starts the restart once it has.
ScreenOutcome RunFadeInAndRestartKey(GameplaySystem& gameplay, Graphics& graphics, Space& level) {
    auto* fade = Part<Sprite>(level, ObjectName::Fade);
    if (fade != nullptr && fade->Color.a > 0.0f) {
        fade->Color.a -= FadeStep;
    }
    if (fade == nullptr || fade->Color.a > RestartAllowedFade ||
        !GetSystem<Window>()->IsTriggered(GLFW_KEY_R)) {
        return ScreenOutcome::GoOn;
    }
    if (graphics.fallOff || level.loseRequest) {
        if (auto* player = Part<Transform>(level, ObjectName::Player)) {
            player->translation.y += GameplaySystem::LostPlayerLift;
        }
    }
    graphics.fallOff = false;
    level.loseRequest = false;
    gameplay.blastPlayed = false;
    gameplay.loseCountdown = GameplaySystem::LoseCountdownStart;
    gameplay.loseSequenceStarted = true;
    return ScreenOutcome::End;
}

// Steps 11 and 12: the blast waits at the bottom edge under the player and goes off when the
// player has fallen out of view.
void RunLoseBlast(GameplaySystem& gameplay, Graphics& graphics, Camera& camera,
                  const Transform& view, Space& level) {
    GameObject* blast = level.FindObject(ObjectName::Blast);
    auto* place = blast != nullptr ? blast->GetComponent<Transform>() : nullptr;
    const auto* player = Part<Transform>(level, ObjectName::Player);
    if (place != nullptr && player != nullptr) {
        place->translation.x = player->translation.x;
        place->translation.y =
            view.translation.y - camera.CameraComponentFarPlane * Graphics::ViewHalfHeight;
    }
    if (!graphics.fallOff || gameplay.blastPlayed) {
        return;
    }
    const auto sound = GetSystem<SoundSystem>();
    sound->SetGroupMute(SoundGroup::Music, true);
    sound->PlayObject(blast, SoundGroup::Blast);
    camera.MovingCameraX = false;
    camera.MovingCameraY = false;
    if (blast != nullptr) {
        if (auto* emitter = blast->GetComponent<ParticleEmmiter>()) {
            emitter->BurstMode = true;
        }
    }
    gameplay.blastPlayed = true;
}

}  // namespace

ScreenOutcome RunLevelRules(GameplaySystem& gameplay, Space& level) {
    auto* camera = Part<Camera>(level, ObjectName::Camera);
    auto* view = Part<Transform>(level, ObjectName::Camera);
    if (camera == nullptr || view == nullptr) {
        return ScreenOutcome::GoOn;
    }
    const auto graphics = GetSystem<Graphics>();
    RunGauge(gameplay, *graphics, *camera, *view, level);
    gameplay.levelSelectMenu.built = false;
    gameplay.pauseMenu.built = false;

    const Space* top = Engine::Instance().CurrentSpace();
    if (top != nullptr && top->name != ScreenName::PauseMenu && !graphics->fallOff &&
        !level.loseRequest && Pressed({GLFW_KEY_BACKSPACE, GLFW_KEY_ESCAPE, GLFW_KEY_M})) {
        GameplaySystem::OpenScreen(ScreenName::PauseMenu);
        if (!gameplay.musicMuted) {
            GetSystem<SoundSystem>()->SetGroupVolume(SoundGroup::Music, PausedMusic);
        }
    }
    top = Engine::Instance().CurrentSpace();
    if (top != nullptr &&
        (top->name == ScreenName::FirstLevel || top->name == ScreenName::SecondLevel)) {
        gameplay.ShowPicturePair(level.FindObject(ObjectName::PauseHint));
    }

    if (gameplay.loseSequenceStarted) {
        return RunRestart(gameplay, *graphics, level);
    }
    if (RunFadeInAndRestartKey(gameplay, *graphics, level) == ScreenOutcome::End) {
        return ScreenOutcome::End;
    }
    RunLoseBlast(gameplay, *graphics, *camera, *view, level);
    return ScreenOutcome::GoOn;
}

#include "StateWriter.h"

#include <charconv>
#include <cmath>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/GameObject.h"
#include "Core/Space.h"
#include "audio/Channel.h"
#include "audio/ChannelGroup.h"
#include "components/Animation.h"
#include "components/BombGear.h"
#include "components/Button.h"
#include "components/Camera.h"
#include "components/CollectibleGlow.h"
#include "components/CollectibleMove.h"
#include "components/InputController.h"
#include "components/MoveComponent.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "components/RigidBody.h"
#include "components/SoundEmitter.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/TeleporterGear.h"
#include "components/Transform.h"
#include "components/WinController.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/MenuList.h"
#include "systems/SoundSystem.h"
#include "systems/SoundTable.h"
#include "systems/TextureRegistry.h"

namespace {

// Builds one JSON object; keys are written in the order they are added.
class JsonObject {
public:
    JsonObject& Key(const std::string& key) {
        text += first ? "{" : ",";
        first = false;
        AppendString(key);
        text += ':';
        return *this;
    }
    JsonObject& Number(std::int64_t value) {
        text += std::to_string(value);
        return *this;
    }
    // The shortest text that reads back to the same float; JSON has no NaN or infinity, so
    // those print as null.
    JsonObject& Number(float value) {
        if (!std::isfinite(value)) {
            text += "null";
            return *this;
        }
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
        text.append(buffer, result.ptr);
        return *this;
    }
    JsonObject& Null() {
        text += "null";
        return *this;
    }
    JsonObject& Boolean(bool value) {
        text += value ? "true" : "false";
        return *this;
    }
    JsonObject& String(const std::string& value) {
        AppendString(value);
        return *this;
    }
    // A missing text prints as null.
    JsonObject& OptionalString(const std::string* value) {
        if (value == nullptr) {
            text += "null";
        } else {
            AppendString(*value);
        }
        return *this;
    }
    JsonObject& Name(const GameObject* object) {
        if (object == nullptr) {
            text += "null";
        } else {
            AppendString(object->name);
        }
        return *this;
    }
    JsonObject& Floats(const float* values, int count) {
        text += '[';
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                text += ',';
            }
            Number(values[i]);
        }
        text += ']';
        return *this;
    }
    JsonObject& Vector(const glm::vec3& v) { return Floats(&v.x, 3); }
    JsonObject& Vector(const glm::vec4& v) { return Floats(&v.x, 4); }
    JsonObject& Names(const std::vector<GameObject*>& objects) {
        text += '[';
        for (std::size_t i = 0; i < objects.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            Name(objects[i]);
        }
        text += ']';
        return *this;
    }
    JsonObject& Strings(const std::vector<std::string>& values) {
        text += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            AppendString(values[i]);
        }
        text += ']';
        return *this;
    }
    JsonObject& Object(const JsonObject& inner) {
        text += inner.Text();
        return *this;
    }
    std::string Text() const { return first ? "{}" : text + "}"; }

private:
    void AppendString(const std::string& value) {
        text += '"';
        for (unsigned char c : value) {
            switch (c) {
                case '"':
                    text += "\\\"";
                    break;
                case '\\':
                    text += "\\\\";
                    break;
                case '\n':
                    text += "\\n";
                    break;
                case '\r':
                    text += "\\r";
                    break;
                case '\t':
                    text += "\\t";
                    break;
                default:
                    if (c < 0x20) {
                        char escaped[8];
                        std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
                        text += escaped;
                    } else {
                        text += static_cast<char>(c);
                    }
            }
        }
        text += '"';
    }

    std::string text;
    bool first = true;
};

// A sprite keeps a copy of its registry entry, so the entry is found again by its texture name.
const std::string* TextureName(const Texture2D& texture) {
    if (texture.ID == 0) {
        return nullptr;
    }
    for (const auto& [name, entry] : TextureRegistry::Entries()) {
        if (entry.ID == texture.ID) {
            return &name;
        }
    }
    return nullptr;
}

const std::string* SoundName(const SoundCell* cell) {
    if (cell == nullptr) {
        return nullptr;
    }
    for (const auto& [name, entry] : SoundTable::Entries()) {
        if (entry.get() == cell) {
            return &name;
        }
    }
    return nullptr;
}

bool IsPlaying(audio::Channel* channel) {
    bool playing = false;
    return channel != nullptr && channel->IsPlaying(&playing) == audio::Result::Ok && playing;
}

const std::string* CursorName(const MenuList& menu) {
    const Button* button = menu.Current();
    return button != nullptr ? &button->NotSelectedFileName : nullptr;
}

JsonObject GroupPart(const audio::ChannelGroup* group) {
    float volume = 0.0f;
    bool muted = false;
    bool paused = false;
    if (group != nullptr) {
        group->GetVolume(&volume);
        group->GetMute(&muted);
        group->GetPaused(&paused);
    }
    JsonObject part;
    part.Key("volume").Number(volume).Key("muted").Boolean(muted).Key("paused").Boolean(paused);
    return part;
}

}  // namespace

StateWriter::StateWriter(std::FILE* out, std::vector<std::string> watch)
    : out(out), watch(std::move(watch)) {}

bool StateWriter::IsWatched(const std::string& name) const {
    if (watch.empty()) {
        return true;
    }
    for (const std::string& watched : watch) {
        if (watched == name) {
            return true;
        }
    }
    return false;
}

std::string StateWriter::ObjectLine(std::int64_t frame, const std::string& spaceName,
                                    const GameObject& object) {
    JsonObject line;
    line.Key("frame").Number(frame).Key("space").String(spaceName).Key("name").String(object.name);
    line.Key("alive").Boolean(object.alive);
    if (const auto* t = object.FindComponent<Transform>()) {
        JsonObject part;
        part.Key("translation").Vector(t->translation).Key("scale").Vector(t->scale);
        part.Key("rotation").Number(t->rotation);
        line.Key("transform").Object(part);
    }
    if (const auto* body = object.FindComponent<RigidBody>()) {
        JsonObject part;
        part.Key("velocity").Vector(body->velocity);
        part.Key("acceleration").Vector(body->acceleration);
        part.Key("displacement").Vector(body->displacement);
        part.Key("RotSpeed").Number(body->RotSpeed).Key("Gravity").Boolean(body->Gravity);
        part.Key("attached").Boolean(body->attached).Key("grounded").Boolean(body->grounded);
        part.Key("pivot").Vector(body->pivot).Key("orbitRadius").Number(body->orbitRadius);
        part.Key("BodyTypeNum").Number(std::int64_t{body->BodyTypeNum});
        line.Key("rigidBody").Object(part);
    }
    if (const auto* gear = object.FindComponent<MovingGearCollider>()) {
        JsonObject part;
        part.Key("contacts").Names(gear->contacts).Key("lastGear").Name(gear->lastGear);
        part.Key("switching").Boolean(gear->switching);
        part.Key("switchTimer").Number(gear->switchTimer);
        part.Key("ghost").Boolean(gear->MovingGearColliderGhost);
        part.Key("teleporting").Boolean(gear->teleporting);
        part.Key("ground").Name(gear->ground).Key("leftWall").Name(gear->leftWall);
        part.Key("rightWall").Name(gear->rightWall);
        line.Key("movingGearCollider").Object(part);
    }
    if (const auto* input = object.FindComponent<InputController>()) {
        JsonObject part;
        part.Key("launched").Boolean(input->launched).Key("disabled").Boolean(input->disabled);
        part.Key("autoPlay").Boolean(input->autoPlay);
        line.Key("inputController").Object(part);
    }
    if (const auto* sprite = object.FindComponent<Sprite>()) {
        JsonObject part;
        part.Key("Color").Vector(sprite->Color).Key("Visible").Boolean(sprite->Visible);
        part.Key("texture").OptionalString(TextureName(sprite->texture));
        line.Key("sprite").Object(part);
    }
    if (const auto* camera = object.FindComponent<Camera>()) {
        JsonObject part;
        part.Key("CameraComponentFarPlane").Number(camera->CameraComponentFarPlane);
        part.Key("MovingCameraX").Boolean(camera->MovingCameraX);
        part.Key("MovingCameraY").Boolean(camera->MovingCameraY);
        part.Key("scrolling").Boolean(camera->scrolling);
        line.Key("camera").Object(part);
    }
    if (const auto* text = object.FindComponent<SpriteText>()) {
        JsonObject part;
        part.Key("Text").String(text->Text);
        part.Key("characterLimit").Number(std::int64_t{text->characterLimit});
        line.Key("spriteText").Object(part);
    }
    if (const auto* button = object.FindComponent<Button>()) {
        JsonObject part;
        part.Key("NotSelectedFileName").String(button->NotSelectedFileName);
        part.Key("SelectedFileName").String(button->SelectedFileName);
        line.Key("button").Object(part);
    }
    if (const auto* emitter = object.FindComponent<SoundEmitter>()) {
        JsonObject part;
        part.Key("sound").OptionalString(SoundName(emitter->sound));
        part.Key("playing").Boolean(IsPlaying(emitter->channelSlot));
        line.Key("soundEmitter").Object(part);
    }
    if (const auto* teleporter = object.FindComponent<TeleporterGear>()) {
        JsonObject part;
        part.Key("Sander").Boolean(teleporter->Sander).Key("active").Boolean(teleporter->active);
        part.Key("timer").Number(teleporter->timer);
        part.Key("resetTime").Number(teleporter->resetTime);
        line.Key("teleporterGear").Object(part);
    }
    if (const auto* win = object.FindComponent<WinController>()) {
        JsonObject part;
        part.Key("WinLevel").String(win->WinLevel).Key("LoadAsLevel").Boolean(win->LoadAsLevel);
        part.Key("repeatStart").Boolean(win->repeatStart);
        part.Key("cameraDistance").Number(win->cameraDistance);
        line.Key("winController").Object(part);
    }
    if (const auto* bomb = object.FindComponent<BombGear>()) {
        JsonObject part;
        part.Key("BombActive").Boolean(bomb->BombActive);
        part.Key("TimeToExplode").Number(bomb->TimeToExplode);
        part.Key("flashOn").Boolean(bomb->flashOn).Key("flashTimer").Number(bomb->flashTimer);
        part.Key("launchBoost").Boolean(bomb->launchBoost);
        line.Key("bombGear").Object(part);
    }
    if (const auto* move = object.FindComponent<CollectibleMove>()) {
        JsonObject part;
        part.Key("collected").Boolean(move->collected).Key("up").Boolean(move->up);
        part.Key("timer").Number(move->timer).Key("riseTimer").Number(move->riseTimer);
        line.Key("collectibleMove").Object(part);
    }
    if (const auto* glow = object.FindComponent<CollectibleGlow>()) {
        JsonObject part;
        part.Key("bright").Boolean(glow->bright).Key("timer").Number(glow->timer);
        line.Key("collectibleGlow").Object(part);
    }
    if (const auto* mover = object.FindComponent<MoveComponent>()) {
        JsonObject part;
        part.Key("nextIndex").Number(std::int64_t{mover->nextIndex});
        part.Key("MoveTimer").Number(mover->MoveTimer);
        part.Key("MoveDuration").Number(mover->MoveDuration);
        line.Key("moveComponent").Object(part);
    }
    if (const auto* emitter = object.FindComponent<ParticleEmmiter>()) {
        JsonObject part;
        part.Key("count").Number(std::int64_t{emitter->count});
        part.Key("particles").Number(static_cast<std::int64_t>(emitter->particles.size()));
        part.Key("BurstMode").Boolean(emitter->BurstMode);
        part.Key("EmitMode").Boolean(emitter->EmitMode);
        part.Key("SpiralMode").Boolean(emitter->SpiralMode);
        part.Key("HollowMode").Boolean(emitter->HollowMode);
        part.Key("MaxParticles").Number(std::int64_t{emitter->MaxParticles});
        part.Key("TimeToBurst").Number(emitter->TimeToBurst);
        part.Key("EmitRadius").Number(emitter->EmitRadius);
        part.Key("SizeMinimum").Number(emitter->SizeMinimum);
        part.Key("SizeMaximum").Number(emitter->SizeMaximum);
        part.Key("UseDefaultColor").Boolean(emitter->UseDefaultColor);
        line.Key("particleEmmiter").Object(part);
    }
    if (const auto* animation = object.FindComponent<Animation>()) {
        JsonObject part;
        const bool shown = animation->started && animation->current < animation->frames.size();
        if (shown) {
            part.Key("current").Number(static_cast<std::int64_t>(animation->current));
            part.Key("frame").String(animation->frames[animation->current]);
        } else {
            part.Key("current").Null().Key("frame").Null();
        }
        part.Key("tickCount").Number(std::int64_t{animation->tickCount});
        part.Key("started").Boolean(animation->started);
        line.Key("animation").Object(part);
    }
    return line.Text();
}

std::string StateWriter::FlowLine(std::int64_t frame, const GameplaySystem& flow,
                                  const SoundSystem& sound, const Graphics& graphics,
                                  const Space* space) {
    JsonObject state;
    state.Key("musicMuted").Boolean(flow.musicMuted);
    state.Key("gamepadPresent").Number(std::int64_t{flow.gamepadPresent});
    state.Key("loseCountdown").Number(flow.loseCountdown);
    state.Key("loseSequenceStarted").Boolean(flow.loseSequenceStarted);
    state.Key("boostLatch").Boolean(flow.boostLatch).Key("boostDelay").Number(flow.boostDelay);
    state.Key("controllerTimer").Number(flow.controllerTimer);
    state.Key("splashTimer").Number(flow.splashTimer);
    state.Key("bearsUnlocked").Boolean(flow.bearsUnlocked);
    state.Key("blastPlayed").Boolean(flow.blastPlayed);
    state.Key("titleDelay").Number(flow.titleDelay);
    state.Key("turningLeft").Boolean(flow.turningLeft);
    state.Key("turningRight").Boolean(flow.turningRight);
    state.Key("fullScreenOption").Boolean(flow.fullScreenOption);
    state.Key("muteMusicOption").Boolean(flow.muteMusicOption);
    state.Key("muteAllOption").Boolean(flow.muteAllOption);
    state.Key("boostCount").Number(std::int64_t{flow.boostCount});
    state.Key("mainMenuIndex").Number(std::int64_t{flow.mainMenuIndex});
    state.Key("playRunning").Boolean(flow.playRunning);
    state.Key("playCountdown").Number(flow.playCountdown);
    state.Key("riseSpeeds").Floats(flow.riseSpeeds.data(), 3);
    state.Key("waveCountdowns").Floats(flow.waveCountdowns.data(), 3);
    state.Key("showCountdown").Number(flow.showCountdown);
    state.Key("winJinglePlayed").Boolean(flow.winJinglePlayed);
    state.Key("finalMusicStarted").Boolean(flow.finalMusicStarted);
    state.Key("levelSelectChoice").String(flow.levelSelectMenu.choice);
    state.Key("pauseChoice").String(flow.pauseMenu.choice);
    state.Key("optionsChoice").String(flow.optionsMenu.choice);
    state.Key("levelSelectCursor").OptionalString(CursorName(flow.levelSelectMenu));
    state.Key("pauseCursor").OptionalString(CursorName(flow.pauseMenu));
    state.Key("optionsCursor").OptionalString(CursorName(flow.optionsMenu));
    state.Key("levelSelectBuilt").Boolean(flow.levelSelectMenu.built);
    state.Key("pauseBuilt").Boolean(flow.pauseMenu.built);
    state.Key("optionsBuilt").Boolean(flow.optionsMenu.built);

    JsonObject groups;
    groups.Key("music").Object(GroupPart(sound.Group(SoundGroup::Music)));
    groups.Key("effect").Object(GroupPart(sound.Group(SoundGroup::Effect)));
    groups.Key("player").Object(GroupPart(sound.Group(SoundGroup::Player)));
    groups.Key("blast").Object(GroupPart(sound.Group(SoundGroup::Blast)));
    JsonObject audio;
    audio.Key("musicVolume").Number(sound.musicVolume);
    audio.Key("fadeOut").Boolean(sound.fadeOut).Key("fadeIn").Boolean(sound.fadeIn);
    audio.Key("groups").Object(groups);

    JsonObject drawing;
    drawing.Key("fallOff").Boolean(graphics.fallOff);
    drawing.Key("levelCameraDistance").Number(graphics.levelCameraDistance);

    JsonObject line;
    line.Key("frame").Number(frame).Key("flow").Object(state).Key("sound").Object(audio);
    line.Key("graphics").Object(drawing).Key("loseRequest");
    if (space != nullptr) {
        line.Boolean(space->loseRequest);
    } else {
        line.Null();
    }
    return line.Text();
}

void StateWriter::WriteFlow(std::int64_t frame, const GameplaySystem& flow,
                            const SoundSystem& sound, const Graphics& graphics,
                            const Space* space) {
    std::fprintf(out, "%s\n", FlowLine(frame, flow, sound, graphics, space).c_str());
    std::fflush(out);
}

void StateWriter::WriteFrame(std::int64_t frame, const Space& space) {
    for (const auto& object : space.objects) {
        if (object != nullptr && IsWatched(object->name)) {
            std::fprintf(out, "%s\n", ObjectLine(frame, space.name, *object).c_str());
        }
    }
    std::fflush(out);
}

void StateWriter::WriteSummary(std::int64_t frame, const std::vector<std::string>& stack,
                               std::int32_t boosts) {
    JsonObject line;
    line.Key("frame").Number(frame).Key("stack").Strings(stack).Key("boosts").Number(
        std::int64_t{boosts});
    std::fprintf(out, "%s\n", line.Text().c_str());
    std::fflush(out);
}

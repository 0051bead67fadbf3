#include "components/Animation.h"

#include "Core/ContentFile.h"
#include "Core/GameObject.h"
#include "components/Sprite.h"
#include "systems/TextureRegistry.h"

namespace {

constexpr const char* FrameListFolder = "Gameplay/";

}  // namespace

void Animation::Initialize() {
    // Every line is a frame, an empty one too (it shows no picture), except the nothing after
    // the file's last line break.
    ContentFile file(FrameListFolder + AnimationList);
    std::string line;
    while (file.ReadLine(line)) {
        frames.push_back(line);
    }
}

void Animation::Step() {
    if (frames.empty()) {
        return;
    }
    if (!started) {
        current = 0;
        started = true;
    }
    if (static_cast<float>(tickCount) >= AnimationComponentSpeed) {
        const bool last = current + 1 == frames.size();
        if (last && !Loopable) {
            return;
        }
        if (last) {
            // Round to the first frame and one further; a list of one frame stays on it.
            current = frames.size() > 1 ? 1 : 0;
        } else {
            current += 1;
        }
        tickCount = 0;
    }
    if (auto* sprite = owner->GetComponent<Sprite>()) {
        sprite->texture = TextureRegistry::GetTexture(frames[current]);
    }
    tickCount += 1;
}

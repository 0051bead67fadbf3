#include "audio/Result.h"

#include <array>

namespace audio {

namespace {
constexpr std::array<const char*, 11> Texts = {
    "No errors.",
    "An invalid parameter was passed to this function.",
    "An invalid object handle was used.",
    "The audio system has not been initialised.",
    "The audio system has already been initialised.",
    "No audio output device could be opened; the game runs without sound.",
    "File not found.",
    "Unsupported file or audio data format.",
    "Error reading the file.",
    "Not enough memory or output resources.",
    "The audio output reported an internal error.",
};
}  // namespace

const char* ErrorText(int code) {
    if (code < 0 || code >= static_cast<int>(Texts.size())) {
        return "Unknown error.";
    }
    return Texts[static_cast<std::size_t>(code)];
}

}  // namespace audio

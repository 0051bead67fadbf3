#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Core/LoadMode.h"

class Space;

// Changing levels. Every level and screen is a space read from a level file; loading a name
// pushes a new space onto the engine's stack or returns to one already on it. Loads happen
// inside a frame, from system updates and message handlers, and take effect at once. The
// sound and camera steps of loading are the systems' engine hooks.

// The level file of a level file name, relative to the content folder.
std::string LevelPath(std::string_view fileName);

// Returns to the space of that name if the stack holds one (letter case ignored, searching from
// the bottom), removing every space above it and following its camera again; otherwise creates
// it from the level list's file, stopping every sound first when it is a playable level.
// Either way every component of the current space then receives OnLevelStart.
void LoadLevel(const std::string& name, LoadMode mode);

// A new space read from the file, with the five systems in their order, its background music
// started when it is the main menu or a playable level.
std::unique_ptr<Space> CreateSpace(const std::string& name, const std::string& fileName,
                                   LoadMode mode);

// Stops every sound channel and plays the space's background music from the start.
void RestartMusic(Space& space);

// Stops the effect and player sounds, destroys the space's objects and reads them again from
// its file: same space, same name, mode and systems.
void RestartLevel(Space& space);

// Whether the current space has exactly this name.
bool IsCurrentSpace(const std::string& name);

#pragma once

#include "Core/LevelReader.h"

// The level editor's keys for every component class: the line that opens each class's
// section, the line that sets each field and how its value is read, and the order in which an
// object's components are initialised.
const LevelKeyTable& ComponentLevelKeys();

// Hands those keys to the level reader. Every program that reads levels calls it once before
// the first read.
void InstallLevelKeys();

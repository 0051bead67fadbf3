#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "Core/GameObject.h"
#include "Core/LevelReader.h"
#include "Core/Space.h"
#include "support/ScratchFolder.h"

// The content folder of the test levels: tests/levels, laid out as the game's working
// directory ("Gameplay/Levels.txt", "TandrelLevelDesigner/Content/*.Level.data").
inline std::filesystem::path TestContent() {
    return VELMORA_TEST_LEVELS;
}

inline std::string TestLevel(const std::string& fileName) {
    return (TestContent() / "TandrelLevelDesigner/Content" / (fileName + ".Level.data")).string();
}

// The lines the level editor writes before the objects; the reader skips them unread.
inline std::string EditorHeader() {
    std::string header = "Level =\n{\n";
    for (int line = 3; line <= LevelReader::EditorHeaderLines; ++line) {
        header += "  int EditorSetting = 0,\n";
    }
    return header;
}

// The component of class T on the object found under that name; throws, failing the test,
// when there is no such object or component.
template <typename T>
T& Get(const Space& space, const std::string& objectName) {
    GameObject* object = space.FindObject(objectName);
    T* component = object == nullptr ? nullptr : object->FindComponent<T>();
    if (component == nullptr) {
        throw std::runtime_error("no such component on \"" + objectName + "\"");
    }
    return *component;
}

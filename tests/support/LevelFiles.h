#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "Core/GameObject.h"
#include "Core/Space.h"

// The content folder of the test levels: tests/levels, laid out as the game's working
// directory ("Gameplay/Levels.txt", "TandrelLevelDesigner/Content/*.Level.data").
inline std::filesystem::path TestContent() {
    return VELMORA_TEST_LEVELS;
}

inline std::string TestLevel(const std::string& fileName) {
    return (TestContent() / "TandrelLevelDesigner/Content" / (fileName + ".Level.data")).string();
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The 138 lines the level editor writes before the objects; the reader skips them unread.
inline std::string EditorHeader() {
    std::string header = "Level =\n{\n";
    for (int line = 3; line <= 138; ++line) {
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

// A folder of its own for one test's files, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               (std::string("velmora-") + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Write(const std::string& name, const std::string& bytes) const {
        WriteBytes(path / name, bytes);
        return (path / name).string();
    }

    std::filesystem::path path;
};

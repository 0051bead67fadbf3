#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "Core/Engine.h"
#include "Core/LevelLoader.h"
#include "Core/LevelReader.h"
#include "Core/Space.h"
#include "components/LevelKeys.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

// One physics frame of a level of many turning gears and boxes, with the player riding among
// them: the component pass over every object and the player's contact pass.
namespace {

std::string Place(float x, float y) {
    std::ostringstream text;
    // The reader doubles x and y.
    text << "Transform =\n{\nVec3 Translation = [" << x / 2.0f << ", " << y / 2.0f
         << ", 0],\nVec3 Scale = [1, 1, 1],\n}\n";
    return text.str();
}

std::string Object(const std::string& name, const std::string& sections) {
    return "GameObject =\n{\nstring Name = \"" + name + "\",\n" + sections + "}\n";
}

// A grid of gears close enough for the player to switch from one to the next, a row of boxes
// under every row of gears, and the player on the first gear.
std::string Level(int columns, int rows) {
    std::string text = "Level =\n{\n";
    for (int line = 3; line <= LevelReader::EditorHeaderLines; ++line) {
        text += "  int EditorSetting = 0,\n";
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const float x = static_cast<float>(column) * 5.6f;
            const float y = static_cast<float>(row) * 8.0f;
            const std::string turn = (column + row) % 2 == 0 ? "-0.05" : "0.05";
            text +=
                Object("gear", Place(x, y) + "RigidBodyComponent =\n{\nfloat RotSpeed = " + turn +
                                   ",\nfloat RotationVelocityCap = 1,\n}\n"
                                   "GearColliderComponent =\n{\n"
                                   "float GearColliderFullRadius = 2,\n"
                                   "float GearColliderBellyRadius = 1.8,\n"
                                   "int GearColliderNumTeeth = 12,\n}\n");
            text += Object("box", Place(x + 2.8f, y - 4.0f) +
                                      "RigidBodyComponent =\n{\n}\n"
                                      "BoxColliderComponent =\n{\n"
                                      "Vec3 BoxColliderSize = [1, 0.5, 1],\n}\n");
        }
    }
    text += Object("velmo", Place(0.0f, 3.0f) +
                                "RigidBodyComponent =\n{\nbool Gravity = true,\n"
                                "float Speed = 1,\nfloat VelocityCap = 1,\n}\n"
                                "MovingGearColliderComponent =\n{\n"
                                "float MovingGearColliderFullRadius = 1,\n"
                                "float MovingGearColliderBellyRadius = 0.8,\n"
                                "int MovingGearColliderNumTeeth = 8,\n}\n"
                                "BoxColliderComponent =\n{\n}\nInputComponent =\n{\n}\n");
    return text + "}\n";
}

void PhysicsFrame(benchmark::State& state) {
    const int columns = static_cast<int>(state.range(0));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "velmora-physics-benchmark.Level.data";
    std::ofstream(path) << Level(columns, columns);

    InstallLevelKeys();
    Engine& engine = Engine::Instance();
    for (const std::shared_ptr<System>& system : std::vector<std::shared_ptr<System>>{
             std::make_shared<Window>(), std::make_shared<SoundSystem>(),
             std::make_shared<Physics>(), std::make_shared<Graphics>(),
             std::make_shared<GameplaySystem>()}) {
        engine.AddSystem(system);
    }
    engine.spaces.push_back(
        std::make_unique<Space>(LoadMode::PlayableLevel, "bench", path.string()));
    Space* space = engine.CurrentSpace();
    const auto physics = GetSystem<Physics>();

    for (auto _ : state) {
        physics->Update(Space::FixedStep, space);
        benchmark::ClobberMemory();
    }
    state.counters["objects"] = static_cast<double>(space->objects.size());
    state.SetItemsProcessed(state.iterations() * static_cast<long>(space->objects.size()));

    engine.DestroySpaces();
    engine.Shutdown();
    std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(PhysicsFrame)->Arg(4)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // No sound card is needed to measure the physics.
    ::setenv("ALSOFT_DRIVERS", "null", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

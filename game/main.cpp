#include <iostream>
#include <memory>

#include "Core/Engine.h"
#include "components/LevelKeys.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

// The game takes no arguments and reads its content from the working directory.
int main() {
    // The engine runs, but the game's screens and levels are not there yet: say so plainly.
    std::cout << "Velmora: the game's screens and levels are still to come; the window shows "
                 "the engine running an empty screen. Close it and press Y to quit."
              << std::endl;
    InstallLevelKeys();
    Engine::Instance().Run({std::make_shared<Window>(), std::make_shared<SoundSystem>(),
                            std::make_shared<Physics>(), std::make_shared<Graphics>(),
                            std::make_shared<GameplaySystem>()});
    return 0;
}

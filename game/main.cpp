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
    InstallLevelKeys();
    Engine::Instance().Run({std::make_shared<Window>(), std::make_shared<SoundSystem>(),
                            std::make_shared<Physics>(), std::make_shared<Graphics>(),
                            std::make_shared<GameplaySystem>()});
    return 0;
}

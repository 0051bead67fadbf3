#include <memory>

#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "support/EngineFixture.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

namespace {

class SystemRegistryTest : public EngineTest {};

TEST_F(SystemRegistryTest, GetSystemFindsTheClassByTypeId) {
    Engine& engine = Engine::Instance();
    engine.AddSystem(std::make_shared<SoundSystem>());
    engine.AddSystem(std::make_shared<GameplaySystem>());
    EXPECT_EQ(GetSystem<GameplaySystem>()->Name(), "GameplaySystem");
    EXPECT_EQ(GetSystem<GameplaySystem>()->Mask(), 0x01u);
    EXPECT_EQ(GetSystem<SoundSystem>()->Name(), "SoundSystem");
    EXPECT_EQ(GetSystem<SoundSystem>()->Mask(), 0x08u);
}

}  // namespace

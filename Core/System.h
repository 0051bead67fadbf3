#pragma once

#include <cstdint>
#include <string>

class Space;

// One of the five engine systems. Each derived class fixes its type id (0 to 4), display name
// and mask bit, and publishes them as TypeId and MaskBit for GetSystem and the spaces' masks.
class System {
public:
    System(std::int32_t typeId, std::string name, std::uint32_t mask);
    System(const System&) = delete;
    System& operator=(const System&) = delete;
    virtual ~System() = default;

    // One-time start-up, after all five systems exist.
    virtual void Initialize() = 0;
    // One frame of work on the space being stepped.
    virtual void Update(float dt, Space* space) = 0;
    // One-time tear-down at exit, after every space is gone.
    virtual void Shutdown() = 0;

    std::int32_t TypeId() const { return typeId; }
    const std::string& Name() const { return name; }
    std::uint32_t Mask() const { return mask; }

private:
    std::int32_t typeId;
    std::string name;
    std::uint32_t mask;
};

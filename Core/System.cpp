#include "Core/System.h"

System::System(std::int32_t typeId, std::string name, std::uint32_t mask)
    : typeId(typeId), name(std::move(name)), mask(mask) {}

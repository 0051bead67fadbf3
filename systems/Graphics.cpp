#include "systems/Graphics.h"

Graphics::Graphics() : System(TypeId, "GraphicsSystem", MaskBit) {}

void Graphics::Initialize() {}

void Graphics::Update(float, Space*) {}

void Graphics::Shutdown() {}

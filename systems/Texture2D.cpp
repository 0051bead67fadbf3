#include "systems/Texture2D.h"

// A texture is a handle and a size; the image upload comes with the renderer.

#include "components/SoundEmitter.h"

// An emitter is data: the parts that play a sound take its cell and channel slot.

#include "components/ParticleEmmiter.h"

void ParticleEmmiter::Reset() {
    particles.clear();
}

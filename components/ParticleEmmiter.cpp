#include "components/ParticleEmmiter.h"

void ParticleEmmiter::Reset() {
    particles.clear();
}

void ParticleEmmiter::Advance(float) {}

void ParticleEmmiter::DrawStep(float) {}

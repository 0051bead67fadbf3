#include "Core/Observer.h"

void Observer::OnBoost(BoostMessage*) {}
void Observer::OnCameraArrived(Message*) {}
void Observer::OnLevelStart(Message*) {}
void Observer::OnTeleportDone(Message*) {}
void Observer::OnCollision(CollisionMessage*) {}
void Observer::OnUpdate(UpdateMessage*) {}

void Observer::AddAction(const Action& action) {
    actions.push_back(action.Clone());
}

void Observer::UpdateActions(float dt) {
    for (auto it = actions.begin(); it != actions.end();) {
        if ((*it)->finished) {
            it = actions.erase(it);
        } else {
            (*it)->Update(dt);
            ++it;
        }
    }
}

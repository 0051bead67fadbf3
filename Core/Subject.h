#pragma once

#include <vector>

#include "Core/Observer.h"

// Something whose observers receive its messages: a game object's observers are its components.
class Subject {
public:
    virtual ~Subject() = default;

    // Sends one message to every observer in order. Delivery ends at a null entry or as soon
    // as a handler has set the record's stop flag.
    template <typename Record>
    void Notify(void (Observer::*handler)(Record*), Record* message) const {
        for (Observer* observer : observers) {
            if (observer == nullptr || message->stop) {
                return;
            }
            (observer->*handler)(message);
        }
    }

    // Not owned.
    std::vector<Observer*> observers;
};

// How the transfer thread reaches the GUI thread: queued calls on an object that lives there.
// Posted calls and blocking calls share one queue, so they run in the order they were made.
#pragma once

#include <QObject>

#include "ports.h"

class QtMainThread : public IMainThread {
public:
    // Create it on the GUI thread.
    QtMainThread() = default;
    void post(std::function<void()> fn) override;
    // From the GUI thread itself the call runs at once.
    void invokeBlocking(std::function<void()> fn) override;
    void processEvents() override;

private:
    QObject m_context;
};

#pragma once

namespace montora {

// A background worker the main window must stop and wait for before it goes away
// (the photo import). requestStop() only asks; join() returns once the worker's
// thread has ended.
class StoppableWorker {
public:
    virtual ~StoppableWorker() = default;
    virtual bool isRunning() const = 0;
    virtual void requestStop() = 0;
    virtual void join() = 0;
};

} // namespace montora

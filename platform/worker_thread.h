// Work run in a thread of its own while the calling thread waits in a local event loop.
#pragma once

#include <QObject>

#include <functional>

class QEventLoop;
class QThread;

namespace kx {

// One piece of work at a time. While it runs, the calling thread keeps handling events in a
// local loop, so its windows stay responsive and queued signals arrive on it. The work must
// touch no widget and show no message.
class WorkerThread : public QObject
{
public:
    using QObject::QObject;
    // Waits for running work, so that nothing it uses goes before it ends.
    ~WorkerThread() override;

    // Returns once work has ended. False when work was already running, or when this object
    // was destroyed while waiting: the caller must not touch what owned it then.
    bool run(const std::function<void()> &work);
    bool isRunning() const { return m_thread != nullptr; }

private:
    QThread *m_thread = nullptr;
    QEventLoop *m_loop = nullptr;
};

} // namespace kx

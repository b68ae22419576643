// Work in a thread of its own, waited for in a local event loop.
#include "platform/worker_thread.h"

#include <QEventLoop>
#include <QPointer>
#include <QThread>

namespace kx {

WorkerThread::~WorkerThread()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    if (m_loop)
        m_loop->quit();
}

bool WorkerThread::run(const std::function<void()> &work)
{
    if (m_thread)
        return false;
    QPointer<WorkerThread> self(this);
    QEventLoop loop;
    m_loop = &loop;
    m_thread = QThread::create(work);
    connect(m_thread, &QThread::finished, &loop, &QEventLoop::quit);
    m_thread->start();
    loop.exec();
    // Destroyed while waiting: the destructor waited for the work; nothing here is ours now.
    if (!self)
        return false;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_loop = nullptr;
    return true;
}

} // namespace kx

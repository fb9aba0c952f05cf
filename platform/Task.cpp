#include "platform/Task.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <exception>
#include <mutex>

namespace platform {

struct TaskState
{
    CancelFlag cancel;
    std::atomic_bool finished = false;
};

namespace {

std::atomic_int s_active = 0;
std::mutex s_reporterMutex;
Task::ErrorReporter s_reporter;

QString describe(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Bilinmeyen hata");
    }
}

void report(const std::exception_ptr &error)
{
    Task::ErrorReporter reporter;
    {
        std::lock_guard lock(s_reporterMutex);
        reporter = s_reporter;
    }
    const QString text = describe(error);
    if (reporter)
        reporter(text);
    else
        qWarning("Unhandled task error: %s", qPrintable(text));
}

// Waits for a condition; on the UI thread a local loop keeps posted calls flowing so that
// completions and blocking hand-overs can run while we wait.
bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(timeoutMs));
    if (!Task::isUiThread()) {
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(5);
        }
        return true;
    }
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(5);
    while (!done() && !deadline.hasExpired())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return done();
}

} // namespace

void TaskHandle::cancel() const
{
    if (m_state)
        m_state->cancel.cancel();
}

bool TaskHandle::isCancelled() const
{
    return m_state && m_state->cancel.isCancelled();
}

bool TaskHandle::isFinished() const
{
    return !m_state || m_state->finished.load();
}

bool TaskHandle::wait(int timeoutMs) const
{
    return waitUntil([this] { return isFinished(); }, timeoutMs);
}

bool Task::isUiThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

Task::ErrorReporter Task::setErrorReporter(ErrorReporter reporter)
{
    std::lock_guard lock(s_reporterMutex);
    std::swap(s_reporter, reporter);
    return reporter;
}

int Task::activeCount()
{
    return s_active.load();
}

bool Task::waitForAll(int timeoutMs)
{
    return waitUntil([] { return s_active.load() == 0; }, timeoutMs);
}

QThreadPool *Task::pool()
{
    // Task bodies mostly wait on the network (connection checks pause up to 5.5 s), so the pool
    // is wider than the core count. It is never destroyed: a body still waiting at exit must not
    // hold the process up.
    static QThreadPool *const taskPool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(16);
        return p;
    }();
    return taskPool;
}

TaskHandle Task::start(QObject *context, Body body, Completion completion)
{
    auto state = std::make_shared<TaskState>();
    const bool bound = context != nullptr;
    QPointer<QObject> guard(context);
    ++s_active;
    pool()->start([state, bound, guard, body = std::move(body),
                   completion = std::move(completion)]() mutable {
        std::exception_ptr error;
        try {
            body(state->cancel);
        } catch (...) {
            error = std::current_exception();
        }
        auto finish = [state, bound, guard, completion = std::move(completion), error] {
            if (!bound || guard) {
                try {
                    if (completion)
                        completion();
                } catch (...) {
                    report(std::current_exception());
                }
            }
            if (error)
                report(error);
            state->finished = true;
            --s_active;
        };
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, std::move(finish), Qt::QueuedConnection);
        else
            finish();
    });
    return TaskHandle(state);
}

void Task::handOver(const std::function<void()> &fn)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || isUiThread()) {
        fn();
        return;
    }
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        app,
        [&] {
            try {
                fn();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

} // namespace platform

#pragma once

#include "platform/CancelFlag.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

class QObject;
class QThreadPool;

namespace platform {

struct TaskState;

// What the starter keeps of a running task: ask it to stop, see whether it is over.
class TaskHandle
{
public:
    TaskHandle() = default;

    void cancel() const;
    bool isCancelled() const;
    // True once the body has ended and its completion step has run or been dropped.
    bool isFinished() const;
    // Waits until finished; on the UI thread it keeps delivering completions and hand-overs
    // (not user input) meanwhile. False on time-out. A negative time-out waits without limit.
    bool wait(int timeoutMs = -1) const;

private:
    friend class Task;
    explicit TaskHandle(std::shared_ptr<TaskState> state) : m_state(std::move(state)) {}
    std::shared_ptr<TaskState> m_state;
};

// Worker tasks. A body runs on the task pool; its completion step is queued to the UI
// thread and dropped when the context object has died by then. A body that throws still gets
// its completion step; the error text then goes to the error reporter on the UI thread, the
// way an uncaught error reached the general error report.
class Task
{
public:
    using Body = std::function<void(const CancelFlag &)>;
    using Completion = std::function<void()>;
    using ErrorReporter = std::function<void(const QString &message)>;

    // body: callable taking `const CancelFlag &` or nothing. context may be null (no binding).
    template<class B>
    static TaskHandle run(QObject *context, B &&body, Completion completion = {})
    {
        if constexpr (std::is_invocable_v<B &, const CancelFlag &>)
            return start(context, Body(std::forward<B>(body)), std::move(completion));
        else
            return start(context,
                         [b = std::forward<B>(body)](const CancelFlag &) mutable { b(); },
                         std::move(completion));
    }

    // Runs fn on the UI thread and waits for it; called on the UI thread it just runs fn.
    // An exception from fn is raised again on the caller's thread. The UI thread must not be
    // blocked waiting for the caller meanwhile (use TaskHandle::wait, which keeps it serving).
    template<class F>
    static std::invoke_result_t<F &> runOnUiAndWait(F &&fn)
    {
        using R = std::invoke_result_t<F &>;
        if constexpr (std::is_void_v<R>) {
            handOver(std::function<void()>([&fn] { fn(); }));
        } else {
            std::optional<R> result;
            handOver(std::function<void()>([&fn, &result] { result.emplace(fn()); }));
            return std::move(*result);
        }
    }

    static bool isUiThread();

    // Where errors of bodies and completion steps go; the default writes a warning.
    static ErrorReporter setErrorReporter(ErrorReporter reporter);

    // Tasks started and not yet finished (completion step included).
    static int activeCount();
    // Test helper: waits until every task has finished, serving the UI thread meanwhile.
    static bool waitForAll(int timeoutMs = 30000);

    static QThreadPool *pool();

private:
    static TaskHandle start(QObject *context, Body body, Completion completion);
    static void handOver(const std::function<void()> &fn);
};

} // namespace platform

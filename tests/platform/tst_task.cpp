#include "platform/Task.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <stdexcept>

class TestTask : public QObject
{
    Q_OBJECT

    QStringList m_reported;
    platform::Task::ErrorReporter m_previousReporter;

private Q_SLOTS:
    void initTestCase()
    {
        m_previousReporter = platform::Task::setErrorReporter(
            [this](const QString &message) { m_reported << message; });
    }

    void cleanupTestCase() { platform::Task::setErrorReporter(m_previousReporter); }

    void init() { m_reported.clear(); }

    void cleanup() { QVERIFY(platform::Task::waitForAll(5000)); }

    void completionRunsOnUiThreadAfterBody()
    {
        QObject context;
        QStringList steps;
        QThread *bodyThread = nullptr;
        QThread *completionThread = nullptr;
        const platform::TaskHandle handle = platform::Task::run(
            &context,
            [&] {
                bodyThread = QThread::currentThread();
                steps << QStringLiteral("body");
            },
            [&] {
                completionThread = QThread::currentThread();
                steps << QStringLiteral("completion");
            });
        QVERIFY(platform::Task::waitForAll(5000));
        QVERIFY(handle.isFinished());
        QCOMPARE(steps, (QStringList{"body", "completion"}));
        QVERIFY(bodyThread != qApp->thread());
        QCOMPARE(completionThread, qApp->thread());
        QCOMPARE(platform::Task::activeCount(), 0);
    }

    void completionDroppedWhenContextDies()
    {
        auto *context = new QObject;
        QSemaphore release;
        bool completed = false;
        const platform::TaskHandle handle = platform::Task::run(
            context, [&] { release.acquire(); }, [&] { completed = true; });
        delete context;
        release.release();
        QVERIFY(handle.wait(5000));
        QVERIFY(!completed);
        QCOMPARE(platform::Task::activeCount(), 0);
    }

    void cancelFlagReachesBody()
    {
        QSemaphore started;
        const platform::TaskHandle handle = platform::Task::run(nullptr, [&](const platform::CancelFlag &cancel) {
            started.release();
            while (!cancel.isCancelled()) {
                QThread::msleep(1);
            }
        });
        started.acquire();
        QVERIFY(!handle.isFinished());
        handle.cancel();
        QVERIFY(handle.wait(5000));
        QVERIFY(handle.isCancelled());
    }

    void failingBodyStillCompletesThenReports()
    {
        QObject context;
        QStringList steps;
        platform::Task::setErrorReporter([&](const QString &message) { steps << "report:" + message; });
        platform::Task::run(
            &context, [] { throw std::runtime_error("sunucu yok"); },
            [&] { steps << QStringLiteral("completion"); });
        QVERIFY(platform::Task::waitForAll(5000));
        platform::Task::setErrorReporter([this](const QString &message) { m_reported << message; });
        QCOMPARE(steps, (QStringList{"completion", "report:sunucu yok"}));
    }

    void runOnUiAndWaitFromWorker()
    {
        QThread *ranOn = nullptr;
        int answer = 0;
        QString error;
        platform::Task::run(nullptr, [&] {
            answer = platform::Task::runOnUiAndWait([&] {
                ranOn = QThread::currentThread();
                return 42;
            });
            try {
                platform::Task::runOnUiAndWait([] { throw std::runtime_error("ui tarafinda hata"); });
            } catch (const std::runtime_error &e) {
                error = QString::fromUtf8(e.what());
            }
        });
        QVERIFY(platform::Task::waitForAll(5000));
        QCOMPARE(ranOn, qApp->thread());
        QCOMPARE(answer, 42);
        QCOMPARE(error, QStringLiteral("ui tarafinda hata"));
        QVERIFY(m_reported.isEmpty());
    }

    void runOnUiAndWaitOnUiThreadRunsInline()
    {
        bool ran = false;
        platform::Task::runOnUiAndWait([&] { ran = true; });
        QVERIFY(ran);
        QVERIFY(platform::Task::isUiThread());
    }

    void handleWaitServesHandOversOnUiThread()
    {
        // The UI thread waits on the task while the task hands work back to it.
        int value = 0;
        const platform::TaskHandle handle = platform::Task::run(
            nullptr, [&] { value = platform::Task::runOnUiAndWait([] { return 7; }); });
        QVERIFY(handle.wait(5000));
        QCOMPARE(value, 7);
    }
};

QTEST_GUILESS_MAIN(TestTask)
#include "tst_task.moc"

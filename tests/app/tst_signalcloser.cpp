#include "app/SignalCloser.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>

class tst_SignalCloser : public QObject
{
    Q_OBJECT

private slots:
    void signalClosesWindow_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalClosesWindow()
    {
        QFETCH(int, signalNumber);
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SignalCloser closer(&window);
        QVERIFY(closer.isActive());
        QSignalSpy requested(&closer, &SignalCloser::shutdownRequested);

        ::raise(signalNumber);
        QVERIFY(requested.wait());
        QCOMPARE(requested.count(), 1);
        QVERIFY(!window.isVisible());
    }

    void signalEndsModalDialog()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SignalCloser closer(&window);
        QDialog dialog(&window);
        QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        dialog.exec(); // returns only because the signal closed it
        QVERIFY(!dialog.isVisible());
        QTRY_VERIFY(!window.isVisible());
    }

    void handlersRestored()
    {
        struct sigaction before = {};
        sigaction(SIGTERM, nullptr, &before);
        {
            QWidget window;
            SignalCloser closer(&window);
            struct sigaction during = {};
            sigaction(SIGTERM, nullptr, &during);
            QVERIFY(during.sa_handler != before.sa_handler);

            // A second instance cannot take the handlers over.
            QTest::ignoreMessage(QtWarningMsg,
                                 "SignalCloser: only one instance can own the signal handlers");
            SignalCloser second(&window);
            QVERIFY(!second.isActive());
        }
        struct sigaction after = {};
        sigaction(SIGTERM, nullptr, &after);
        QVERIFY(after.sa_handler == before.sa_handler);
    }

    void sessionEndClosesWindow()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SignalCloser closer(&window);
        QMetaObject::invokeMethod(qApp, "aboutToQuit");
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(tst_SignalCloser)
#include "tst_signalcloser.moc"

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

    void signalBeforeWindowIsRemembered()
    {
        SignalCloser closer(nullptr);
        QSignalSpy requested(&closer, &SignalCloser::shutdownRequested);
        ::raise(SIGTERM);
        QVERIFY(requested.wait());
        QVERIFY(closer.isShutdownRequested());
        QWidget window;
        closer.setWindow(&window);
        QVERIFY(closer.isShutdownRequested());
    }

    void signalDuringStartupSavesSettings_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalDuringStartupSavesSettings()
    {
        // The program itself, signalled while its window is still being built (the splash is
        // up for three seconds): it used to die of the signal without writing its settings.
        QFETCH(int, signalNumber);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=true"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        QByteArray output;
        connect(&program, &QProcess::readyRead, this, [&] { output += program.readAll(); });
        program.start(QStringLiteral(LUMIVEX_APP_BINARY), QStringList());
        QVERIFY(program.waitForStarted());
        // The screen is measured after the handlers are set up and before the window is built.
        QTRY_VERIFY_WITH_TIMEOUT(output.contains("screen_mm_pixel"), 30000);
        QCOMPARE(::kill(pid_t(program.processId()), signalNumber), 0);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(QFileInfo(home.filePath(QStringLiteral("data/lumivexpro/Measure.config"))).size() >
                     0,
                 output.constData());
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

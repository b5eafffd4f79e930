#pragma once

#include "app/DeviceProfile.h"
#include "app/Specula.h"
#include "media/CameraLabel.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"

#include "RequireChild.h"

#include <QDir>
#include <QStandardPaths>
#include <QtTest>

/// The base of the tests that drive the main window. Each test function gets a window of its
/// own, built on wiped settings and folders, so that nothing one test leaves behind reaches
/// the next; the data rows of one function share its window, in order. The windows skip the
/// splash wait.
class WindowTest : public QObject
{
protected:
    /// Frames and encoding are slow under sanitizers and on a loaded machine.
    static constexpr int kWait = 30000;

    ~WindowTest() override { delete m_window; }

    /// For initTestCase: Qt's test folders (a user's own settings are never touched) and the
    /// device profiles.
    static void prepare()
    {
        // Qt's test folders lie under the home folder, named after the test program: two runs of
        // one test at once (from two checkouts) wiped each other's settings and videos. Each run
        // has a home of its own, removed when it ends.
        static QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        if (g_supportDevice.isEmpty())
            initSetting();
    }

    /// For init(): false on the data rows after a test function's first, which go on with the
    /// window and state the rows before them left.
    bool newTestFunction()
    {
        const QByteArray function = QTest::currentTestFunction();
        if (m_window && function == m_function)
            return false;
        m_function = function;
        return true;
    }
    /// A new window on wiped settings. `size` invalid: the window's own size.
    bool freshWindow(QSize size = QSize(1200, 800))
    {
        closeWindow();
        QDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation)).removeRecursively();
        beforeWindow();
        return openWindow(size);
    }
    /// Called by freshWindow between the wipe and the new window.
    virtual void beforeWindow() {}

    /// A new window on the settings the last one wrote as it closed.
    bool restart(QSize size = QSize())
    {
        closeWindow();
        return openWindow(size);
    }
    void closeWindow()
    {
        delete m_window;
        m_window = nullptr;
    }

    template <typename T> T *child(const char *name) const
    {
        return requireChild<T>(m_window, name);
    }
    CameraScene *scene() const { return child<CameraViewer>("camViewer")->scene(); }
    /// The four-view page's tiles, 0 to 3.
    CameraLabel *tile(int i) const
    {
        return child<CameraLabel>(qPrintable(QStringLiteral("labelView%1").arg(i + 1)));
    }
    /// Waits until the scene shows a frame of that size.
    bool sceneShows(QSize size) const
    {
        return QTest::qWaitFor(
            [&] {
                return scene()->sceneRect().size().toSize() == size && scene()->frameBufferData();
            },
            kWait);
    }

    Specula *m_window = nullptr;

private:
    bool openWindow(QSize size)
    {
        m_window = new Specula(nullptr, 0);
        if (size.isValid())
            m_window->resize(size);
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window);
    }

    QByteArray m_function;
};

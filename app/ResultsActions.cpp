#include "app/ResultsActions.h"

#include "app/MessageBox.h"
#include "config/Preferences.h"
#include "media/PictureWriter.h"
#include "media/ResultsCsv.h"
#include "scene/CameraScene.h"
#include "scene/MeasureResults.h"
#include "scene/ResultsWindow.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QWidget>

ResultsActions::ResultsActions(QWidget *host, CameraScene *scene)
    : QObject(host)
    , m_host(host)
    , m_scene(scene)
    , m_results(new MeasureResults(scene))
    , m_open(new QAction(host))
    , m_saveWith(new QAction(host))
{
    m_open->setObjectName(QStringLiteral("actionResults"));
    m_saveWith->setObjectName(QStringLiteral("actionSaveResults"));
    m_open->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_R));
    m_open->setShortcutContext(Qt::WindowShortcut);
    // On the host, so that the shortcut works whether or not a menu shows the entry.
    host->addAction(m_open);
    m_saveWith->setCheckable(true);
    m_saveWith->setChecked(Preferences::saveResultsWithCaptures());
    connect(m_open, &QAction::triggered, this, &ResultsActions::showWindow);
    connect(m_saveWith, &QAction::toggled, this, [](bool on) {
        // Written only when it differs: an unreadable file is left alone until a real change.
        if (on != Preferences::saveResultsWithCaptures())
            Preferences::setSaveResultsWithCaptures(on);
    });
    host->installEventFilter(this);
    retranslate();
}

void ResultsActions::retranslate()
{
    m_open->setText(tr("测量结果…"));
    m_saveWith->setText(tr("随图片保存测量结果"));
}

bool ResultsActions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host) {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        // Another host may have changed the shared preference meanwhile.
        else if (event->type() == QEvent::WindowActivate)
            m_saveWith->setChecked(Preferences::saveResultsWithCaptures());
    }
    return QObject::eventFilter(watched, event);
}

void ResultsActions::addTo(QMenu *menu)
{
    menu->addSeparator();
    menu->addAction(m_open);
    menu->addAction(m_saveWith);
}

ResultsWindow *ResultsActions::window()
{
    if (!m_window)
        m_window = new ResultsWindow(m_results, m_host);
    return m_window;
}

void ResultsActions::showWindow()
{
    ResultsWindow *w = window();
    w->show();
    w->raise();
    w->activateWindow();
}

QByteArray ResultsActions::captureResults() const
{
    if (m_scene->isEmpty() || !Preferences::saveResultsWithCaptures())
        return QByteArray();
    return ResultsCsv::csv(*m_results);
}

QString ResultsActions::failureText(const QString &csvPath)
{
    return tr("图片已保存，但测量结果未能保存：%1").arg(QDir::toNativeSeparators(csvPath));
}

void ResultsActions::watch(PictureWriter *writer)
{
    connect(writer, &PictureWriter::resultsFailed, this, [this](const QString &csvPath) {
        MessageBox::information(m_host, QString(), failureText(csvPath));
    });
}

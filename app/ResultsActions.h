#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class CameraScene;
class MeasureResults;
class PictureWriter;
class QAction;
class QMenu;
class QWidget;
class ResultsWindow;

/// The results table of one scene host (the main window's live scene, the editor's scene):
/// the "Results…" entry (Ctrl+R) that opens its tool window, the checkable "Save results with
/// pictures" entry (a preference of the INI file, shared by all hosts) and the CSV that goes
/// with a stored picture. GUI thread only; the host owns it.
class ResultsActions final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ResultsActions)

public:
    ResultsActions(QWidget *host, CameraScene *scene);

    /// Appends a separator and both entries to `menu` (after what it holds).
    void addTo(QMenu *menu);
    QAction *openAction() const { return m_open; }
    QAction *saveWithPicturesAction() const { return m_saveWith; }
    /// The window, made on first use.
    ResultsWindow *window();
    void showWindow();

    /// The CSV to store beside a picture of the scene now: empty unless the preference is on
    /// and the scene holds a measurement.
    QByteArray captureResults() const;
    /// Reports the tables that `writer` could not write, in a box on the host.
    void watch(PictureWriter *writer);
    /// The report of a table that could not be written beside its picture.
    static QString failureText(const QString &csvPath);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();

    QWidget *m_host;
    CameraScene *m_scene;
    MeasureResults *m_results;
    QAction *m_open;
    QAction *m_saveWith;
    QPointer<ResultsWindow> m_window;
};

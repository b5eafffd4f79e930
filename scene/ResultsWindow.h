#pragma once

#include <QString>
#include <QWidget>

class CameraScene;
class GraphicsItem;
class MeasureResults;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTimer;

/// The results table of one scene in a tool window of its host: every measurement with its
/// figures, a summary per kind and figure (count, mean, standard deviation, minimum,
/// maximum), CSV export and a copy for spreadsheets.
///
/// A row picked in the table picks its item in the scene and the reverse. The summary is
/// recomputed once per turn of the event loop and only while the window shows, so a drag
/// costs one row. GUI thread only; the export writes on a worker thread.
class ResultsWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ResultsWindow)

public:
    ResultsWindow(MeasureResults *results, QWidget *host);

    QTableView *table() const { return m_table; }

    /// Asks for a file (starting at the suggested path) and writes the CSV there on a worker
    /// thread; exported() tells the outcome.
    void exportCsv();
    /// The table as tab-separated text with its header row, for spreadsheets.
    void copyToClipboard();
    /// Where the export dialog starts; the hosts offer the picture's own CSV name.
    void setSuggestedPath(const QString &path) { m_suggested = path; }

signals:
    /// An export finished; ok is false when the file could not be written (also shown).
    void exported(const QString &path, bool ok);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void scheduleSummary();
    void updateSummary();
    void onRowPicked();
    void onItemPicked(GraphicsItem *item);

    MeasureResults *m_results;
    CameraScene *m_scene;
    QTableView *m_table;
    QLabel *m_summaryTitle;
    QTableWidget *m_summary;
    QPushButton *m_export;
    QPushButton *m_copy;
    QTimer *m_summaryTimer;
    QString m_suggested;
    bool m_syncing = false;
};

#include "scene/ResultsWindow.h"

#include "app/MessageBox.h"
#include "media/ResultsCsv.h"
#include "scene/CameraScene.h"
#include "scene/MeasureResults.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum SummaryColumn { KindCol, FigureCol, CountCol, MeanCol, DeviationCol, MinCol, MaxCol, Cols };

} // namespace

ResultsWindow::ResultsWindow(MeasureResults *results, QWidget *host)
    : QWidget(host, Qt::Tool)
    , m_results(results)
    , m_scene(results->scene())
    , m_table(new QTableView(this))
    , m_summaryTitle(new QLabel(this))
    , m_summary(new QTableWidget(0, Cols, this))
    , m_export(new QPushButton(this))
    , m_copy(new QPushButton(this))
    , m_summaryTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("ResultsWindow"));
    m_table->setObjectName(QStringLiteral("resultsTable"));
    m_summary->setObjectName(QStringLiteral("resultsSummary"));
    m_export->setObjectName(QStringLiteral("btnExportCsv"));
    m_copy->setObjectName(QStringLiteral("btnCopyResults"));

    m_table->setModel(results);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    // Sized to the contents when the rows or units change, not on every drag step: measuring
    // every cell of a long table would cost far more than the one row that changed.
    m_table->horizontalHeader()->setResizeContentsPrecision(200);
    m_table->setWordWrap(false);
    m_summary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary->verticalHeader()->hide();
    // Rows as high as a line of text: a long table shows as many of them as it can.
    for (QTableView *view : {m_table, static_cast<QTableView *>(m_summary)})
        view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    auto *lower = new QWidget(this);
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(m_summaryTitle);
    lowerLayout->addWidget(m_summary);
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_table);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_export);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
    resize(900, 520);

    connect(m_export, &QPushButton::clicked, this, &ResultsWindow::exportCsv);
    connect(m_copy, &QPushButton::clicked, this, &ResultsWindow::copyToClipboard);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultsWindow::onRowPicked);
    connect(m_scene, &CameraScene::pickedGraphicChanged, this, &ResultsWindow::onItemPicked);
    // The summary is worth one pass per turn of the event loop, however many rows changed.
    m_summaryTimer->setSingleShot(true);
    m_summaryTimer->setInterval(0);
    connect(m_summaryTimer, &QTimer::timeout, this, &ResultsWindow::updateSummary);
    connect(results, &QAbstractItemModel::dataChanged, this, &ResultsWindow::scheduleSummary);
    connect(results, &QAbstractItemModel::modelReset, this, &ResultsWindow::scheduleSummary);
    connect(results, &QAbstractItemModel::modelReset, this, [this] {
        m_table->resizeColumnsToContents();
        onItemPicked(m_scene->pickedGraphic());
    });
    connect(results, &QAbstractItemModel::headerDataChanged, m_table,
            &QTableView::resizeColumnsToContents);
    retranslate();
}

void ResultsWindow::retranslate()
{
    setWindowTitle(tr("测量结果"));
    m_summaryTitle->setText(tr("统计"));
    m_export->setText(tr("导出 CSV…"));
    m_copy->setText(tr("复制"));
    m_copy->setToolTip(tr("以制表符分隔复制整个表格，可粘贴到电子表格"));
    m_summary->setHorizontalHeaderLabels({tr("类型"), tr("数值"), tr("数量"), tr("平均值"),
                                          tr("标准差"), tr("最小值"), tr("最大值")});
    m_results->refreshTexts();
    scheduleSummary();
}

void ResultsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ResultsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_table->resizeColumnsToContents();
    updateSummary();
}

void ResultsWindow::scheduleSummary()
{
    if (isVisible())
        m_summaryTimer->start();
}

void ResultsWindow::updateSummary()
{
    const QVector<MeasureResults::Summary> rows = m_results->summary();
    const QLocale locale;
    auto number = [&locale](double v) {
        return std::isnan(v) ? QString() : locale.toString(v, 'f', 4);
    };
    const bool newRows = m_summary->rowCount() != rows.size();
    m_summary->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const MeasureResults::Summary &s = rows.at(r);
        const QString figure = m_results->figureHeader(s.figure);
        const QString texts[Cols] = {MeasureResults::kindName(s.kind),
                                     figure,
                                     QString::number(s.count),
                                     number(s.mean),
                                     number(s.deviation),
                                     number(s.minimum),
                                     number(s.maximum)};
        for (int c = 0; c < Cols; ++c) {
            QTableWidgetItem *cell = m_summary->item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                if (c >= CountCol)
                    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_summary->setItem(r, c, cell);
            }
            if (cell->text() != texts[c])
                cell->setText(texts[c]);
        }
    }
    // Sized when rows come or go; a changed value alone keeps the columns still.
    if (newRows)
        m_summary->resizeColumnsToContents();
}

void ResultsWindow::onRowPicked()
{
    if (m_syncing)
        return;
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    m_syncing = true;
    m_scene->setPickedGraphic(rows.isEmpty() ? nullptr : m_results->item(rows.first().row()));
    m_syncing = false;
}

void ResultsWindow::onItemPicked(GraphicsItem *item)
{
    if (m_syncing)
        return;
    m_syncing = true;
    const int row = m_results->rowOf(item);
    if (row < 0) {
        m_table->clearSelection();
    } else {
        m_table->selectRow(row);
        m_table->scrollTo(m_results->index(row, 0));
    }
    m_syncing = false;
}

void ResultsWindow::copyToClipboard()
{
    QApplication::clipboard()->setText(ResultsCsv::tabText(*m_results, QLocale()));
}

void ResultsWindow::exportCsv()
{
    QString start = m_suggested;
    if (start.isEmpty()) {
        start = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                    .filePath(QStringLiteral("results.csv"));
    }
    QString path =
        QFileDialog::getSaveFileName(this, tr("导出 CSV"), start, tr("CSV 文件 (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    m_suggested = path;
    const QByteArray csv = ResultsCsv::csv(*m_results);
    QPointer<ResultsWindow> self(this);
    QThreadPool::globalInstance()->start([self, csv, path] {
        const bool ok = ResultsCsv::writeFile(csv, path);
        QMetaObject::invokeMethod(qApp, [self, path, ok] {
            if (!self)
                return;
            if (!ok)
                MessageBox::information(self, QString(), tr("无法写入文件：%1").arg(path));
            emit self->exported(path, ok);
        });
    });
}

#include "media/ResultsCsv.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/GraphicsTextItem.h"
#include "scene/GraphicsType.h"
#include "scene/MeasureResults.h"
#include "scene/ResultsWindow.h"

#include "ModalAnswerer.h"
#include "SceneLines.h"
#include "TestFiles.h"

#include <QTableView>
#include <QtTest>

#include <cmath>

using Points = QVector<QPointF>;
using Figures = QMap<int, double>; // figure -> value in picture pixels, before calibration
using F = MeasureFigures;

namespace {

// RFC 4180 as a spreadsheet reads it: quoted fields may hold commas, quotes and line breaks.
QVector<QStringList> parseCsv(const QString &text)
{
    QVector<QStringList> rows{QStringList()};
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == '"' && i + 1 < text.size() && text.at(i + 1) == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            rows.last().append(field);
            field.clear();
        } else if (!quoted && c == '\r') {
        } else if (!quoted && c == '\n') {
            rows.last().append(field);
            field.clear();
            rows.append(QStringList());
        } else {
            field += c;
        }
    }
    rows.removeLast(); // after the last line break
    return rows;
}

} // namespace

// The results table on a real scene with a 640 x 480 picture in a shown viewer.
class tst_MeasureResults : public QObject
{
    Q_OBJECT

    CameraViewer *m_view = nullptr;
    CameraScene *m_scene = nullptr;
    MeasureResults *m_results = nullptr;

    GraphicsItem *add(int kind, const Points &points, const QString &note = QString())
    {
        return addShape(m_scene, kind, points, note);
    }
    void mouse(QEvent::Type type, QPointF p, Qt::MouseButtons buttons)
    {
        const QPoint pos = p.toPoint();
        QMouseEvent event(type, pos, m_view->viewport()->mapToGlobal(pos),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(m_view->viewport(), &event);
    }
    void drag(QPointF from, QPointF to)
    {
        m_scene->setGraphicType(GraphicsType::Select);
        mouse(QEvent::MouseMove, from, Qt::NoButton);
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

private slots:
    void init()
    {
        m_view = new CameraViewer(nullptr);
        m_view->resize(640, 480);
        m_scene = m_view->scene();
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        m_scene->setBaseImage(picture);
        m_scene->updateCameraViewSize(picture.size());
        m_scene->setEditable(true);
        m_view->show();
        m_results = new MeasureResults(m_scene);
    }
    void cleanup() { delete m_view; }

    void figures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Points>("points");
        QTest::addColumn<Figures>("expected");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("unit");
        const double pi = 3.141592653589793;
        const struct
        {
            const char *name;
            int kind;
            Points points;
            Figures expected;
        } kinds[] = {
            {"point", GraphicsType::Point, {{100, 100}}, {{F::X, -220}, {F::Y, 140}}},
            {"line",
             GraphicsType::Line,
             {{0, 0}, {30, 40}},
             {{F::Length, 50}, {F::Angle, -53.13010235415598}}},
            {"broken line",
             GraphicsType::BrokenLine,
             {{0, 0}, {3, 4}, {3, 10}},
             {{F::Length, 11}, {F::Segments, 2}}},
            {"rectangle",
             GraphicsType::Rect,
             {{50, 20}, {10, 50}},
             {{F::Width, 40}, {F::Height, 30}, {F::Area, 1200}, {F::Perimeter, 140}}},
            {"polygon",
             GraphicsType::Polygon,
             {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
             {{F::Area, 100}, {F::Perimeter, 40}}},
            {"parallel",
             GraphicsType::ParallelLine,
             {{0, 0}, {100, 0}, {30, 20}, {80, 20}},
             {{F::Length, 20}}},
            {"perpendicular",
             GraphicsType::VerticalLine,
             {{0, 0}, {100, 0}, {50, 80}},
             {{F::Length, 80}}},
            {"crosshair", GraphicsType::Cross, {{330, 200}}, {{F::X, 10}, {F::Y, 40}}},
            {"angle", GraphicsType::AngleLine, {{100, 0}, {0, 0}, {0, 100}}, {{F::Angle, 90}}},
            // From three o'clock through twelve to six: three quarters of the circle.
            {"arc",
             GraphicsType::Arc,
             {{10, 0}, {0, -10}, {0, 10}},
             {{F::Radius, 10}, {F::Length, 15 * pi}, {F::Angle, 270}}},
            {"circle centre rim",
             GraphicsType::Circle1,
             {{100, 100}, {103, 104}},
             {{F::X, -220},
              {F::Y, 140},
              {F::Radius, 5},
              {F::Diameter, 10},
              {F::Circumference, 10 * pi},
              {F::Area, 25 * pi}}},
            {"circle two points",
             GraphicsType::Circle2,
             {{0, 0}, {10, 0}},
             {{F::X, -315},
              {F::Y, 240},
              {F::Radius, 5},
              {F::Diameter, 10},
              {F::Circumference, 10 * pi},
              {F::Area, 25 * pi}}},
            {"circle three points",
             GraphicsType::Circle3,
             {{0, 0}, {2, 0}, {0, 2}},
             {{F::X, -319},
              {F::Y, 239},
              {F::Radius, std::sqrt(2.0)},
              {F::Diameter, 2 * std::sqrt(2.0)},
              {F::Circumference, 2 * pi * std::sqrt(2.0)},
              {F::Area, 2 * pi}}},
            {"concentric",
             GraphicsType::DoubleCircle,
             {{320, 240}, {323, 244}, {330, 240}},
             {{F::X, 0},
              {F::Y, 0},
              {F::Radius, 5},
              {F::Diameter, 10},
              {F::Circumference, 10 * pi},
              {F::Area, 25 * pi},
              {F::Radius2, 10}}},
            {"two circles",
             GraphicsType::CircleLine,
             {{0, 0}, {0, -5}, {30, 40}, {30, 30}},
             {{F::X, -320}, {F::Y, 240}, {F::Radius, 5}, {F::Length, 50}, {F::Radius2, 10}}},
            {"text", GraphicsType::Text, {{5, 5}}, {}},
        };
        const struct
        {
            const char *name;
            double ratio;
            int unit;
        } calibrations[] = {{"none", 1.0, 4}, {"mm", 0.01, 0}, {"um", 2.5, 2}};
        for (const auto &c : calibrations) {
            for (const auto &k : kinds) {
                QTest::addRow("%s, %s", k.name, c.name)
                    << k.kind << k.points << k.expected << c.ratio << c.unit;
            }
        }
    }

    void figures()
    {
        QFETCH(int, kind);
        QFETCH(Points, points);
        QFETCH(Figures, expected);
        QFETCH(double, ratio);
        QFETCH(int, unit);
        BDInfo calibration;
        calibration.ratio = ratio;
        calibration.unit = unit;
        m_scene->setBDInfo(calibration);
        add(kind, points, QStringLiteral("note"));
        QCOMPARE(m_results->rowCount(), 1);
        QCOMPARE(m_results->note(0), kind == GraphicsType::Text ? "note" : "");
        for (int f = 0; f < F::Count; ++f) {
            const double got = m_results->figures(0).at(f);
            if (!expected.contains(f)) {
                QVERIFY2(std::isnan(got), qPrintable(F::key(f)));
                continue;
            }
            double want = expected.value(f);
            if (F::dimension(f) == F::Dimension::Length)
                want *= ratio;
            else if (F::dimension(f) == F::Dimension::Area)
                want *= ratio * ratio;
            // The arc and the line crossings go through single precision, as the labels do.
            QVERIFY2(
                std::fabs(got - want) <= 1e-6 * std::max(1.0, std::fabs(want)),
                qPrintable(QStringLiteral("%1: %2, not %3").arg(F::key(f)).arg(got).arg(want)));
        }
        if (unit == 0)
            QVERIFY(
                m_results->headerData(MeasureResults::FirstFigureColumn + F::Area, Qt::Horizontal)
                    .toString()
                    .endsWith(QStringLiteral("(mm²)")));
    }

    void liveUpdates_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("firstLength");
        QTest::newRow("draw") << "draw" << 3 << 100.0;
        QTest::newRow("drag") << "drag" << 2 << 110.0;
        QTest::newRow("delete") << "delete" << 1 << 200.0;
        QTest::newRow("undo") << "undo" << 2 << 100.0;
        QTest::newRow("redo") << "redo" << 2 << 110.0;
        QTest::newRow("clear") << "clear" << 0 << 0.0;
        QTest::newRow("calibration") << "calibration" << 2 << 0.5;
    }

    void liveUpdates()
    {
        QFETCH(QString, step);
        QFETCH(int, rows);
        QFETCH(double, firstLength);
        add(GraphicsType::Line, {{100, 100}, {200, 100}});
        add(GraphicsType::Line, {{100, 300}, {300, 300}});
        QSignalSpy changed(m_results, &QAbstractItemModel::dataChanged);
        if (step == "draw") {
            m_scene->setGraphicType(GraphicsType::Circle1);
            mouse(QEvent::MouseButtonPress, {400, 400}, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, {400, 400}, Qt::NoButton);
            mouse(QEvent::MouseButtonPress, {410, 400}, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, {410, 400}, Qt::NoButton);
        } else if (step == "drag" || step == "undo" || step == "redo") {
            drag({200, 100}, {210, 100}); // the first line's end point
            // Only the cell that changed, the first line's length, is repainted.
            QCOMPARE(changed.size(), 1);
            const QModelIndex length =
                m_results->index(0, MeasureResults::FirstFigureColumn + F::Length);
            QCOMPARE(changed.first().at(0).toModelIndex(), length);
            QCOMPARE(changed.first().at(1).toModelIndex(), length);
            if (step != "drag")
                m_scene->undo();
            if (step == "redo")
                m_scene->redo();
        } else if (step == "delete") {
            m_scene->setGraphicType(GraphicsType::Delete);
            mouse(QEvent::MouseButtonPress, {150, 100}, Qt::LeftButton);
        } else if (step == "clear") {
            m_scene->clearItems();
        } else {
            BDInfo mm;
            mm.ratio = 0.005;
            mm.unit = 0;
            m_scene->setBDInfo(mm);
        }
        QCOMPARE(m_results->rowCount(), rows);
        if (rows > 0)
            QCOMPARE(m_results->figures(0).at(F::Length), firstLength);
    }

    void selectionBothWays()
    {
        GraphicsItem *first = add(GraphicsType::Line, {{100, 100}, {200, 100}});
        GraphicsItem *second = add(GraphicsType::Line, {{100, 300}, {300, 300}});
        ResultsWindow window(m_results, nullptr);
        window.show();
        window.table()->selectRow(1);
        QCOMPARE(m_scene->pickedGraphic(), second);
        drag({150, 100}, {150, 100}); // a click with the select tool
        QCOMPARE(m_scene->pickedGraphic(), first);
        QCOMPARE(window.table()->selectionModel()->selectedRows().value(0).row(), 0);
        m_scene->undo(); // the items are rebuilt: nothing stays picked
        QVERIFY(window.table()->selectionModel()->selectedRows().isEmpty());
    }

    void exportWritesTheCsv()
    {
        add(GraphicsType::Line, {{0, 0}, {30, 40}});
        ResultsWindow window(m_results, nullptr);
        QTemporaryDir dir;
        QSignalSpy exported(&window, &ResultsWindow::exported);
        ModalAnswerer answer(
            {chooseFile(dir.filePath(QStringLiteral("probe 3")))}); // no suffix typed
        window.exportCsv();
        QVERIFY(exported.wait());
        QCOMPARE(exported.first().at(0).toString(), dir.filePath(QStringLiteral("probe 3.csv")));
        QCOMPARE(exported.first().at(1).toBool(), true);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("probe 3.csv"))),
                 ResultsCsv::csv(*m_results));
    }

    void csvReadsBackInEveryLanguage()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        BDInfo calibration;
        calibration.name = QStringLiteral("10.00X");
        calibration.ratio = 0.001;
        calibration.unit = 0;
        m_scene->setBDInfo(calibration);
        add(GraphicsType::Line, {{0, 0}, {1234.5, 0}});
        const QString note = QStringLiteral("Probe 3, \"Rand\"\nzweite Zeile");
        add(GraphicsType::Text, {{5, 5}}, note);
        const QByteArray csv = ResultsCsv::csv(*m_results);
        const QString tabs = ResultsCsv::tabText(*m_results, QLocale());
        QLocale::setDefault(before);

        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QVector<QStringList> rows = parseCsv(QString::fromUtf8(csv.mid(3)));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).mid(0, 15).join(','),
                 "Index,Kind,Note,X,Y,Length,Width,Height,Area,Perimeter,Angle,Radius,"
                 "Diameter,Unit,Calibration");
        for (const QStringList &row : rows)
            QCOMPARE(row.size(), rows.at(0).size());
        QCOMPARE(rows.at(1).mid(0, 6), (QStringList{"1", "Line", "", "", "", "1.2345"}));
        QCOMPARE(rows.at(1).mid(13, 2), (QStringList{"mm", "10.00X"}));
        QCOMPARE(rows.at(2).mid(0, 4), (QStringList{"2", "Text", note, ""}));
        // The clipboard's copy is for a spreadsheet of the interface's language.
        QVERIFY(tabs.contains(QStringLiteral("\t1,2345\t")));
    }
};

QTEST_MAIN(tst_MeasureResults)
#include "tst_measureresults.moc"

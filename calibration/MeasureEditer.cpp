#include "calibration/MeasureEditer.h"

#include "app/LiveView.h"
#include "app/MessageBox.h"
#include "app/ResultsActions.h"
#include "calibration/BDWidget.h"
#include "calibration/EditorHelpers.h"
#include "calibration/PictureScale.h"
#include "media/ResultsCsv.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/ResultsWindow.h"
#include "ui_MeasureEditWindow.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

constexpr int kFirstTool = 0x10002;
constexpr int kFitIndex = 0;
constexpr int kOneToOneIndex = 2;

} // namespace

MeasureEditer::MeasureEditer(QWidget *parent)
    : QMainWindow(parent)
{
    m_ui = new Ui::MeasureEditWindow;
    m_ui->setupUi(this);
    if (parent)
        setWindowTitle(parent->windowTitle());

    m_scene = m_ui->camViewer->scene();
    m_scene->setGraphicType(kFirstTool);
    m_scene->setEditable(true);

    connect(m_scene, &CameraScene::coorInfo, this, &MeasureEditer::onCoorInfo);
    connect(m_ui->btnPrint, &QToolButton::clicked, this, &MeasureEditer::onImagePrint);
    connect(m_ui->bdWidget, &BDWidget::bdInfoChanged, this, &MeasureEditer::onBdInfoChanged);
    // By signature: the parent is the main window, which this class does not know.
    if (parent && parent->metaObject()->indexOfSlot("onBdInfoChanged()") >= 0)
        connect(m_ui->bdWidget, SIGNAL(bdInfoChanged()), parent, SLOT(onBdInfoChanged()));
    connect(m_ui->btnSave, &QToolButton::clicked, this, &MeasureEditer::onImageSave);
    connect(m_ui->btnSaveAs, &QToolButton::clicked, this, &MeasureEditer::onImageSaveAs);

    m_ui->comboZoom->addItems({fitZoomText(), QStringLiteral("0.5x"), QStringLiteral("1.0x"),
                               QStringLiteral("2.0x"), QStringLiteral("2.5x"),
                               QStringLiteral("4.0x"), QStringLiteral("5.0x"),
                               QStringLiteral("10.0x")});
    m_ui->comboZoom->setCurrentIndex(kOneToOneIndex);
    // Connected after filling, so that filling the box triggers nothing.
    connect(m_ui->comboZoom, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MeasureEditer::onComboZoomChanged);

    // The results table of this scene, opened by a button at the far end of the head row.
    m_results = new ResultsActions(this, m_scene);
    auto *resultsButton = new QToolButton(m_ui->headFrame);
    resultsButton->setObjectName(QStringLiteral("btnResults"));
    resultsButton->setDefaultAction(m_results->openAction());
    m_ui->horizontalLayout_head->addWidget(resultsButton);
}

MeasureEditer::~MeasureEditer()
{
    // A picture still being written must reach its file before the window goes.
    if (m_saveThread)
        m_saveThread->wait();
    delete m_ui;
}

void MeasureEditer::init()
{
    m_scene->setConfig(m_config);
    m_ui->bdWidget->init(m_scene, m_config);
}

bool MeasureEditer::setImage(QString path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    // The calibration segment belongs to the old picture; leave its page first.
    m_ui->bdWidget->showMainPage();
    m_imagePath = path;
    m_results->window()->setSuggestedPath(ResultsCsv::csvPath(path));
    m_scene->clear();
    m_scene->setBaseImage(image);
    // A picture that carries its scale is measured with it until the user picks another.
    const std::optional<PictureScale> scale = PictureScale::read(image);
    m_ui->bdWidget->setPictureCalibration(scale ? std::optional<BDInfo>(scale->calibration())
                                                : std::nullopt);
    m_ui->labelResInfo->setText(QString::asprintf("%d * %d", image.width(), image.height()));
    if (isVisible())
        QTimer::singleShot(0, this, &MeasureEditer::onUpdateCamViewSize);
    return true;
}

bool MeasureEditer::saveImage(QString path)
{
    if (m_saveThread || m_scene->baseImage().isNull())
        return false;
    QImage image = m_scene->renderImage();
    if (const std::optional<PictureScale> scale = PictureScale::fromCalibration(m_scene->bdInfo()))
        scale->applyTo(image);
    const QByteArray results = m_results->captureResults();
    auto ok = std::make_shared<bool>(false);
    auto resultsOk = std::make_shared<bool>(true);
    // Encoding a large picture takes long enough to freeze the window; the worker gets its own
    // copy of the rendered picture.
    QThread *thread = QThread::create([image, path, ok, results, resultsOk] {
        *ok = writeImageFile(image, path);
        if (*ok && !results.isEmpty())
            *resultsOk = ResultsCsv::writeFile(results, ResultsCsv::csvPath(path));
    });
    m_saveThread = thread;
    setSaveButtonsEnabled(false);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, path, ok, resultsOk] {
        m_saveThread = nullptr;
        setSaveButtonsEnabled(true);
        emit imageSaved(path, *ok);
        if (!*ok)
            MessageBox::information(this, QString(), tr("图片保存失败"));
        else if (!*resultsOk)
            MessageBox::information(this, QString(),
                                    ResultsActions::failureText(ResultsCsv::csvPath(path)));
    });
    thread->start();
    return true;
}

void MeasureEditer::setSaveButtonsEnabled(bool enabled)
{
    m_ui->btnSave->setEnabled(enabled);
    m_ui->btnSaveAs->setEnabled(enabled);
}

void MeasureEditer::onBdInfoChanged()
{
    // Our own panel changed the list and is up to date; the main window's panel changed it.
    if (sender() != m_ui->bdWidget)
        m_ui->bdWidget->updateBDInfo();
}

void MeasureEditer::onCoorInfo(QPoint point, QColor c)
{
    const QPoint d = m_scene->toDispPoint(point);
    m_ui->labelStatus->setText(tr("坐标") + QString::asprintf(" :%d,%d (R:%3d G:%3d B:%3d)", d.x(),
                                                              d.y(), c.red(), c.green(), c.blue()));
}

void MeasureEditer::onUpdateCamViewSize()
{
    const QImage picture = m_scene->baseImage();
    const QSize s = picture.size();
    if (picture.isNull() || s.width() < 0 || s.height() < 0)
        return;
    QScrollArea *area = m_ui->mainPageScrollArea;
    area->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    // The fit entry is known by its position: its text is translated.
    const int index = m_ui->comboZoom->currentIndex();
    const QSize target = index == kFitIndex
                             ? fitViewSize(s, area->maximumViewportSize())
                             : zoomedViewSize(s, zoomFactor(m_ui->comboZoom->currentText()));
    m_ui->camViewer->setFixedSize(target);
    m_scene->updateCameraViewSize(s);
    // Let the scroll area take in the new size, then bring the middle of the picture into view.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QTimer::singleShot(0, this, &MeasureEditer::centreScrollBars);
}

void MeasureEditer::centreScrollBars()
{
    for (QScrollBar *bar : {m_ui->mainPageScrollArea->horizontalScrollBar(),
                            m_ui->mainPageScrollArea->verticalScrollBar()})
        bar->setValue(bar->maximum() / 2);
}

void MeasureEditer::onComboZoomChanged()
{
    onUpdateCamViewSize();
}

void MeasureEditer::onImageSave()
{
    if (m_imagePath.isEmpty())
        return;
    // Burning the measurements into the original cannot be undone: ask first.
    const QString text =
        tr("是否用测量结果覆盖原图片 %1 ？").arg(QFileInfo(m_imagePath).fileName());
    if (MessageBox::question(this, QString(), text) != QMessageBox::Yes)
        return;
    saveImage(m_imagePath);
}

void MeasureEditer::onImageSaveAs()
{
    if (m_imagePath.isEmpty())
        return;
    const QString filter = QStringLiteral("*.") + QFileInfo(m_imagePath).suffix();
    const QString chosen = QFileDialog::getSaveFileName(this, QString(), QString(), filter);
    if (!chosen.isEmpty())
        saveImage(saveAsPath(chosen, m_imagePath));
}

void MeasureEditer::onImagePrint()
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &MeasureEditer::plotPrintPic);
    preview.resize(800, 600);
    preview.exec();
}

void MeasureEditer::plotPrintPic(QPrinter *printer)
{
    const QImage image = m_scene->renderImage();
    if (image.isNull())
        return;
    QPainter painter(printer);
    // The picture is placed in device coordinates, so it lands in the middle of the page at
    // every size; an offset given in picture pixels would push small pictures off the page.
    const QRect target = printTargetRect(image.size(), painter.viewport());
    painter.setViewport(target);
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
}

void MeasureEditer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MeasureEditer::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->comboZoom->setItemText(kFitIndex, fitZoomText());
    if (const QWidget *main = parentWidget())
        setWindowTitle(main->windowTitle());
}

void MeasureEditer::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The settings may have been loaded, or the list changed, while the window was hidden.
    m_ui->bdWidget->updateBDInfo();
    m_ui->bdWidget->showMainPage();
    QTimer::singleShot(0, this, &MeasureEditer::onUpdateCamViewSize);
}

void MeasureEditer::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    QTimer::singleShot(0, this, &MeasureEditer::onUpdateCamViewSize);
}

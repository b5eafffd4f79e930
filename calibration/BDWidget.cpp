#include "calibration/BDWidget.h"

#include "app/MessageBox.h"
#include "app/ProgramResources.h"
#include "calibration/BDFile.h"
#include "calibration/CalibrationMath.h"
#include "config/Config.h"
#include "scene/CameraScene.h"
#include "scene/GraphicsMeasureItem.h"
#include "ui_BDWidget.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTableWidgetItem>

namespace {

constexpr int kFirstTool = 0x10002;
constexpr int kNoTool = 0x10001;
constexpr int kMeasureRefreshMs = 200;
const QSize kSwatchSize(60, 24);
const QSize kSwatchIconSize(30, 12);

} // namespace

BDWidget::BDWidget(QWidget *parent)
    : QWidget(parent)
{
    // The panel is also built without the main window (in the editor, in tests).
    initProgramResources();
    m_ui = new Ui::BDWidget;
    m_ui->setupUi(this);
    m_ui->BiaoDingPage->setCurrentIndex(0);

    QTableWidget *table = m_ui->tableBDInfo;
    table->setColumnCount(1);
    table->setHorizontalHeaderLabels({tr("放大倍数")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();

    m_ui->boxBDUnit->addItems({QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("um"),
                               QStringLiteral("in"), QStringLiteral("px")});
    m_ui->boxBDUnit->setCurrentIndex(0);

    const QIcon arrow(QStringLiteral(":/Specula/image/icon/arrow_off.png"));
    for (QPushButton *heading : {m_ui->btnBiaoDing, m_ui->btnBiaoDingNew, m_ui->btnBiaoDingList})
        heading->setIcon(arrow);

    connect(m_ui->btnBDEdit, &QPushButton::clicked, this, &BDWidget::onBtnBDEdit);
    connect(m_ui->btnBDBack, &QPushButton::clicked, this, &BDWidget::onBtnBDEdit);
    connect(m_ui->btnBDDel, &QPushButton::clicked, this, &BDWidget::onBtnBDDel);
    connect(m_ui->btnBDSave, &QPushButton::clicked, this, &BDWidget::onBtnBDSave);
    connect(m_ui->btnBDLoad, &QPushButton::clicked, this, &BDWidget::onBtnBDLoad);
    connect(m_ui->btnBDNewData, &QPushButton::clicked, this, &BDWidget::onBDNewData);
    for (QComboBox *box :
         {m_ui->boxGridColor, m_ui->boxGridType, m_ui->boxFontSize, m_ui->boxFontColor})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &BDWidget::onStyleChanged);
    connect(m_ui->boxBDVar, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &BDWidget::onBDChanged);
    connect(m_ui->boxBDUnit, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &BDWidget::onUnitChanged);
    connect(&m_measureTimer, &QTimer::timeout, this, &BDWidget::onMeasureChanged);
    connect(m_ui->BiaoDingPage, &QStackedWidget::currentChanged, this,
            &BDWidget::onCurrentStackChanged);

    initToolButton();
}

BDWidget::~BDWidget()
{
    delete m_ui;
}

void BDWidget::initToolButton()
{
    // Tool number = 0x10002 + position in this list; the text tool comes last.
    m_toolButtons = {m_ui->toolButton1,  m_ui->toolButton2,  m_ui->toolButton3,  m_ui->toolButton4,
                     m_ui->toolButton5,  m_ui->toolButton6,  m_ui->toolButton7,  m_ui->toolButton8,
                     m_ui->toolButton9,  m_ui->toolButton10, m_ui->toolButton11, m_ui->toolButton12,
                     m_ui->toolButton13, m_ui->toolButton14, m_ui->toolButton15, m_ui->toolButton16,
                     m_ui->toolButton17, m_ui->toolButton19};
    for (QToolButton *button : qAsConst(m_toolButtons))
        connect(button, &QToolButton::clicked, this, &BDWidget::onToolBtnClicked);
    connect(m_ui->toolButton18, &QToolButton::clicked, this, &BDWidget::onToolBtnGrid);
    connect(m_ui->toolButtonUndo, &QToolButton::clicked, this, &BDWidget::onToolButtonUndo);
    connect(m_ui->toolButtonRedo, &QToolButton::clicked, this, &BDWidget::onToolButtonRedo);
    connect(m_ui->toolButtonClear, &QToolButton::clicked, this, &BDWidget::onToolBtnClear);
    m_ui->toolButton1->setChecked(true);
}

void BDWidget::init(CameraScene *scene, Config *config)
{
    m_scene = scene;
    m_config = config;
    updateBDInfo();
}

void BDWidget::updateBDInfo()
{
    if (!m_config)
        return;
    refillStyleBoxes();
    refillCalibrations();
}

void BDWidget::refillStyleBoxes()
{
    // The stored style is read before the boxes are emptied; a damaged file's index outside
    // its list is brought into range so that every box shows an entry.
    StyleInfo style = m_config->style;
    style.clampIndexes();
    {
        const QSignalBlocker blockFontColor(m_ui->boxFontColor);
        const QSignalBlocker blockFontSize(m_ui->boxFontSize);
        const QSignalBlocker blockGridColor(m_ui->boxGridColor);
        const QSignalBlocker blockGridType(m_ui->boxGridType);
        m_ui->boxFontColor->clear();
        m_ui->boxFontSize->clear();
        m_ui->boxGridColor->clear();
        m_ui->boxGridType->clear();
        for (const QColor &colour : qAsConst(style.colors)) {
            QPixmap swatch(kSwatchSize);
            swatch.fill(colour);
            const QIcon icon(swatch);
            m_ui->boxFontColor->addItem(icon, QString());
            m_ui->boxGridColor->addItem(icon, QString());
        }
        for (int size : qAsConst(style.fontSizes))
            m_ui->boxFontSize->addItem(QString::number(size));
        m_ui->boxGridType->addItems({tr("实线"), tr("虚线")});
        m_ui->boxFontColor->setIconSize(kSwatchIconSize);
        m_ui->boxGridColor->setIconSize(kSwatchIconSize);

        m_ui->boxFontColor->setCurrentIndex(style.fontColorIndex);
        m_ui->boxFontSize->setCurrentIndex(style.fontSizeIndex);
        m_ui->boxGridColor->setCurrentIndex(style.penColorIndex);
        m_ui->boxGridType->setCurrentIndex(style.penStyleIndex == 0 ? 0 : 1);
    }
    // The panel has no box for the line width, so the stored style always takes the default.
    storeStyleFromBoxes();
}

void BDWidget::refillCalibrations()
{
    const QVector<BDInfo> &infos = m_config->bdInfos;
    // The calibration in force is the scene's, kept by value: a refresh must never quietly
    // switch measurements to another calibration.
    const BDInfo inForce = m_scene ? m_scene->bdInfo() : BDInfo();
    int current = infos.indexOf(inForce);
    if (m_pictureCalibration && *m_pictureCalibration == inForce)
        current = infos.size();
    if (current < 0 && !infos.isEmpty())
        current = 0;
    {
        const QSignalBlocker blockBox(m_ui->boxBDVar);
        m_ui->boxBDVar->clear();
        m_ui->tableBDInfo->clearContents();
        m_ui->tableBDInfo->setRowCount(infos.size());
        for (int i = 0; i < infos.size(); ++i) {
            m_ui->boxBDVar->addItem(infos.at(i).name);
            m_ui->tableBDInfo->setItem(i, 0, new QTableWidgetItem(infos.at(i).name));
        }
        if (m_pictureCalibration)
            m_ui->boxBDVar->addItem(tr("%1（图片）").arg(m_pictureCalibration->name));
        m_ui->boxBDVar->setCurrentIndex(current);
    }
    // An empty list leaves the scene's calibration as it was.
    if (current >= 0)
        onBDChanged();
}

void BDWidget::storeStyleFromBoxes()
{
    if (!m_config)
        return;
    StyleInfo style;
    style.fontColorIndex = m_ui->boxFontColor->currentIndex();
    style.fontSizeIndex = m_ui->boxFontSize->currentIndex();
    style.penColorIndex = m_ui->boxGridColor->currentIndex();
    style.penStyleIndex = m_ui->boxGridType->currentIndex();
    style.clampIndexes();
    m_config->style = style;
    repaintScene();
}

void BDWidget::repaintScene()
{
    if (m_scene)
        m_scene->update();
}

void BDWidget::showMainPage()
{
    if (m_ui->BiaoDingPage->currentIndex() == 1)
        emit m_ui->btnBDBack->clicked();
}

void BDWidget::setScale(double scale)
{
    Q_UNUSED(scale)
    updateBDInfo();
}

void BDWidget::onToolBtnClicked()
{
    const int position = m_toolButtons.indexOf(qobject_cast<QToolButton *>(sender()));
    const int tool = position >= 0 ? kFirstTool + position : kNoTool;
    if (m_scene)
        m_scene->setGraphicType(tool);
}

void BDWidget::onToolBtnGrid()
{
    if (m_scene)
        m_scene->showGrid(m_ui->toolButton18->isChecked());
}

void BDWidget::onToolButtonUndo()
{
    if (m_scene)
        m_scene->undo();
}

void BDWidget::onToolButtonRedo()
{
    if (m_scene)
        m_scene->redo();
}

void BDWidget::onToolBtnClear()
{
    if (!m_scene)
        return;
    if (MessageBox::question(this, QString(), tr("是否删除全部")) == QMessageBox::Yes) {
        m_scene->clearItems();
        repaintScene();
    }
}

void BDWidget::onBtnBDEdit()
{
    if (!m_scene)
        return;
    if (m_ui->BiaoDingPage->currentIndex() == 0) {
        m_scene->setMeasure(true);
        if (GraphicsMeasureItem *item = m_scene->measureItem())
            item->setUnit(m_ui->boxBDUnit->currentIndex());
        m_measureTimer.start(kMeasureRefreshMs);
        onMeasureChanged();
        m_ui->BiaoDingPage->setCurrentIndex(1);
    } else {
        m_scene->setMeasure(false);
        m_measureTimer.stop();
        m_ui->BiaoDingPage->setCurrentIndex(0);
    }
}

void BDWidget::onBtnBDDel()
{
    if (!m_config)
        return;
    const int row = m_ui->tableBDInfo->currentRow();
    if (row < 0 || row >= m_config->bdInfos.size())
        return;
    // A calibration is measured work that cannot be undone: ask first.
    const QString text = tr("是否删除标定 %1").arg(m_config->bdInfos.at(row).name);
    if (MessageBox::question(this, QString(), text) != QMessageBox::Yes)
        return;
    m_config->bdInfos.removeAt(row);
    updateBDInfo();
    emit bdInfoChanged();
}

void BDWidget::onBtnBDSave()
{
    const QString path = QFileDialog::getSaveFileName(this, QString(), QStringLiteral("bdInfo.bd"),
                                                      QStringLiteral("*.bd"));
    if (!path.isEmpty())
        exportBDInfos(path);
}

void BDWidget::onBtnBDLoad()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), QStringLiteral("bdInfo.bd"),
                                                      QStringLiteral("*.bd"));
    if (!path.isEmpty())
        importBDInfos(path);
}

bool BDWidget::exportBDInfos(const QString &path)
{
    if (!m_config)
        return false;
    if (saveBDFile(path, m_config->bdInfos) == BDFileStatus::Ok)
        return true;
    // Silence here would leave the user believing a backup exists.
    MessageBox::information(this, QString(), tr("标定文件保存失败"));
    return false;
}

bool BDWidget::importBDInfos(const QString &path)
{
    if (!m_config)
        return false;
    QVector<BDInfo> infos;
    if (loadBDFile(path, infos) != BDFileStatus::Ok) {
        MessageBox::information(this, QString(), tr("标定文件无法读取，标定列表未改变"));
        return false;
    }
    m_config->bdInfos = infos;
    updateBDInfo();
    emit bdInfoChanged();
    return true;
}

void BDWidget::onBDNewData()
{
    if (!m_config || !m_scene)
        return;
    const double real = parseRealLength(m_ui->labelBDRealLen->text());
    const GraphicsMeasureItem *item = m_scene->measureItem();
    const double measured = item ? item->length() : 0.0;
    const double ratio = calibrationRatio(real, measured);
    if (ratio <= 0.0) {
        MessageBox::information(this, QString(), tr("参数不能为0"));
        return;
    }
    BDInfo info;
    info.name = m_ui->labelBDName->text();
    info.ratio = ratio;
    info.unit = m_ui->boxBDUnit->currentIndex();
    m_config->bdInfos.append(info);
    // The calibration just made is the one the user means to measure with.
    m_scene->setBDInfo(info);
    updateBDInfo();
    emit bdInfoChanged();
}

void BDWidget::onStyleChanged(int index)
{
    if (index < 0)
        return;
    storeStyleFromBoxes();
}

void BDWidget::onBDChanged()
{
    if (!m_config || !m_scene)
        return;
    const int index = m_ui->boxBDVar->currentIndex();
    if (index >= 0 && index < m_config->bdInfos.size())
        m_scene->setBDInfo(m_config->bdInfos.at(index));
    else if (m_pictureCalibration && index == m_config->bdInfos.size())
        m_scene->setBDInfo(*m_pictureCalibration);
}

void BDWidget::setPictureCalibration(const std::optional<BDInfo> &calibration)
{
    // The previous picture's scale leaves with its picture: plain pixels, unless the refill
    // finds a stored calibration to put in force.
    const bool previousInForce =
        m_scene && m_pictureCalibration && m_scene->bdInfo() == *m_pictureCalibration;
    m_pictureCalibration = calibration;
    if (m_scene && (calibration || previousInForce))
        m_scene->setBDInfo(calibration.value_or(BDInfo()));
    if (m_config)
        refillCalibrations();
}

void BDWidget::onUnitChanged()
{
    if (!m_scene)
        return;
    if (GraphicsMeasureItem *item = m_scene->measureItem()) {
        item->setUnit(m_ui->boxBDUnit->currentIndex());
        repaintScene();
    }
}

void BDWidget::onMeasureChanged()
{
    if (!m_scene)
        return;
    const GraphicsMeasureItem *item = m_scene->measureItem();
    if (!item)
        return;
    m_ui->labelBDName->setText(
        magnificationText(item->lengthUnit(), parseRealLength(m_ui->labelBDRealLen->text())));
    m_ui->labelBDName->setCursorPosition(0);
}

void BDWidget::onCurrentStackChanged()
{
    updateBDInfo();
}

void BDWidget::onBDLabelChanged() {}

void BDWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_ui->tableBDInfo->setHorizontalHeaderLabels({tr("放大倍数")});
        updateBDInfo();
    }
    QWidget::changeEvent(event);
}

#include "media/CameraLabel.h"

#include "app/LogCategories.h"

#include <QDataStream>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

const char *const UncheckedStyle =
    "border-width: 2px;border-style: solid;border-color: rgb(128, 128, 128);";
const char *const CheckedStyle =
    "border-width: 2px;border-style: solid;border-color: rgb(0, 0, 255);";
const char *const ButtonStyle = "background-color:rgba(0,167,246,128); color:rgb(255,255,255); "
                                "border-radius: 10px; border:none; ";

constexpr int AddSide = 40;
constexpr int Outline = 2;

} // namespace

const char *const CameraLabel::DragFormat = "application/x-qabstractitemmodeldatalist";

QRect cameraLabelAddRect(QSize tile)
{
    return QRect((tile.width() - AddSide) / 2, (tile.height() - AddSide) / 2, AddSide, AddSide);
}

QRect cameraLabelInnerRect(QSize tile)
{
    return QRect(QPoint(0, 0), tile).adjusted(Outline, Outline, -Outline, -Outline);
}

QRect cameraLabelPictureRect(QSize tile, QSize picture)
{
    const QRect inner = cameraLabelInnerRect(tile);
    if (picture.isEmpty() || inner.isEmpty())
        return QRect();
    const QSize fitted = picture.scaled(inner.size(), Qt::KeepAspectRatio);
    return QRect(inner.x() + (inner.width() - fitted.width()) / 2,
                 inner.y() + (inner.height() - fitted.height()) / 2, fitted.width(),
                 fitted.height());
}

QPoint cameraLabelButtonPos(QSize tile, QSize button)
{
    return QPoint(tile.width() - button.width() - 25, tile.height() - button.height() - 5);
}

CameraLabel::CameraLabel(QWidget *parent)
    : QLabel(parent)
    , m_addIcon(QStringLiteral(":/Specula/image/icon/btnAdd.png"))
{
    setStyleSheet(QString::fromLatin1(UncheckedStyle));
    setAcceptDrops(true);
}

CameraLabel::~CameraLabel() = default;

void CameraLabel::setIndex(int index)
{
    m_index = index;
    if (m_index != 0 || m_btnDongJie)
        return;
    m_btnDongJie = new QPushButton(this);
    m_btnDongJie->setStyleSheet(QString::fromLatin1(ButtonStyle));
    m_btnDongJie->setText(tr("冻结"));
    m_btnDongJie->show();
    m_btnDongJie->resize(140, 30);
    placeButton();
    connect(m_btnDongJie, &QPushButton::clicked, this, &CameraLabel::onBtnDongJie);
}

void CameraLabel::placeButton()
{
    if (m_btnDongJie)
        m_btnDongJie->move(cameraLabelButtonPos(size(), m_btnDongJie->size()));
}

void CameraLabel::setImage(const QImage &image)
{
    if (m_dongjie)
        return;
    m_image = image;
    update();
}

void CameraLabel::setImageFile(const QString &path)
{
    m_image = QImage(path);
    m_fileName = QFileInfo(path).fileName();
    update();
}

void CameraLabel::setCheck(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    setLineWidth(2);
    setStyleSheet(QString::fromLatin1(m_checked ? CheckedStyle : UncheckedStyle));
    update();
    emit toggled(m_checked);
}

void CameraLabel::onBtnDongJie()
{
    m_dongjie = !m_dongjie;
    updateButtonText();
}

void CameraLabel::updateButtonText()
{
    if (m_btnDongJie)
        m_btnDongJie->setText(m_dongjie ? tr("解冻") : tr("冻结"));
}

void CameraLabel::switchLang()
{
    updateButtonText();
}

void CameraLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    const int w = width();
    const int h = height();
    QPainter painter(this);

    painter.setPen(QPen(m_checked ? QColor(0, 0, 255) : QColor(128, 128, 128), Outline,
                        Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    // Half the pen inside the edge, so all of the 2-pixel line stays on the tile.
    painter.drawRect(QRectF(Outline / 2.0, Outline / 2.0, w - Outline, h - Outline));

    if (m_image.isNull()) {
        painter.fillRect(cameraLabelInnerRect(size()), QColor(240, 240, 240));
        if (m_index != 0) {
            const QRect add = cameraLabelAddRect(size());
            if (!m_addIcon.isNull()) {
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(add, m_addIcon);
            } else {
                // Drawn plus sign when the icon is missing from the resources.
                painter.setPen(QPen(QColor(160, 160, 160), 4));
                painter.drawLine(add.center().x(), add.top() + 6, add.center().x(),
                                 add.bottom() - 6);
                painter.drawLine(add.left() + 6, add.center().y(), add.right() - 6,
                                 add.center().y());
            }
        }
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(cameraLabelPictureRect(size(), m_image.size()), m_image);
        if (m_index != 0 && !m_fileName.isEmpty()) {
            QFont font = painter.font();
            font.setPixelSize(24);
            painter.setFont(font);
            const QRect band(0, 0, w, 50);
            const QRect used = painter.boundingRect(band, Qt::AlignCenter, m_fileName);
            painter.fillRect(used.adjusted(-4, 0, 4, 0) & cameraLabelInnerRect(size()),
                             QColor(0, 0, 0, 110));
            painter.setPen(Qt::lightGray);
            painter.drawText(band, Qt::AlignCenter, m_fileName);
            painter.setFont(this->font());
        }
    }

    painter.setPen(Qt::red);
    painter.drawText(QRect(0, 0, w - 4, h - 4), Qt::AlignRight | Qt::AlignBottom,
                     QString::number(m_index + 1));
}

void CameraLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    placeButton();
}

void CameraLabel::mousePressEvent(QMouseEvent *event)
{
    const bool button = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (button && m_checkable) {
        // Only the tiles that draw the add button offer it.
        if (m_index != 0 && m_image.isNull() && cameraLabelAddRect(size()).contains(event->pos()))
            m_addPressed = true;
        else
            m_pressed = true;
    }
    QLabel::mousePressEvent(event);
}

void CameraLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_addPressed && cameraLabelAddRect(size()).contains(event->pos()))
        emit sigAddClicked();
    if (m_pressed && rect().contains(event->pos()) && !m_checked)
        setCheck(true);
    m_pressed = false;
    m_addPressed = false;
    QLabel::mouseReleaseEvent(event);
}

void CameraLabel::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_index != 0 && event->mimeData()->hasFormat(QLatin1String(DragFormat))) {
        // Always a copy: a move would make the browser list drop the entry.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    qCDebug(lcMedia) << "CameraLabel: refused drag with formats" << event->mimeData()->formats();
    event->ignore();
}

void CameraLabel::dropEvent(QDropEvent *event)
{
    if (m_index == 0 || !event->mimeData()->hasFormat(QLatin1String(DragFormat))) {
        event->ignore();
        return;
    }
    // Records written by the item model: row, column and a map of role to value each.
    const QByteArray data = event->mimeData()->data(QLatin1String(DragFormat));
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_5_15);
    QString path;
    while (!in.atEnd()) {
        int row = 0;
        int column = 0;
        QMap<int, QVariant> roles;
        in >> row >> column >> roles;
        if (in.status() != QDataStream::Ok)
            break;
        if (roles.contains(Qt::UserRole))
            path = roles.value(Qt::UserRole).toString();
    }
    // Of several entries only the last stays shown; load just that one.
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    setImageFile(path);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

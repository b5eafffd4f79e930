#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

class QPushButton;

/// Geometry of a picture tile of size tile: the add button of an empty tile (40 x 40, centred).
QRect cameraLabelAddRect(QSize tile);
/// The area pictures are fitted into: the tile less its 2-pixel outline.
QRect cameraLabelInnerRect(QSize tile);
/// Where a picture of size picture is drawn: fitted into the inner area, aspect kept, centred.
QRect cameraLabelPictureRect(QSize tile, QSize picture);
/// Top-left corner of the live tile's freeze button.
QPoint cameraLabelButtonPos(QSize tile, QSize button);

/// One picture tile of the four-view page. Tile 1 (index 0) shows the live picture and can be
/// frozen; the others show stored pictures that arrive from captures, the add button or a drag
/// from the picture browser. One tile at a time is checked; the main window unchecks the rest.
class CameraLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(CameraLabel)

public:
    /// The drag format of entries dragged out of a list widget.
    static const char *const DragFormat;

    explicit CameraLabel(QWidget *parent = nullptr);
    ~CameraLabel() override;

    /// Tile number minus 1; index 0 gets the freeze button.
    void setIndex(int index);
    int index() const { return m_index; }

    /// Shows image unless the tile is frozen (live frames). Kept as an implicitly shared copy, so
    /// the picture must own its memory (a camera's shared frame does), not wrap somebody's.
    void setImage(const QImage &image);
    /// Loads and shows a stored picture, also while frozen.
    void setImageFile(const QString &path);
    QImage image() const { return m_image; }
    QString fileName() const { return m_fileName; }

    void setCheck(bool checked);
    bool isChecked() const { return m_checked; }
    void setIsCheckedAble(bool checkable) { m_checkable = checkable; }
    bool isCheckedAble() const { return m_checkable; }
    bool isDongjie() const { return m_dongjie; }
    /// The live tile's freeze button, null on the other tiles.
    QPushButton *freezeButton() const { return m_btnDongJie; }

    void updateButtonText();
    void switchLang();

signals:
    void sigAddClicked();
    void toggled(bool checked);

public slots:
    void onBtnDongJie();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void placeButton();

    int m_index = 0;
    bool m_pressed = false;
    bool m_checked = false;
    bool m_checkable = true;
    bool m_addPressed = false;
    QString m_fileName;
    QImage m_image;
    QImage m_addIcon;
    QPushButton *m_btnDongJie = nullptr;
    bool m_dongjie = false;
};

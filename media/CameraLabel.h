#pragma once

#include <QLabel>

/// One picture tile of the four-view page.
class CameraLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CameraLabel(QWidget *parent = nullptr);
    ~CameraLabel() override;

    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }
    void setCheck(bool checked);
    bool isChecked() const { return m_checked; }
    void setIsCheckedAble(bool checkable) { m_checkable = checkable; }
    void switchLang() {}

signals:
    void sigAddClicked();
    void toggled(bool checked);

private:
    int m_index = 0;
    bool m_checked = false;
    bool m_checkable = true;
};

#include "media/CameraLabel.h"

CameraLabel::CameraLabel(QWidget *parent) : QLabel(parent) {}

CameraLabel::~CameraLabel() = default;

void CameraLabel::setCheck(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    emit toggled(m_checked);
}

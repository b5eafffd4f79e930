#pragma once

#include <QMainWindow>

class Config;

/// Window for measuring on a stored picture.
class MeasureEditer : public QMainWindow
{
    Q_OBJECT

public:
    explicit MeasureEditer(QWidget *parent = nullptr);
    ~MeasureEditer() override;

    void setConfig(Config *config) { m_config = config; }
    void init() {}

public slots:
    void onBdInfoChanged() {}

private:
    Config *m_config = nullptr;
};

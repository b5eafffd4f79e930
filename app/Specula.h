#pragma once

#include <QMainWindow>

/// The program's main window.
class Specula : public QMainWindow
{
    Q_OBJECT

public:
    explicit Specula(QWidget *parent = nullptr);
    ~Specula() override;
};

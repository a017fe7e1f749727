#pragma once

#include "exercise/WindowProfile.h"

#include <QWidget>

// The choice window: one picture button per exercise window, the cube
// first and largest.
class ChoiceWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ChoiceWindow(QWidget *parent = nullptr);

signals:
    void chosen(WindowProfile::Figure figure);
};

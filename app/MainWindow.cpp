#include "MainWindow.h"

MainWindow::MainWindow(QWidget *parent) : SxBaseWidget(parent) {}

MainWindow::~MainWindow() = default;

#include "frame/qguitouchhandlerapplication.h"

QGuiTouchHandlerApplication::QGuiTouchHandlerApplication(int& argc, char** argv)
    : QGuiApplication(argc, argv) {}

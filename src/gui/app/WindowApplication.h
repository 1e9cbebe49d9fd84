#pragma once

#include <QApplication>

#include <memory>

/// Starts the application object for the window. Where there is no display
/// to open it on, Qt would abort with its platform-plugin error; the program
/// ends instead with CommandLineModes::noDisplayLine() and status 1.
/// Whatever else Qt says while it starts is passed on once it has started.
[[nodiscard]] std::unique_ptr<QApplication> startWindowApplication(int &argc, char **argv);

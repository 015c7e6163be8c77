#pragma once
// The application object, made so that a display the toolkit cannot open ends the program with
// one line on standard error and status 1, instead of the toolkit's abort.

#include <QApplication>

#include <memory>

namespace qav {

// `argc` must outlive the application.
std::unique_ptr<QApplication> MakeApplication(int& argc, char** argv);

}  // namespace qav

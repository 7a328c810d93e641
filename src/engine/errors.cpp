// The one global error report: bad level data and missing resources end here, and the game goes on.
// By default a message goes to standard error and to a message box (standard error only when headless).
#include <iostream>
#include "errors.h"
#include "platform.h"

namespace eng {

namespace {

ErrorHandler& installedHandler() {
    static ErrorHandler handler;
    return handler;
}

void defaultReport(const std::string& message) {
    std::cerr << "Error: " << message << std::endl;
    showMessage("Zorlin", message);
}

}  // namespace

void setErrorHandler(ErrorHandler handler) { installedHandler() = std::move(handler); }

void reportError(const std::string& message) {
    // A copy: a handler that replaces itself must not be destroyed while it runs.
    const ErrorHandler handler = installedHandler();
    if (handler) handler(message);
    else defaultReport(message);
}

}  // namespace eng

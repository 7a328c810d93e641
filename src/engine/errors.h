// Typed errors for bad outside data, and the one global error report they end in.
// A level load stops at the failing step; the report shows a message box (stderr when headless).
#pragma once
#include <functional>
#include <stdexcept>
#include <string>

namespace eng {

class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class ResourceNotFound : public GameError { public: using GameError::GameError; };  // names the resource
class JsonError : public GameError { public: using GameError::GameError; };         // names key and expected type
class TimeEncodingError : public GameError { public: using GameError::GameError; }; // names the bad time value
class OutOfRange : public GameError { public: using GameError::GameError; };        // names the index
class ResourceError : public GameError { public: using GameError::GameError; };     // unreadable picture etc.

// The global error report. The default handler writes "Error: <message>" to stderr and, with a window,
// shows a message box. Tests install their own handler to collect messages.
using ErrorHandler = std::function<void(const std::string& message)>;
void setErrorHandler(ErrorHandler handler);  // empty handler restores the default
void reportError(const std::string& message);

}  // namespace eng

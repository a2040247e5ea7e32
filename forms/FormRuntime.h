#pragma once
// Loading windows from their definitions, the message loops (main and modal), and the registry of
// the program's live windows. When the last program window goes after the main loop has started,
// the loop is told to quit.
#include "forms/Form.h"

#include <exception>

namespace tessellon::forms {

// Creates the window, raises its created event, then shows it if its definition says visible.
// nullptr when the window could not be made or a handler destroyed it.
Form* LoadForm(const FormDefinition& definition);

// Loads the window fully modal: every other program window is disabled until it is gone. Returns
// once the window has been destroyed (or the loop was asked to quit).
void LoadFormModal(const FormDefinition& definition);

// The main message loop; returns at once when no program window exists.
void RunMessageLoop();

bool AnyFormExists();
Form* FindForm(HWND window);
void DestroyAllForms();

// Called with a description when a handler throws; the program's own handler ends the process.
using UnhandledErrorHandler = void (*)(const char* what);
void SetUnhandledErrorHandler(UnhandledErrorHandler handler);

namespace detail {
[[noreturn]] void ReportUnhandledError(const char* what);
void FormDestroyed(Form* form);

// Runs an event handler so that no exception leaves it: one that escapes is a fatal error.
template <typename Handler>
auto RunGuarded(Handler&& handler) -> decltype(handler()) {
    try {
        return handler();
    } catch (const std::exception& error) {
        ReportUnhandledError(error.what());
    } catch (...) {
        ReportUnhandledError("unknown error");
    }
}
}  // namespace detail

}  // namespace tessellon::forms

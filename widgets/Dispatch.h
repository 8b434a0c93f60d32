// The one dispatch point of the widget layer. Every event handler runs
// through Dispatch, so an exception never crosses Qt's event loop: it is
// shown in the application's error box and the program goes on.
// Declared without Qt so the Qt-free cores (the timer) can hand errors here.
#pragma once

#include <exception>
#include <functional>

// Runs fn; an exception escaping it goes to HandleException.
void Dispatch(const std::function<void()>& fn) noexcept;

// Shows the error box for the exception (message + ".", the application's
// title as caption, error icon, OK); a silent abort shows nothing.
void HandleException(std::exception_ptr error) noexcept;

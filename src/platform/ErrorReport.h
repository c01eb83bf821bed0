#pragma once

#include "platform/AppError.h"

#include <QString>

#include <exception>
#include <new>

// How the handler where a user action starts shows a run-time error.
enum class ErrorStyle {
    Titled,           // "desc, number" titled "ERROR"
    Untitled,         // "desc, number" under the application title
    NumberFirstTitled // "Error Number: number, desc" titled "ERROR"
};

QString ErrorText(const AppError& error, ErrorStyle style);

// Restores the normal pointer and shows the error in one message box.
void ShowError(const AppError& error, ErrorStyle style);

// Runs a user action; any error it raises ends the action and is shown once.
template <class Action> void RunUserAction(ErrorStyle style, Action&& action) {
    try {
        action();
    } catch (const AppError& error) {
        ShowError(error, style);
    } catch (const std::bad_alloc&) {
        ShowError(AppError(7, "Out of memory"), style);
    } catch (const std::exception& error) {
        ShowError(AppError(ErrorNumber::InvalidArgument, error.what()), style);
    }
}

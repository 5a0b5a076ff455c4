#pragma once
// Message boxes and the other Qt-side stand-ins that tests answer in advance.
#include <QString>
#include <exception>
#include <functional>
#include <utility>

// Styles: 0 none, 16 critical, 48 exclamation, 64 information, plus 4 for Yes/No buttons.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
// Results.
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// The application's title, the title of every message box.
inline const QString kAppTitle = QStringLiteral("Corvane");

// Shows prompt (a bare carriage return starts a new line) with the application's title; returns vbOK, vbYes
// or vbNo.
int MsgBox(const QString& prompt, int style = vbOKOnly);

// Seam: a test sets a handler that answers instead of a real box; an empty function restores the real one.
void setMsgBoxHandler(std::function<int(const QString& prompt, int style)> handler);

// How a handler reports an error that reaches it: "Error ", the error's description, the separator, the error's
// source and the tail, with the icon of the style.
struct Failure {
    QString separator;
    QString tail;
    int style;
};
void showFailure(const std::exception& error, const Failure& failure);

// Runs a handler's body. An error that reaches it is shown as the handler's failure message, and the handler
// ends there: what it did before stays done. Every handler with a failure message of its own goes through here.
// Some handlers can fail on no input today; each keeps its message all the same, for an error a later change may
// bring. onFailure is a step the handler takes when an error reaches it, before its message is shown: work the
// failure leaves to do (a load that stopped part-way takes the no-file state), or a part of the message that is
// known only then (the file a command had chosen by that time).
template <class Body, class OnFailure>
void runHandler(const Failure& failure, Body&& body, OnFailure&& onFailure) {
    try {
        body();
    } catch (const std::exception& error) {
        Failure shown = failure;
        onFailure(shown);
        showFailure(error, shown);
    }
}

template <class Body>
void runHandler(const Failure& failure, Body&& body) {
    runHandler(failure, std::forward<Body>(body), [](Failure&) {});
}

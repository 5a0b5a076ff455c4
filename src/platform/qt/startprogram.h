#pragma once
// Starting another program (the game, the system information tool), detached and forgotten.
#include <QString>
#include <functional>

inline constexpr int vbNormalFocus = 1;
inline constexpr int vbMinimizedFocus = 2;

// Raises platform::AppError when the program cannot be started.
void StartProgram(const QString& path, int showState);

// Seam: a test records the start instead; an empty function restores the real one.
void setStartProgramHandler(std::function<void(const QString& path, int showState)> handler);

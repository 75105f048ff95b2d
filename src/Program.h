// The program's entry steps: the application object, the main window, the
// hidden about box and the event loop. Shared by main and the start-up
// benchmark, which watches the main window through `started`.
#pragma once

#include <functional>

class TLimiter;

int runProgram(int& argc, char** argv, const std::function<void(TLimiter&)>& started = {});

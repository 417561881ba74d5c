#pragma once
#include <functional>

namespace skelvora {

class KorvantApplication;

// The catalogue program as it runs: real services, the eleven windows, the
// main window maximized, the message loop. whenShown runs once the main
// window is on screen (the start-up benchmark ends the program there).
int KorvantMain(KorvantApplication& application, const std::function<void()>& whenShown = {});

} // namespace skelvora

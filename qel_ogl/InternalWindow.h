#pragma once

#include <windows.h>

#include <string>

namespace QEL { namespace OGL {

// The library's own hidden window: the carrier of the throw-away context that the extended pixel-format
// choice needs when no context is current, and the window under an off-screen context. It is never shown.
// Each window registers a class of its own, named from the object's address, so that any number of them can
// exist at once and each removes exactly its own class. It belongs to the thread that made it.
class InternalWindow
{
public:
    // Registers the class and creates the window; a failure leaves neither behind.
    InternalWindow();
    // Destroys the window and removes its class. A failure throws only when no other exception is propagating.
    ~InternalWindow() noexcept(false);

    InternalWindow(const InternalWindow&) = delete;
    InternalWindow& operator=(const InternalWindow&) = delete;

    HWND handle() const;

    // Deletes the window for a clean-up whose own failure, if any, is the one to report, or whose window
    // removal has nothing left to act on: a failure here is dropped.
    static void DeleteIgnoringFailure(InternalWindow* pWindow);

private:
    std::string className() const;
    void registerClass(const std::string& sClassName) const;
    void createWindow(const std::string& sClassName);
    void checkDeviceContext() const;
    void unregisterClass() const;

    HWND hWnd_;
};

}}

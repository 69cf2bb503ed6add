// InternalWindow: a top-level window that is never shown, for the contexts that the library makes without a
// window of the host's. A rendering context needs a window's device context with a pixel format set on it,
// and a window takes a pixel format only once, so each context gets a window of its own.
//
// The window class belongs to the window too: its name is "OpenGL" followed by the object's address in
// zero-padded upper-case hexadecimal of the platform's pointer width (never the runtime's own pointer text,
// which differs between runtimes), formatted again when the class is removed. CS_CLASSDC gives the class one
// device context, which with one window per class is the window's own for its lifetime.
//
// Failures throw InternalException with this file and the line of the check, which hosts and tests pin.

#include "qel_ogl/InternalWindow.h"

#include <sstream>

#include "qel_ogl/Checks.h"
#include "qel_ogl/Teardown.h"
#include "qel_ogl/extensionator/CallText.h"

namespace QEL { namespace OGL {

namespace {

// No one sees the window, but a context's viewport starts at its client size.
const LONG kClientSize = 512;
const DWORD kExtendedStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
// Without WS_VISIBLE, and nothing here ever shows the window.
const DWORD kStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW;

// The outer size of a window whose client area is kClientSize square: the borders and caption of an
// overlapped window without a menu added.
SIZE outerSize()
{
    RECT rect = {0, 0, kClientSize, kClientSize};
    AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, kExtendedStyle);
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    return size;
}

}

// The class first, then the window of that class.
InternalWindow::InternalWindow()
    : hWnd_(NULL)
{
    const std::string sClassName = className();
    registerClass(sClassName);
    createWindow(sClassName);
}

// The window is destroyed and its class removed even when the device context check fails (the window may be
// gone already, destroyed by someone else); DestroyWindow's answer tells nothing more.
InternalWindow::~InternalWindow() noexcept(false)
{
    Teardown teardown;
    teardown.step([this] { checkDeviceContext(); });
    DestroyWindow(hWnd_);
    teardown.step([this] { unregisterClass(); });
    teardown.finish();
}

// Unique among the windows alive at once; an address used again later finds its class removed already.
std::string InternalWindow::className() const
{
    std::ostringstream name;
    name << "OpenGL" << CallText::Pointer{this};
    return name.str();
}

// The class and the window belong to the process's executable, like the windows of a host that makes its own.
void InternalWindow::registerClass(const std::string& sClassName) const
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_CLASSDC;
    // Nothing is drawn into the window and no messages are pumped for it: the default handling does.
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.hIcon = NULL;
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = NULL;
    windowClass.lpszMenuName = NULL;
    windowClass.lpszClassName = sClassName.c_str();
    windowClass.hIconSm = NULL;
    // Fails when a class of the name exists already, which only a host that took the name itself can cause.
    QEL_DESCRIBED_CHECK(RegisterClassExA(&windowClass) != 0, "Unable to register window class");
}

HWND InternalWindow::handle() const
{
    return hWnd_;
}

void InternalWindow::DeleteIgnoringFailure(InternalWindow* pWindow)
{
    try
    {
        delete pWindow;
    }
    catch (...)
    {
    }
}

// The checks keep the lines that their exceptions carry (88, 141, 149, 151 and 159); the free lines before
// them are left for later additions, so that nothing added moves them.























// At the top left of the screen, without title, parent or menu. The destructor does not run for a constructor
// that throws, so a window that cannot be made takes its class with it.
void InternalWindow::createWindow(const std::string& sClassName)
{
    const SIZE size = outerSize();
    hWnd_ = CreateWindowExA(kExtendedStyle, sClassName.c_str(), NULL, kStyle, 0, 0, size.cx, size.cy, NULL, NULL,
                            GetModuleHandleA(NULL), NULL);
    if (hWnd_ == NULL)
        UnregisterClassA(sClassName.c_str(), GetModuleHandleA(NULL));
    QEL_DESCRIBED_CHECK(hWnd_ != NULL, "Unable to create window");
}

// The window must still have its device context. (A context on the window gave back the device context that it
// took; with the class's one device context, GetDC hands out the same again.)
void InternalWindow::checkDeviceContext() const
{
    const HDC hDC = GetDC(hWnd_);
    QEL_ASSERT(hDC != 0);
    const int nReleased = ReleaseDC(hWnd_, hDC);
    QEL_DESCRIBED_CHECK(nReleased != 0, "Unable to release the device context");
}

// Fails while a window of the class exists, and for a class that someone else removed.
void InternalWindow::unregisterClass() const
{
    const std::string sClassName = className();
    const BOOL bUnregistered = UnregisterClassA(sClassName.c_str(), GetModuleHandleA(NULL));
    QEL_DESCRIBED_CHECK(bUnregistered, "Unable to unregister window class");
}

}}

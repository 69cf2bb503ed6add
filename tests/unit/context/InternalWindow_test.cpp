// InternalWindow: a hidden window with a class of its own, and its failures. The library does not export the
// class, so this program compiles it itself; it needs a window system, no GL.

#include "ContextFailure.h"
#include "CreatedWindows.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>

#include "qel_core/InternalException.h"
#include "qel_ogl/InternalWindow.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::OGL::InternalWindow;

namespace {

const char* const kInternalWindowFile = "qel_ogl/InternalWindow.cpp";

std::string classOf(const InternalWindow& window)
{
    char name[256] = {};
    GetClassNameA(window.handle(), name, sizeof name);
    return name;
}

// "OpenGL" and the address in upper-case hexadecimal, as wide as a pointer.
std::string expectedClassName(const void* address)
{
    char name[64] = {};
    std::snprintf(name, sizeof name, "OpenGL%0*llX", static_cast<int>(2 * sizeof address),
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address)));
    return name;
}

// Room for a window at an address known before it is made.
struct WindowStorage
{
    alignas(InternalWindow) unsigned char bytes[sizeof(InternalWindow)];
};

}

TEST(InternalWindow, TwoWindowsAtOnceHaveClassesOfTheirOwnAndRemoveThem)
{
    auto first = std::make_unique<InternalWindow>();
    auto second = std::make_unique<InternalWindow>();
    const std::string firstClass = classOf(*first), secondClass = classOf(*second);
    EXPECT_EQ(expectedClassName(first.get()), firstClass);
    EXPECT_EQ(expectedClassName(second.get()), secondClass);
    const HWND firstWindow = first->handle();

    first.reset();
    EXPECT_FALSE(IsWindow(firstWindow));
    EXPECT_FALSE(CreatedWindows::ClassExists(firstClass));
    EXPECT_TRUE(CreatedWindows::ClassExists(secondClass));
    second.reset();
    EXPECT_FALSE(CreatedWindows::ClassExists(secondClass));
}

TEST(InternalWindow, IsAHiddenTopLevelWindowWithA512By512ClientArea)
{
    const InternalWindow window;
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    EXPECT_EQ(nullptr, GetParent(window.handle()));
    RECT client = {};
    ASSERT_TRUE(GetClientRect(window.handle(), &client));
    EXPECT_EQ(512, client.right - client.left);
    EXPECT_EQ(512, client.bottom - client.top);
    EXPECT_EQ(CS_CLASSDC, static_cast<UINT>(GetClassLongPtrA(window.handle(), GCL_STYLE)));
    // A class device context: every GetDC hands out the same one.
    const HDC dc = GetDC(window.handle());
    EXPECT_EQ(dc, GetDC(window.handle()));
    ReleaseDC(window.handle(), dc);
    ReleaseDC(window.handle(), dc);
}

TEST(InternalWindow, ClassThatCannotBeRegisteredFails)
{
    WindowStorage storage = {};
    const std::string name = expectedClassName(storage.bytes);
    WNDCLASSEXA taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = name.c_str();
    ASSERT_NE(0, RegisterClassExA(&taken));

    CreatedWindows created;
    expectFailure(thrownBy<InternalException>([&] { new (storage.bytes) InternalWindow(); }), kInternalWindowFile,
                  88, "Unable to register window class");
    EXPECT_TRUE(created.classNames().empty());
    EXPECT_TRUE(UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr)));
}

TEST(InternalWindow, WindowThatCannotBeCreatedFailsAndTakesItsClassAlong)
{
    CreatedWindows refused(true);
    expectFailure(thrownBy<InternalException>([] { InternalWindow window; }), kInternalWindowFile, 141,
                  "Unable to create window");
    ASSERT_EQ(1u, refused.classNames().size());
    EXPECT_FALSE(CreatedWindows::ClassExists(refused.classNames()[0]));
}

// Someone destroyed the window: there is no device context to check, but the class still goes.
TEST(InternalWindow, WindowDestroyedBehindItsBackFailsTheDestructionAndTheClassStillGoes)
{
    auto window = std::make_unique<InternalWindow>();
    const std::string name = classOf(*window);
    ASSERT_TRUE(DestroyWindow(window->handle()));

    expectFailure(thrownBy<InternalException>([&] { delete window.release(); }), kInternalWindowFile, 149,
                  "hDC != 0");
    EXPECT_FALSE(CreatedWindows::ClassExists(name));
}

TEST(InternalWindow, ClassWithAnotherWindowCannotBeRemoved)
{
    auto window = std::make_unique<InternalWindow>();
    const std::string name = classOf(*window);
    const HWND other = CreateWindowExA(0, name.c_str(), nullptr, WS_OVERLAPPED, 0, 0, 8, 8, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, other);

    expectFailure(thrownBy<InternalException>([&] { delete window.release(); }), kInternalWindowFile, 159,
                  "Unable to unregister window class");
    EXPECT_TRUE(DestroyWindow(other));
    EXPECT_TRUE(UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr)));
}

// A destructor that throws while another exception propagates would end the program.
TEST(InternalWindow, FailingDestructionGivesWayToThePropagatingException)
{
    struct DeletesWindow
    {
        InternalWindow* pWindow;
        ~DeletesWindow() noexcept(false) { delete pWindow; }
    };
    auto window = std::make_unique<InternalWindow>();
    const std::string name = classOf(*window);
    ASSERT_TRUE(DestroyWindow(window->handle()));

    EXPECT_THROW({
        DeletesWindow deleting{window.release()};
        throw std::runtime_error("the work failed");
    }, std::runtime_error);
    EXPECT_FALSE(CreatedWindows::ClassExists(name));
}

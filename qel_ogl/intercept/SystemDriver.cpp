#include "qel_ogl/intercept/SystemDriver.h"

#include <atomic>
#include <string>

#include "qel_ogl/intercept/InterceptLog.h"
#include "qel_ogl/intercept/InterceptOpTable.h"

namespace QEL { namespace OGL {

namespace {

// Calls from other threads go straight too, so the slots are read and filled from any thread.
std::atomic<SystemDriver::Function> gEntries[kInterceptOpCount];
std::atomic<bool> gReported[kInterceptOpCount];

std::string systemOpenGLPath()
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length < MAX_PATH ? length : 0) + "\\opengl32.dll";
}

void reportOnce(InterceptOp op, const std::string& text)
{
    if (!gReported[static_cast<unsigned>(op)].exchange(true))
        InterceptLog::write(text);
}

// A GL function that the DLL does not export is one after OpenGL 1.1: the driver hands it out through
// wglGetProcAddress (with a context current).
bool isGLFunction(const char* name)
{
    return name[0] == 'g' && name[1] == 'l';
}

}

SystemDriver::Function SystemDriver::entry(InterceptOp op)
{
    std::atomic<Function>& slot = gEntries[static_cast<unsigned>(op)];
    Function function = slot.load(std::memory_order_relaxed);
    if (function == nullptr) {
        function = resolve(op);
        slot.store(function, std::memory_order_relaxed);
    }
    return function;
}

void SystemDriver::remember(InterceptOp op, PROC address)
{
    if (address != nullptr)
        gEntries[static_cast<unsigned>(op)].store(reinterpret_cast<Function>(address), std::memory_order_relaxed);
}

SystemDriver::Function SystemDriver::resolve(InterceptOp op)
{
    const char* name = interceptOpName(op);
    if (op == InterceptOp::SwapBuffers)
        return reinterpret_cast<Function>(GetProcAddress(GetModuleHandleA("gdi32.dll"), name));
    const HMODULE module = openGLModule();
    if (module == nullptr) {
        reportOnce(op, "qel_ogl: " + std::string(name) + " cannot be called: the system's " + systemOpenGLPath()
                           + " could not be loaded");
        return nullptr;
    }
    auto function = reinterpret_cast<Function>(GetProcAddress(module, name));
    if (function == nullptr && isGLFunction(name)) {
        const auto getProcAddress = reinterpret_cast<PROC(WINAPI*)(LPCSTR)>(
            reinterpret_cast<Function>(GetProcAddress(module, "wglGetProcAddress")));
        function = reinterpret_cast<Function>(getProcAddress != nullptr ? getProcAddress(name) : nullptr);
    }
    if (function == nullptr)
        reportOnce(op, "qel_ogl: " + std::string(name) + " cannot be called: the system's driver does not have it");
    return function;
}

HMODULE SystemDriver::openGLModule()
{
    static const HMODULE module = LoadLibraryA(systemOpenGLPath().c_str());
    return module;
}

}}

#pragma once

namespace QEL { namespace OGL {

// Names the call site of a call that arrives without a source file: the calling module's file name (no folder)
// and the offset of the return address in it, "demo.exe+0x1A2B", the form that debuggers and addr2line take.
// A site's name is made at its first call and kept for the life of the process, so that later calls cost a
// lookup, never an allocation or formatting. Called on the thread that owns the GL chain only.
class CallSites
{
public:
    CallSites() = delete;

    static const char* name(const void* returnAddress);

    // Whether the address lies in qel_ogl.dll or qel_core.dll: their own GL calls go straight to the driver.
    static bool isLibraryModule(const void* returnAddress);

private:
    static const char* makeName(const void* returnAddress);
};

}}

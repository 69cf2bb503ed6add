#include "qel_ogl/intercept/CallSites.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "qel_core/isPowerOfTwo.h"

namespace QEL { namespace OGL {

namespace {

struct AddressRange
{
    std::uintptr_t begin;
    std::uintptr_t end;

    bool contains(const void* address) const
    {
        const auto value = reinterpret_cast<std::uintptr_t>(address);
        return value >= begin && value < end;
    }
};

HMODULE moduleOf(const void* address)
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCSTR>(address), &module);
    return module;
}

// The module's image as its PE header gives it.
AddressRange imageOf(HMODULE module)
{
    const auto base = reinterpret_cast<std::uintptr_t>(module);
    const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return AddressRange{base, base + nt->OptionalHeader.SizeOfImage};
}

AddressRange imageContaining(const void* address)
{
    const HMODULE module = moduleOf(address);
    return module != nullptr ? imageOf(module) : AddressRange{0, 0};
}

std::string fileNameOf(HMODULE module)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    const std::string full(path, length);
    const std::size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

// A direct-mapped cache in front of the map: a frame's call sites repeat, and most land here.
struct CachedSite
{
    const void* address;
    const char* name;
};
constexpr std::size_t kCacheSize = 4096;
CachedSite gCache[kCacheSize];

std::size_t cacheSlot(const void* address)
{
    return (reinterpret_cast<std::uintptr_t>(address) >> 2) % kCacheSize;
}

}

const char* CallSites::name(const void* returnAddress)
{
    CachedSite& cached = gCache[cacheSlot(returnAddress)];
    if (cached.address != returnAddress || cached.name == nullptr)
        cached = CachedSite{returnAddress, makeName(returnAddress)};
    return cached.name;
}

const char* CallSites::makeName(const void* returnAddress)
{
    // Nodes of an unordered_map never move, so the names handed out stay valid.
    static std::unordered_map<const void*, std::string> names;
    std::string& name = names[returnAddress];
    if (name.empty()) {
        char offset[2 * sizeof(void*) + 4];
        const HMODULE module = moduleOf(returnAddress);
        const auto address = reinterpret_cast<std::uintptr_t>(returnAddress);
        const auto base = reinterpret_cast<std::uintptr_t>(module);
        std::snprintf(offset, sizeof offset, "0x%llX", static_cast<unsigned long long>(address - base));
        name = module != nullptr ? fileNameOf(module) + "+" + offset : std::string(offset);
    }
    return name.c_str();
}

bool CallSites::isLibraryModule(const void* returnAddress)
{
    static const AddressRange library = imageContaining(reinterpret_cast<const void*>(&CallSites::name));
    static const AddressRange core = imageContaining(reinterpret_cast<const void*>(&QEL::isPowerOfTwo));
    return library.contains(returnAddress) || core.contains(returnAddress);
}

}}

#include "tools/replay/GLRekorderReplay.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "tools/replay/ReplaySession.h"
#include "tools/replay/UnsupportedCalls.h"

std::istream* pBinaryInputStream = nullptr;
std::map<HDC, HDC> hdc_map_;
HDC hDC_Ours = nullptr;

namespace {

ReplaySession* pSession = nullptr;

std::vector<void (*)()>& replayParts()
{
    static std::vector<void (*)()> parts;
    return parts;
}

const long long kUnknownScratchBytes = 64LL << 20;

// The bytes of scratch storage for a recorded size, -1 where the call does not tell it.
std::size_t scratchBytes(long long recorded)
{
    return static_cast<std::size_t>(recorded < 0 ? kUnknownScratchBytes : recorded);
}
const unsigned long long kSizeFieldBytes = 4;

// The data file, whole, as the complete mode's records need it: read again when the replay reads another.
const std::vector<char>& dataFile()
{
    static std::vector<char> bytes;
    static std::istream* pLoaded = nullptr;
    if (pBinaryInputStream == nullptr)
        throw std::runtime_error("The recording reads data, but the replay has no data file");
    if (pLoaded != pBinaryInputStream) {
        pBinaryInputStream->clear();
        pBinaryInputStream->seekg(0, std::ios::end);
        bytes.resize(static_cast<std::size_t>(pBinaryInputStream->tellg()));
        pBinaryInputStream->seekg(0);
        pBinaryInputStream->read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!*pBinaryInputStream)
            throw std::runtime_error("The replay's data file cannot be read");
        pLoaded = pBinaryInputStream;
    }
    return bytes;
}

ReplaySession& session()
{
    if (pSession == nullptr)
        throw std::logic_error("Recorded window-system statements run outside a replay session");
    return *pSession;
}

}

float makeFloat(int bits)
{
    const std::int32_t pattern = bits;
    float value;
    std::memcpy(&value, &pattern, sizeof value);
    return value;
}

double makeDouble(unsigned long long bits)
{
    const std::uint64_t pattern = bits;
    double value;
    std::memcpy(&value, &pattern, sizeof value);
    return value;
}

const void* GLRekorderData(unsigned long long offset)
{
    const std::vector<char>& bytes = dataFile();
    std::uint32_t size = 0;
    if (offset > bytes.size() || bytes.size() - offset < kSizeFieldBytes)
        throw std::runtime_error("A recorded statement reads past the end of the data file");
    std::memcpy(&size, bytes.data() + offset, sizeof size);
    if (bytes.size() - offset - kSizeFieldBytes < size)
        throw std::runtime_error("A record of the data file ends past the end of the file");
    return bytes.data() + offset + kSizeFieldBytes;
}

const void* GLRekorderArray(unsigned long long offset, long long bias)
{
    return reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(GLRekorderData(offset))
                                         + static_cast<std::uintptr_t>(bias));
}

const void* GLRekorderOffset(unsigned long long offset)
{
    return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(offset));
}

const void* const* GLRekorderPointers(std::initializer_list<const void*> pointers)
{
    static std::vector<std::vector<const void*>> kept;
    kept.emplace_back(pointers);
    return kept.back().data();
}

void* GLRekorderScratch(long long bytes)
{
    static std::vector<char> scratch;
    if (scratch.size() < scratchBytes(bytes))
        scratch.resize(scratchBytes(bytes));
    return scratch.data();
}

void* GLRekorderLastingScratch(long long bytes)
{
    static std::vector<std::vector<char>> kept;
    kept.emplace_back(scratchBytes(bytes) + 1);
    return kept.back().data();
}

bool addReplayPart(void (*part)())
{
    replayParts().push_back(part);
    return true;
}

void runReplayParts()
{
    for (void (*part)() : replayParts())
        part();
}

void OpenGLRekorderUnsupported(const char* text)
{
    unsupportedCalls().add(text);
}

UnsupportedCalls& unsupportedCalls()
{
    static UnsupportedCalls calls(std::cerr);
    return calls;
}

void addCurrentAppDC(HDC recorded)
{
    session().addApplicationDC(recorded);
}

void GLRekorderCreateWindow(HDC recorded)
{
    session().createWindow(recorded);
}

BOOL GLRekorderMakeCurrent(HDC recordedDC, HGLRC recordedRC)
{
    return session().makeCurrent(recordedDC, recordedRC);
}

BOOL GLRekorderSwapBuffers(HDC recorded)
{
    return session().swapBuffers(recorded);
}

BOOL GLRekorderSwapLayerBuffers(HDC recorded, UINT planes)
{
    return session().swapLayerBuffers(recorded, planes);
}

BOOL GLRekorderUseFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTA& font)
{
    return session().useFontBitmaps(recorded, first, count, listBase, font);
}

BOOL GLRekorderUseFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTW& font)
{
    return session().useFontBitmaps(recorded, first, count, listBase, font);
}

BOOL GLRekorderUseFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                               FLOAT extrusion, int format, bool metrics, const LOGFONTA& font)
{
    return session().useFontOutlines(recorded, first, count, listBase, deviation, extrusion, format, metrics, font);
}

BOOL GLRekorderUseFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                               FLOAT extrusion, int format, bool metrics, const LOGFONTW& font)
{
    return session().useFontOutlines(recorded, first, count, listBase, deviation, extrusion, format, metrics, font);
}

HGLRC GLRekorderCreateContext(HDC ours)
{
    return session().createContext(ours);
}

HGLRC GLRekorderCreateLayerContext(HDC recorded, int layerPlane)
{
    return session().createLayerContext(recorded, layerPlane);
}

BOOL GLRekorderDeleteContext(HGLRC recorded)
{
    return session().deleteContext(recorded);
}

BOOL GLRekorderShareLists(HGLRC recordedFirst, HGLRC recordedSecond)
{
    return session().shareLists(recordedFirst, recordedSecond);
}

BOOL GLRekorderCopyContext(HGLRC recordedSource, HGLRC recordedDestination, UINT mask)
{
    return session().copyContext(recordedSource, recordedDestination, mask);
}

void setReplaySession(ReplaySession* session)
{
    pSession = session;
}

#include "qel_ogl/intercept/InterceptLog.h"

#include <mutex>

namespace QEL { namespace OGL {

namespace {

// Reports may come from any thread (a driver missing for a call from another thread).
std::mutex gMutex;
InterceptLog::Callback gCallback = nullptr;
void* gContext = nullptr;
std::FILE* gFile = nullptr;

}

void InterceptLog::write(const std::string& line)
{
    const std::lock_guard<std::mutex> lock(gMutex);
    if (gCallback != nullptr) {
        gCallback(line.c_str(), gContext);
        return;
    }
    std::FILE* file = gFile != nullptr ? gFile : stderr;
    std::fputs(line.c_str(), file);
    std::fputc('\n', file);
    std::fflush(file);
}

void InterceptLog::setCallback(Callback callback, void* context)
{
    const std::lock_guard<std::mutex> lock(gMutex);
    gCallback = callback;
    gContext = context;
}

void InterceptLog::setFile(std::FILE* file)
{
    const std::lock_guard<std::mutex> lock(gMutex);
    gFile = file;
}

}}

#include "tools/replay/Recording.h"

#include <stdexcept>

#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"

using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::wglInterceptor;

// The data file starts empty: the text addresses its records from the start of the file.
Recording::Recording(const std::string& textPath, const std::string& dataPath, HDC applicationDC)
    : text_(Open(textPath, std::ios::out)),
      data_(Open(dataPath, std::ios::out | std::ios::binary)),
      glRecorder_(text_, data_, nullptr, true),
      wglRecorder_(text_, data_, applicationDC, nullptr, true)
{
    OpenGLInterceptor::Instance()->addInterceptor(&glRecorder_);
    wglInterceptor::Instance()->addInterceptor(&wglRecorder_);
}

Recording::~Recording()
{
    wglInterceptor::Instance()->popInterceptor();
    OpenGLInterceptor::Instance()->popInterceptor();
}

std::ofstream Recording::Open(const std::string& path, std::ios::openmode mode)
{
    std::ofstream file(path, mode);
    if (!file)
        throw std::runtime_error("Cannot write " + path);
    return file;
}

#pragma once

#include <windows.h>

#include <fstream>
#include <string>

#include "qel_ogl/extensionator/OpenGLRekorder.h"
#include "qel_ogl/extensionator/windows/wglRekorder.h"

// Records every call made through both interceptor chains while it lives: a GL and a WGL recorder write to
// one text file, so that their statements stay in call order, with the caller's file and line after each
// statement, and the GL recorder's data records go to a data file. Both recorders go on top of their chains
// when it is made and come off again when it goes, so it must go before anything installed after it.
// Construction throws std::runtime_error when a file cannot be opened.
class Recording
{
public:
    // applicationDC is the device context current in the application when recording starts.
    Recording(const std::string& textPath, const std::string& dataPath, HDC applicationDC);
    ~Recording();

    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

private:
    static std::ofstream Open(const std::string& path, std::ios::openmode mode);

    std::ofstream text_;
    std::ofstream data_;
    QEL::OGL::OpenGLRekorder glRecorder_;
    QEL::OGL::wglRekorder wglRecorder_;
};

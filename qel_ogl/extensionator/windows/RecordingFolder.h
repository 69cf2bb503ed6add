#pragma once

#include <windows.h>

#include <fstream>
#include <string>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// A recording as a folder that builds its own replay program: the recorded text (recording.inc) and data
// (recording.dat) that a host's OpenGLRekorder and wglRekorder write through text() and data(), and, once the
// recording is closed, a CMakeLists.txt that names both relative to the folder and gives the recorded window's
// size and pixel format. With the library's package installed:
//
//     cmake -S <folder> -B <folder>/build -Dqel_ogl_DIR=<prefix>/lib/cmake/qel_ogl
//     cmake --build <folder>/build
//
// builds <folder>/build/replay[.exe], which reads the folder's data file from any working folder.
class QEL_OGL_API RecordingFolder
{
public:
    // The recorded window: its client size and the bits of its pixel format.
    struct Window
    {
        int width;
        int height;
        int colorBits;
        int alphaBits;
        int depthBits;
        int stencilBits;
        int accumBits;
        bool doubleBuffered;
    };

    // The window that a device context draws to, as its client size and pixel format give it.
    static Window windowOf(HDC hdc);

    // Makes the folder (with its parents) and opens both files; throws InternalException when it cannot.
    RecordingFolder(const std::string& folder, const Window& window);
    // Closes the recording unless close() did.
    ~RecordingFolder();

    RecordingFolder(const RecordingFolder&) = delete;
    RecordingFolder& operator=(const RecordingFolder&) = delete;

    std::ostream& text();
    std::ostream& data();
    const std::string& textPath() const;
    const std::string& dataPath() const;
    const std::string& buildFilePath() const;

    // Begins the next part of the text: the replay compiles each part as a function of its own, so that the
    // compiler holds one part of a long recording at a time. Only between two whole statements.
    void beginPart();

    // Closes both files and writes the folder's CMakeLists.txt; the recording is complete. A second call does
    // nothing.
    void close();

private:
    void writeBuildFile() const;

    Window window_;
    std::string sTextPath_;
    std::string sDataPath_;
    std::string sBuildFilePath_;
    std::ofstream text_;
    std::ofstream data_;
    unsigned long long nParts_;
    bool bClosed_;
};

}}

#include "qel_ogl/extensionator/windows/RecordingFolder.h"

#include <filesystem>

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

namespace {

std::string pathIn(const std::filesystem::path& folder, const char* name)
{
    return (folder / name).string();
}

}

RecordingFolder::Window RecordingFolder::windowOf(HDC hdc)
{
    RECT client{};
    GetClientRect(WindowFromDC(hdc), &client);
    PIXELFORMATDESCRIPTOR pfd{};
    DescribePixelFormat(hdc, GetPixelFormat(hdc), sizeof pfd, &pfd);
    return Window{client.right - client.left, client.bottom - client.top, pfd.cColorBits, pfd.cAlphaBits,
                  pfd.cDepthBits, pfd.cStencilBits, pfd.cAccumBits, (pfd.dwFlags & PFD_DOUBLEBUFFER) != 0};
}

RecordingFolder::RecordingFolder(const std::string& folder, const Window& window)
    : window_(window),
      sTextPath_(pathIn(folder, "recording.inc")),
      sDataPath_(pathIn(folder, "recording.dat")),
      sBuildFilePath_(pathIn(folder, "CMakeLists.txt")),
      nParts_(1),
      bClosed_(false)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    text_.open(sTextPath_);
    data_.open(sDataPath_, std::ios::binary);
    QEL_DESCRIBED_CHECK(text_ && data_, "RecordingFolder::ctor cannot write a recording in " << folder);
}

RecordingFolder::~RecordingFolder()
{
    close();
}

std::ostream& RecordingFolder::text()
{
    return text_;
}

std::ostream& RecordingFolder::data()
{
    return data_;
}

const std::string& RecordingFolder::textPath() const
{
    return sTextPath_;
}

const std::string& RecordingFolder::dataPath() const
{
    return sDataPath_;
}

const std::string& RecordingFolder::buildFilePath() const
{
    return sBuildFilePath_;
}

void RecordingFolder::beginPart()
{
    text_ << "GLRekorderNextPart(" << nParts_++ << ")\n";
}

void RecordingFolder::close()
{
    if (bClosed_)
        return;
    bClosed_ = true;
    text_.close();
    data_.close();
    writeBuildFile();
}

void RecordingFolder::writeBuildFile() const
{
    std::ofstream build(sBuildFilePath_);
    build << "# A recording and the replay program that draws it again, written by qel_ogl. Build it with\n"
          << "#     cmake -S <this folder> -B <this folder>/build -Dqel_ogl_DIR=<qel_ogl>/lib/cmake/qel_ogl\n"
          << "#     cmake --build <this folder>/build\n"
          << "# and run build/replay [data file [frame prefix]].\n"
          << "cmake_minimum_required(VERSION 3.25)\n"
          << "project(qel_recording LANGUAGES C CXX)\n"
          << "find_package(qel_ogl CONFIG REQUIRED)\n"
          << "qel_add_replay(replay\n"
          << "    TEXT ${CMAKE_CURRENT_SOURCE_DIR}/recording.inc\n"
          << "    DATA ${CMAKE_CURRENT_SOURCE_DIR}/recording.dat\n"
          << "    WIDTH " << window_.width << " HEIGHT " << window_.height << "\n"
          << "    COLOR_BITS " << window_.colorBits << " ALPHA_BITS " << window_.alphaBits << " DEPTH_BITS "
          << window_.depthBits << " STENCIL_BITS " << window_.stencilBits << " ACCUM_BITS " << window_.accumBits
          << " DOUBLE_BUFFER " << (window_.doubleBuffered ? "ON" : "OFF") << "\n"
          << "    OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})\n";
}

}}

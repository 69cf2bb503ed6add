#include "Demo.h"

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "BitmapFile.h"
#include "ChildProcess.h"
#include "GLWindow.h"
#include "ReplayBuildSettings.h"
#include "Report.h"
#include "Tracing.h"
#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextWindowed.h"
#include "qel_ogl/intercept/FrameCapture.h"
#include "tools/replay/Recording.h"
#include "tools/replay/SampleScene.h"

using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextWindowed;
using QEL::OGL::FrameCapture;
using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::wglInterceptor;

namespace {

const int kWidth = ReplayBuildSettings::kFrameWidth;
const int kHeight = ReplayBuildSettings::kFrameHeight;

// Not a texture target: the driver answers GL_INVALID_ENUM.
const GLenum kInvalidTarget = 0x1234;

std::vector<unsigned char> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("Cannot read " + path);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("Cannot write " + path);
}

// The lines of a text file, and its last line.
std::pair<long long, std::string> lines(const std::string& path)
{
    std::ifstream file(path);
    long long count = 0;
    std::string line;
    std::string last;
    while (std::getline(file, line))
    {
        ++count;
        last = line;
    }
    return {count, last};
}

// The chain reports a GL error as an exception that carries the file and line of the call.
std::string failCheckedCall()
{
    try
    {
        QEL_CHECKED(BindTexture)(kInvalidTarget, 1);
    }
    catch (const QEL::OGL::ExceptionOGL& e)
    {
        return e.what();
    }
    throw std::runtime_error("glBindTexture with an invalid target was not reported as an error");
}

// Bytes beyond the shorter of the two count as differing.
long long differingBytes(const std::vector<unsigned char>& first, const std::vector<unsigned char>& second)
{
    const std::size_t common = std::min(first.size(), second.size());
    long long count = static_cast<long long>(std::max(first.size(), second.size()) - common);
    for (std::size_t i = 0; i < common; ++i)
        count += first[i] != second[i];
    return count;
}

// The name in the folder, joined with the separator the folder already uses.
std::string joinPath(const std::string& folder, const std::string& name)
{
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    const char last = folder.back();
    return folder + (last == '/' || last == '\\' ? "" : std::string(1, separator)) + name;
}

// The folder of this program, where the build put the replay program too.
std::string toolFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        throw std::runtime_error("Cannot find the folder of this program");
    const std::string program(path, length);
    return program.substr(0, program.find_last_of("\\/"));
}

}

Demo::Demo(std::string directory)
    : directory_(std::move(directory))
{
}

bool Demo::run(Report& report) const
{
    std::error_code error;
    std::filesystem::create_directories(directory_, error);
    if (error)
        throw std::runtime_error("Cannot make the folder " + directory_ + ": " + error.message());
    report.addText("directory", "folder", directory_);
    record(report);
    if (!buildReplay(report))
        return false;
    return replay(report);
}

std::string Demo::path(const std::string& name) const
{
    return joinPath(directory_, name);
}

// The tracer sits below the recorders and stays after them, so that the failing call is traced but not
// recorded: the replay draws the frame alone.
void Demo::record(Report& report) const
{
    // The application's window and its context, made by the library as a host makes them.
    const GLWindow window(kWidth, kHeight, GLWindow::SHOWN, GLWindow::NO_PIXEL_FORMAT);
    ContextWindowed context(window.window(), BufferFormat(BufferFormat::RGBA8_D24_S8), Context::DOUBLE_BUFFERED,
                            Context::SAMPLES_1, nullptr);
    QEL::OGL::AutoInitializer library(&context);
    std::string failure;
    {
        Tracing tracing(path("trace.txt"));
        {
            Recording recording(path("scene.inc"), path("scene.dat"), context.deviceContext());
            SampleScene(kWidth, kHeight).draw(context.deviceContext(), context.renderContext());
            FrameCapture(path("recorded"), kWidth, kHeight)();
            QEL_CHECKED_WGL(SwapBuffers)(context.deviceContext());
        }
        failure = failCheckedCall();
    }
    OpenGLInterceptor::destroy();
    wglInterceptor::destroy();

    BitmapFile::Write(path("frame.bmp"), kWidth, kHeight, fileBytes(path("recorded0.rgba")));
    const auto [traceLines, lastTraceLine] = lines(path("trace.txt"));
    report.addText("trace", "trace", path("trace.txt"));
    report.addNumber("trace_lines", "traced calls", traceLines);
    report.addText("checked_call", "checked call failed with", failure);
    report.addText("last_trace_line", "last traced call", lastTraceLine);
    report.addText("recorded_text", "recorded source", path("scene.inc"));
    report.addNumber("recorded_lines", "recorded lines", lines(path("scene.inc")).first);
    report.addText("recorded_data", "recorded data", path("scene.dat"));
    report.addNumber("recorded_data_bytes", "recorded data bytes",
                     static_cast<long long>(fileBytes(path("scene.dat")).size()));
    report.addText("frame", "frame image", path("frame.bmp"));
}

// The replay program compiles the recorded text, which it reads from a fixed place in the build.
bool Demo::buildReplay(Report& report) const
{
    writeFile(joinPath(toolFolder(), ReplayBuildSettings::kRecordedTextFromTool), fileBytes(path("scene.inc")));
    const std::vector<std::string> command(std::begin(ReplayBuildSettings::kBuildCommand),
                                           std::end(ReplayBuildSettings::kBuildCommand));
    const unsigned long status = ChildProcess::RunHostProgram(command, ReplayBuildSettings::kBuildHostIsWindows);
    if (status != 0)
    {
        report.addText("replay_build", "replay build", "failed with status " + std::to_string(status));
        report.addText("verdict", "verdict", "not replayed");
        return false;
    }
    report.addText("replay_program", "replay program",
                   joinPath(toolFolder(), ReplayBuildSettings::kReplayProgram));
    return true;
}

bool Demo::replay(Report& report) const
{
    const unsigned long status = ChildProcess::RunProgram(
        {joinPath(toolFolder(), ReplayBuildSettings::kReplayProgram), path("scene.dat"), path("replayed")});
    if (status != 0)
    {
        report.addText("replay_run", "replay run", "failed with status " + std::to_string(status));
        report.addText("verdict", "verdict", "not replayed");
        return false;
    }
    const std::vector<unsigned char> recorded = fileBytes(path("recorded0.rgba"));
    const std::vector<unsigned char> replayed = fileBytes(path("replayed0.rgba"));
    const bool identical = recorded == replayed;
    if (replayed.size() == recorded.size())
    {
        BitmapFile::Write(path("replayed.bmp"), kWidth, kHeight, replayed);
        report.addText("replayed_frame", "replayed frame image", path("replayed.bmp"));
    }
    if (!identical)
        report.addNumber("differing_bytes", "differing bytes", differingBytes(recorded, replayed));
    report.addText("verdict", "verdict", identical ? "identical" : "different");
    return identical;
}

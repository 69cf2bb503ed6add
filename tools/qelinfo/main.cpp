// The info tool: turns the library on for an off-screen context and reports what the OpenGL driver behind it
// offers; with --demo, also shows the debugging seam end to end (see Demo.h).
//
// Usage: qelinfo [--json] [--demo FOLDER]
//   --json         the report as one JSON object, for machines; plain text otherwise
//   --demo FOLDER  trace and record a frame, replay it, and compare the frames; the files go to FOLDER
//
// Exits 0 when the report (and the demo, whose frames must be identical) was made, 1 otherwise, 2 for a
// wrong command line.

#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "Demo.h"
#include "DriverReport.h"
#include "PixelFormatRequests.h"
#include "Report.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/ogl/ContextOffscreen.h"

namespace {

const char* const kUsage = "Usage: qelinfo [--json] [--demo FOLDER]\n";

struct Options
{
    bool json = false;
    std::string demoDirectory;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--json") == 0)
            options.json = true;
        else if (std::strcmp(argv[i], "--demo") == 0 && i + 1 < argc && argv[i + 1][0] != '\0')
            options.demoDirectory = argv[++i];
        else
            return false;
    }
    return true;
}

void reportDriver(Report& report)
{
    QEL::OGL::ContextOffscreen context;
    QEL::OGL::AutoInitializer library(&context);  // makes the context current
    DriverReport::Add(report);
    PixelFormatRequests::Add(report);
    // The chain goes before the context it was used with.
    QEL::OGL::OpenGLInterceptor::destroy();
}

// The driver's section, then the demo's.
bool run(const Options& options, Report& report)
{
    reportDriver(report.addSection("driver", "OpenGL driver"));
    if (options.demoDirectory.empty())
        return true;
    return Demo(options.demoDirectory).run(report.addSection("demo", "Demo"));
}

void write(const Options& options, const Report& report)
{
    if (options.json)
        report.writeJson(std::cout);
    else
        report.writeText(std::cout);
    std::cout.flush();
}

}

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options))
    {
        std::cerr << kUsage;
        return 2;
    }
    // What was found before a failure is reported too.
    Report report;
    try
    {
        const bool succeeded = run(options, report);
        write(options, report);
        return succeeded ? 0 : 1;
    }
    catch (const std::exception& e)
    {
        write(options, report);
        std::cerr << "qelinfo: " << e.what() << "\n";
        return 1;
    }
}

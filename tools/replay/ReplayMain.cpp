// A replay program: makes its own window and context, turns the library on for it (which fills the table the
// recorded GL names reach), opens the recording's data file and runs the recorded statements.
//
// Usage: <program> [data file [frame prefix]]
//   data file     the recording's data file; "-" or none takes the one the program was built with
//   frame prefix  saves each frame before its buffer swap as <prefix><n>.rgba (see FrameCapture)
//
// QEL_REPLAY_WIDTH and QEL_REPLAY_HEIGHT give the size of the window, which should be the recording's;
// QEL_REPLAY_DATA the data file the program was built with ("" for a recording without data).

#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "qel_ogl/intercept/FrameCapture.h"
#include "tools/replay/GLRekorderReplay.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/UnsupportedCalls.h"

namespace {

std::string dataPath(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) != "-")
        return argv[1];
    return QEL_REPLAY_DATA;
}

int replay(int argc, char** argv)
{
    std::ifstream data;
    const std::string path = dataPath(argc, argv);
    if (!path.empty())
    {
        data.open(path, std::ios::binary);
        if (!data)
        {
            std::cerr << "Cannot open the recording's data file " << path << "\n";
            return 1;
        }
        pBinaryInputStream = &data;
    }

    ReplaySession session(hdc_map_, QEL_REPLAY_WIDTH, QEL_REPLAY_HEIGHT, QEL_REPLAY_PIXEL_BITS);
    QEL::OGL::ContextWrapped context(session.ownDeviceContext(), session.ownContext());
    QEL::OGL::AutoInitializer library(&context);
    if (argc > 2)
        session.setFrameHook(QEL::OGL::FrameCapture(argv[2], QEL_REPLAY_WIDTH, QEL_REPLAY_HEIGHT));

    setReplaySession(&session);
    replayRecording();
    setReplaySession(nullptr);
    unsupportedCalls().summarize();
    return 0;
}

}

int main(int argc, char** argv)
{
    try
    {
        return replay(argc, argv);
    }
    catch (const std::exception& e)
    {
        std::cerr << "Replay failed: " << e.what() << "\n";
        return 1;
    }
}

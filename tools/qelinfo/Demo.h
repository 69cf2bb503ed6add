#pragma once

#include <string>

class Report;

// The demo of the debugging seam: draws the sample scene through the checked chain with the tracer and both
// recorders installed, saves its frame, makes a checked call fail, then builds the replay program of the
// recording on the build machine, runs it and compares its frame with the recorded one byte for byte. Writes
// into its folder (made, with its parents, if missing): trace.txt, scene.inc and scene.dat (the recording),
// frame.bmp and replayed.bmp (the two frames as images), recorded0.rgba and replayed0.rgba (the compared
// bytes).
class Demo
{
public:
    explicit Demo(std::string directory);

    // Writes each step's facts into report, the verdict last; answers whether the frames are identical.
    // Throws std::runtime_error when a step cannot be done.
    bool run(Report& report) const;

private:
    std::string path(const std::string& name) const;
    void record(Report& report) const;
    bool buildReplay(Report& report) const;
    bool replay(Report& report) const;

    std::string directory_;
};

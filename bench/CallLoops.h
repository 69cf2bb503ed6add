#pragma once

// The timed loops of the call-cost benchmark, each one variant of the same GL call, made `calls` times.
// Each answers the time of one call in nanoseconds; what must happen around the calls (glBegin/glEnd,
// glFinish) stays outside the timed part. A GL context must be current.
class CallLoops
{
public:
    // calls: a multiple of the vertices per glBegin/glEnd pair of the vertex loops (5000).
    explicit CallLoops(int calls);

    // Inside glBegin/glEnd, where the checked chain asks no error.
    double directVertex();
    double checkedVertex();

    // Outside glBegin/glEnd, where the checked chain asks glGetError after every call.
    double directColor();
    double directColorAndError();
    double checkedColor();

    // How many errors the direct glGetError of directColorAndError reported; 0 on a sound run.
    unsigned long errors() const;

private:
    int calls_;
    unsigned long errors_;
};

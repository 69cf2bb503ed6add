#include "CallLoops.h"

#include <windows.h>
#include <GL/gl.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

using QEL::OGL::OpenGLInterceptor;

namespace {

using Clock = std::chrono::steady_clock;

// Outside the clip volume of the default matrices: the driver buffers and clips the points and draws
// nothing, so that drawing costs little.
const float kOutside = 2.0f;

// The vertex loops split their calls into glBegin/glEnd pairs of this many vertices. A pair this short fits
// in the driver's vertex buffer; a longer one makes the driver draw in the middle of the timed calls, which
// adds the time and the noise of drawing to both variants.
const int kVerticesPerPair = 5000;

double nanosecondsPerCall(Clock::duration timed, int calls)
{
    return std::chrono::duration<double, std::nano>(timed).count() / calls;
}

}

CallLoops::CallLoops(int calls)
    : calls_(calls), errors_(0)
{
    if (calls % kVerticesPerPair != 0)
        throw std::invalid_argument("the calls per sample must be a multiple of " +
            std::to_string(kVerticesPerPair));
}

// Only the vertex calls are timed, not glEnd and glFinish, where the driver draws the buffered vertices.
double CallLoops::directVertex()
{
    Clock::duration timed{};
    for (int done = 0; done < calls_; done += kVerticesPerPair)
    {
        glBegin(GL_POINTS);
        const Clock::time_point start = Clock::now();
        for (int call = 0; call < kVerticesPerPair; ++call)
            glVertex3f(kOutside, kOutside, kOutside);
        timed += Clock::now() - start;
        glEnd();
        glFinish();
    }
    return nanosecondsPerCall(timed, calls_);
}

// glBegin and glEnd go through the chain too, so that its error checker knows it is inside the pair.
double CallLoops::checkedVertex()
{
    OpenGLInterceptor* const gl = OpenGLInterceptor::Instance();
    Clock::duration timed{};
    for (int done = 0; done < calls_; done += kVerticesPerPair)
    {
        gl->cgmBegin(__FILE__, __LINE__, GL_POINTS);
        const Clock::time_point start = Clock::now();
        for (int call = 0; call < kVerticesPerPair; ++call)
            gl->cgmVertex3f(__FILE__, __LINE__, kOutside, kOutside, kOutside);
        timed += Clock::now() - start;
        gl->cgmEnd(__FILE__, __LINE__);
        glFinish();
    }
    return nanosecondsPerCall(timed, calls_);
}

double CallLoops::directColor()
{
    glFinish();
    const Clock::time_point start = Clock::now();
    for (int call = 0; call < calls_; ++call)
        glColor3f(0.5f, 0.5f, 0.5f);
    return nanosecondsPerCall(Clock::now() - start, calls_);
}

// What a host checking each call by hand would write: the call, glGetError, a test of its answer.
double CallLoops::directColorAndError()
{
    glFinish();
    const Clock::time_point start = Clock::now();
    for (int call = 0; call < calls_; ++call)
    {
        glColor3f(0.5f, 0.5f, 0.5f);
        if (glGetError() != GL_NO_ERROR)
            ++errors_;
    }
    return nanosecondsPerCall(Clock::now() - start, calls_);
}

double CallLoops::checkedColor()
{
    OpenGLInterceptor* const gl = OpenGLInterceptor::Instance();
    glFinish();
    const Clock::time_point start = Clock::now();
    for (int call = 0; call < calls_; ++call)
        gl->cgmColor3f(__FILE__, __LINE__, 0.5f, 0.5f, 0.5f);
    return nanosecondsPerCall(Clock::now() - start, calls_);
}

unsigned long CallLoops::errors() const
{
    return errors_;
}

#pragma once

// Stands in for the chain below a tracer or a recorder in tests without a GL context: the operations that
// the tests call are mocks, which answer defaults unless a test says otherwise. Any other operation would
// forward to a null interceptor; the tests call none.

#include "qel_ogl/extensionator/OpenGLForwardingDecorator.h"

#include <gmock/gmock.h>

#include <cstddef>

class StandInGL : public QEL::OGL::OpenGLForwardingDecorator
{
public:
    using File = const char*;

    MOCK_METHOD(void, cgmAttachObjectARB, (File, unsigned, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmBegin, (File, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmBindAttribLocation, (File, unsigned, unsigned, unsigned, const char*), (override));
    MOCK_METHOD(void, cgmBindBufferRangeNV, (File, unsigned, unsigned, unsigned, unsigned, ptrdiff_t, ptrdiff_t),
                (override));
    MOCK_METHOD(void, cgmBindTexture, (File, unsigned, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmBitmap, (File, unsigned, int, int, float, float, float, float, const unsigned char*),
                (override));
    MOCK_METHOD(void, cgmBlendFunc, (File, unsigned, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmClear, (File, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmClearDepth, (File, unsigned, double), (override));
    MOCK_METHOD(void, cgmColor3b, (File, unsigned, signed char, signed char, signed char), (override));
    MOCK_METHOD(void, cgmColor3f, (File, unsigned, float, float, float), (override));
    MOCK_METHOD(void, cgmColor3fv, (File, unsigned, const float*), (override));
    MOCK_METHOD(void, cgmColor4ub, (File, unsigned, unsigned char, unsigned char, unsigned char, unsigned char),
                (override));
    MOCK_METHOD(void, cgmColor4us, (File, unsigned, unsigned short, unsigned short, unsigned short, unsigned short),
                (override));
    MOCK_METHOD(void, cgmColorMask, (File, unsigned, unsigned char, unsigned char, unsigned char, unsigned char),
                (override));
    MOCK_METHOD(unsigned, cgmCreateShader, (File, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmDeleteTextures, (File, unsigned, int, const unsigned*), (override));
    MOCK_METHOD(void, cgmDrawElements, (File, unsigned, unsigned, int, unsigned, const void*), (override));
    MOCK_METHOD(void, cgmEnd, (File, unsigned), (override));
    MOCK_METHOD(void, cgmFinish, (File, unsigned), (override));
    MOCK_METHOD(void, cgmFragmentMaterialfEXT, (File, unsigned, unsigned, unsigned, float), (override));
    MOCK_METHOD(void, cgmGenTextures, (File, unsigned, int, unsigned*), (override));
    MOCK_METHOD(unsigned, cgmGenLists, (File, unsigned, int), (override));
    MOCK_METHOD(void, cgmGetActiveUniformARB, (File, unsigned, unsigned, unsigned, int, int*, int*, unsigned*, char*),
                (override));
    MOCK_METHOD(void, cgmGetAttachedObjectsARB, (File, unsigned, unsigned, int, int*, unsigned*), (override));
    MOCK_METHOD(void, cgmGetAttachedShaders, (File, unsigned, unsigned, int, int*, unsigned*), (override));
    MOCK_METHOD(unsigned, cgmGetError, (File, unsigned), (override));
    MOCK_METHOD(void, cgmGetInfoLogARB, (File, unsigned, unsigned, int, int*, char*), (override));
    MOCK_METHOD(void, cgmGetIntegerv, (File, unsigned, unsigned, int*), (override));
    MOCK_METHOD(void, cgmGetProgramInfoLog, (File, unsigned, unsigned, int, int*, char*), (override));
    MOCK_METHOD(const unsigned char*, cgmGetString, (File, unsigned, unsigned), (override));
    MOCK_METHOD(int, cgmGetUniformLocation, (File, unsigned, unsigned, const char*), (override));
    MOCK_METHOD(int, cgmGetUniformLocationARB, (File, unsigned, unsigned, const char*), (override));
    MOCK_METHOD(void, cgmLightfv, (File, unsigned, unsigned, unsigned, const float*), (override));
    MOCK_METHOD(void, cgmLoadMatrixf, (File, unsigned, const float*), (override));
    MOCK_METHOD(void*, cgmMapBuffer, (File, unsigned, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmMultiTexCoord2iv, (File, unsigned, unsigned, const int*), (override));
    MOCK_METHOD(void, cgmMultMatrixd, (File, unsigned, const double*), (override));
    MOCK_METHOD(void, cgmMultMatrixf, (File, unsigned, const float*), (override));
    MOCK_METHOD(void, cgmPixelTransformParameterfEXT, (File, unsigned, unsigned, unsigned, float), (override));
    MOCK_METHOD(void, cgmReadPixels, (File, unsigned, int, int, int, int, unsigned, unsigned, void*), (override));
    MOCK_METHOD(void, cgmShaderSource, (File, unsigned, unsigned, int, const char* const*, const int*), (override));
    MOCK_METHOD(void, cgmShaderSourceARB, (File, unsigned, unsigned, int, const char**, const int*), (override));
    MOCK_METHOD(void, cgmTexImage2D,
                (File, unsigned, unsigned, int, int, int, int, int, unsigned, unsigned, const void*), (override));
    MOCK_METHOD(void, cgmTexParameterfv, (File, unsigned, unsigned, unsigned, const float*), (override));
    MOCK_METHOD(void, cgmTexSubImage2D,
                (File, unsigned, unsigned, int, int, int, int, int, unsigned, unsigned, const void*), (override));
    MOCK_METHOD(void, cgmTranslated, (File, unsigned, double, double, double), (override));
    MOCK_METHOD(void, cgmUniform3fv, (File, unsigned, int, int, const float*), (override));
    MOCK_METHOD(void, cgmUniformMatrix2fv, (File, unsigned, int, int, unsigned char, const float*), (override));
    MOCK_METHOD(void, cgmUseProgramObjectARB, (File, unsigned, unsigned), (override));
    MOCK_METHOD(void, cgmVertex2fv, (File, unsigned, const float*), (override));
    MOCK_METHOD(void, cgmVertex3s, (File, unsigned, short, short, short), (override));
    MOCK_METHOD(void, cgmVertexAttrib4NubARB,
                (File, unsigned, unsigned, unsigned char, unsigned char, unsigned char, unsigned char), (override));
};

#pragma once

// The names that recorded text uses besides GL itself, for the replay program that compiles the text as the
// body of one function. The window-system functions translate the recording's handles through the session
// that the replay program sets; the recorded WGL calls that take handles of the recording reach the
// GLRekorder functions of the same name through the macros of RecordedText.h.

#include <windows.h>

#include <GL/gl.h>

#include <iostream>
#include <istream>
#include <map>
#include <vector>

class ReplaySession;
class UnsupportedCalls;

// The float whose IEEE-754 single-precision bit pattern is the given 32-bit value.
float makeFloat(int bits);

// A recorded call that the recorder could not capture: reported once per kind and counted.
void OpenGLRekorderUnsupported(const char* text);
// The report of those calls, on standard error; the replay program prints its summary at the end.
UnsupportedCalls& unsupportedCalls();

// The recording's data file, opened in binary mode; null when the recording has no data.
extern std::istream* pBinaryInputStream;

// Recorded device contexts to the replay's own, and the one that a recorded context creation draws on.
extern std::map<HDC, HDC> hdc_map_;
extern HDC hDC_Ours;

void addCurrentAppDC(HDC recorded);
void GLRekorderCreateWindow(HDC recorded);
BOOL GLRekorderMakeCurrent(HDC recordedDC, HGLRC recordedRC);
// Runs the session's frame hook, then swaps the buffers of the replay's window.
BOOL GLRekorderSwapBuffers(HDC recorded);
BOOL GLRekorderSwapLayerBuffers(HDC recorded, UINT planes);
// The font calls, with the font that the recording found selected into its device context.
BOOL GLRekorderUseFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTA& font);
BOOL GLRekorderUseFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTW& font);
BOOL GLRekorderUseFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                               FLOAT extrusion, int format, bool metrics, const LOGFONTA& font);
BOOL GLRekorderUseFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                               FLOAT extrusion, int format, bool metrics, const LOGFONTW& font);

HGLRC GLRekorderCreateContext(HDC ours);
HGLRC GLRekorderCreateLayerContext(HDC recorded, int layerPlane);
BOOL GLRekorderDeleteContext(HGLRC recorded);
BOOL GLRekorderShareLists(HGLRC recordedFirst, HGLRC recordedSecond);
BOOL GLRekorderCopyContext(HGLRC recordedSource, HGLRC recordedDestination, UINT mask);

// The session that translates handles while the recorded statements run; null outside a replay.
void setReplaySession(ReplaySession* session);

// The recorded statements: defined by the source file that includes the recorded text.
void replayRecording();

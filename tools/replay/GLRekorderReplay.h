#pragma once

// The names that recorded text uses besides GL itself, for the replay program that compiles the text as the
// body of one function. The window-system functions translate the recording's handles through the session
// that the replay program sets; the recorded WGL calls that take handles of the recording reach the
// GLRekorder functions of the same name through the macros of RecordedText.h.

#include <windows.h>

#include <GL/gl.h>

#include <initializer_list>
#include <iostream>
#include <istream>
#include <map>
#include <vector>

class ReplaySession;
class UnsupportedCalls;

// The float whose IEEE-754 single-precision bit pattern is the given 32-bit value.
float makeFloat(int bits);

// The double whose IEEE-754 bit pattern is the given 64-bit value.
double makeDouble(unsigned long long bits);

// What the complete mode of the recorder writes for the pointers of a call. The bytes of the data file's record
// at offset (the file is read whole at the first use, and its records stay until the replay ends); the same,
// moved by bias bytes, for a vertex array whose first element lies inside the record; an offset into a bound
// buffer; an array of such pointers, kept until the replay ends.
const void* GLRekorderData(unsigned long long offset);
const void* GLRekorderArray(unsigned long long offset, long long bias);
const void* GLRekorderOffset(unsigned long long offset);
const void* const* GLRekorderPointers(std::initializer_list<const void*> pointers);
// Storage for what GL writes during a call, shared by the calls (-1: a size the call does not tell, at least
// 64 MiB), and storage that lasts until the replay ends, for the selection and feedback buffers that GL
// writes after the call.
void* GLRekorderScratch(long long bytes);
void* GLRekorderLastingScratch(long long bytes);

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
// The parts of a recorded text after its first (GLRekorderNextPart): each registers itself when the program
// starts, in the order of the text; runReplayParts runs them in that order.
bool addReplayPart(void (*part)());
void runReplayParts();

#pragma once

class Report;

// The facts of the OpenGL driver behind the current context, asked once the library is on for it: vendor,
// renderer, the parsed version, the core versions and extensions the library found, texture units,
// non-power-of-two textures and swap control. The driver's strings are read through the checked GL chain,
// as a host reads them; everything else is the extension manager's answer.
class DriverReport
{
public:
    DriverReport() = delete;

    static void Add(Report& report);

private:
    static void AddVersion(Report& report);
    static void AddCoreVersions(Report& report);
    static void AddGLExtensions(Report& report);
    static void AddWGLExtensions(Report& report);
    static void AddFeatures(Report& report);
};

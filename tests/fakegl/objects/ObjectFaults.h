#pragma once

#include "FakeGLFixture.h"
#include "LibraryFixture.h"
#include "LoaderSource.h"

#include "tests/fakegl/driver/FakeGL.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// The library turned on over a stand-in driver of a given version and extension list, with every entry point of
// those versions and extensions offered (or all but one).
class ObjectFaults : public LibraryFixture<FakeGLFixture>
{
protected:
    // Each entry is a loader's name as the driver spells it: "GL_VERSION_1_5", "GL_ARB_vertex_buffer_object".
    void turnOnWith(const std::string& version, const std::vector<std::string>& versions,
                    const std::vector<std::string>& extensions, const std::string& missing = "")
    {
        std::string list;
        for (const std::string& entry : versions)
            offer(entry, missing);
        for (const std::string& entry : extensions) {
            offer(entry, missing);
            list += entry + " ";
        }
        fakegl::setString(GL_VERSION, version);
        fakegl::setString(GL_EXTENSIONS, list);
        turnOn();
        fakegl::clearCallLog();
    }

private:
    static void offer(const std::string& entry, const std::string& missing)
    {
        static const std::map<std::string, std::vector<EntryPoint>> loaders = loaderEntryPoints();
        ASSERT_EQ(1u, loaders.count(entry)) << entry;
        for (const EntryPoint& entryPoint : loaders.at(entry)) {
            if (entryPoint.function != missing) {
                ASSERT_TRUE(fakegl::enableProc(entryPoint.function)) << entryPoint.function;
            }
        }
    }
};

inline const std::vector<std::string> kVersionsTo15 = {"GL_VERSION_1_2", "GL_VERSION_1_3", "GL_VERSION_1_4",
                                                       "GL_VERSION_1_5"};

#include "FaultTally.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

unsigned gInjected = 0;

class FaultReport : public testing::Environment
{
public:
    void TearDown() override
    {
        std::printf("Injected %u faults\n", gInjected);
    }
};

const testing::Environment* const kReport = testing::AddGlobalTestEnvironment(new FaultReport);

}

void countInjectedFault()
{
    ++gInjected;
}

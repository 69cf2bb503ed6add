#pragma once

// Counts the faults that the tests of this program inject, for the closing line it prints.
void countInjectedFault();

#pragma once

#include <string>

// The tests delete policy keys, the boot file and control.ini, and change the
// double-click time of the whole desktop. They may do so only on a machine
// made for them: the Wine prefix the suite makes for itself (it holds the
// marker file below), or a machine a person has declared throwaway by setting
// the environment variable below to "yes".
const char* const SuitePrefixMarker = "tavrel-tests-prefix.txt";  // in the Windows directory
const char* const ThrowawayMachineVariable = "TAVREL_TESTS_MAY_CHANGE_THIS_MACHINE";
// Makes a run behave as on a machine with neither, to test the refusal.
const char* const UnmarkedRunVariable = "TAVREL_TESTS_AS_ON_AN_UNMARKED_MACHINE";

bool MachineMayBeChanged();
std::string RefusalText();

// The only test that runs where the machine may not be changed.
const char* const RefusalTestName = "ThisMachine.MayBeChangedByTheTests";

// Sets the double-click time for the tests and puts the desktop's own back
// when the run ends, failed tests included.
class TDoubleClickTimeForTests {
public:
    explicit TDoubleClickTimeForTests(unsigned milliseconds);
    ~TDoubleClickTimeForTests();
    TDoubleClickTimeForTests(const TDoubleClickTimeForTests&) = delete;
    TDoubleClickTimeForTests& operator=(const TDoubleClickTimeForTests&) = delete;

private:
    unsigned usual_;
};

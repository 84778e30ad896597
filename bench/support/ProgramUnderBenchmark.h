#pragma once

// Starts the real program for a benchmark that needs its windows: the
// toolkit, the application's start-up and the first events. Messages go to
// standard error; false when there is no display or the program did not start.
bool StartProgramUnderBenchmark(int argc, char** argv);

// Lets pending layout and paint events run.
void SettleEvents(int rounds = 10);

#pragma once

// Waiting for a child process of the test without hanging the suite: a child that has not
// ended within the limit is killed and reaped, and the wait reports the failure.

#include <chrono>
#include <sys/types.h>

// Waits for `child` to end and stores its wait status in `status`; true when it ended
// within `limit`. On a time-out the child is killed (SIGKILL), reaped, and false returned.
bool WaitForChild(pid_t child, int& status,
                  std::chrono::milliseconds limit = std::chrono::seconds(60));

#include "vornui/platform/CrtErrors.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/ProcessIdentity.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <thread>
#include <unistd.h>

TEST(ProcessIdentity, NamesTheProcessAndEachThread) {
    EXPECT_EQ(GetCurrentProcessId(), static_cast<DWORD>(getpid()));
    const DWORD main = GetCurrentThreadId();
    EXPECT_EQ(main, GetCurrentProcessId()); // the first thread carries the process's id
    DWORD other = 0;
    std::thread([&] { other = GetCurrentThreadId(); }).join();
    EXPECT_NE(other, 0u);
    EXPECT_NE(other, main);
}

TEST(ProcessIdentity, UserNameFollowsTheBufferConvention) {
    const std::string expected = getpwuid(geteuid())->pw_name;
    DWORD size = 1;
    char small[1];
    EXPECT_FALSE(GetUserName(small, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(size, expected.size() + 1);
    char name[256];
    size = sizeof name;
    ASSERT_TRUE(GetUserName(name, &size));
    EXPECT_EQ(name, expected);
    EXPECT_EQ(size, expected.size() + 1);
}

TEST(CrtErrors, TableHoldsTheRuntimesTexts) {
    ASSERT_GT(_sys_nerr, EHOSTUNREACH);
    EXPECT_STREQ(_sys_errlist[ENOENT], "No such file or directory");
    EXPECT_STREQ(_sys_errlist[ECONNREFUSED], std::strerror(ECONNREFUSED));
    EXPECT_STREQ(_sys_errlist[0], "Success");
}

#include "vornui/platform/KernelObject.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Mutex.h"

#include <gtest/gtest.h>

#include <thread>

TEST(Mutex, IsOwnedRecursivelyByOneThread) {
    const HANDLE mutex = CreateMutex(nullptr, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
    std::thread([&] {
        EXPECT_EQ(WaitForSingleObject(mutex, 20), WAIT_TIMEOUT);
        EXPECT_FALSE(ReleaseMutex(mutex));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
    }).join();
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_FALSE(ReleaseMutex(mutex));
    std::thread([&] {
        EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), WAIT_OBJECT_0);
        EXPECT_TRUE(ReleaseMutex(mutex));
    }).join();
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(Mutex, NamedMutexesAreSharedAndAbandonedWhenTheirOwnerEnds) {
    const HANDLE first = CreateMutex(nullptr, FALSE, "vornui.mutex.test");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    const HANDLE second = CreateMutex(nullptr, TRUE, "vornui.mutex.test");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_NE(first, second);

    std::thread([&] { EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0); }).join();
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_ABANDONED);
    EXPECT_TRUE(ReleaseMutex(first));
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_OBJECT_0); // abandonment is told once
    EXPECT_TRUE(ReleaseMutex(second));

    EXPECT_TRUE(CloseHandle(first));
    EXPECT_TRUE(CloseHandle(second));
    const HANDLE fresh = CreateMutex(nullptr, FALSE, "vornui.mutex.test");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    CloseHandle(fresh);
}

TEST(Mutex, BadHandlesFail) {
    EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
    EXPECT_FALSE(ReleaseMutex(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(CloseHandle(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

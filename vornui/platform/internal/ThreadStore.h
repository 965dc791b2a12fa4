#pragma once

// Inside the platform: a per-thread object that every message reaches, found with one load.
// The thread's static block holds only its address, in the model that needs no call into
// the loader; those few bytes leave room for the library to be loaded late, where the
// object itself would not fit. The object is made on the thread's first Get.

template <typename T>
class ThreadStore {
public:
    // The thread's object, or null before its first Get.
    static T* Peek() { return t_address; }

    static T& Get() {
        if (!t_address) {
            thread_local T object;
            t_address = &object;
        }
        return *t_address;
    }

private:
    [[gnu::tls_model("initial-exec")]] static inline constinit thread_local T* t_address = nullptr;
};

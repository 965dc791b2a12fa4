// Converts a double too large for an int, which the sanitizer builds must catch.

#include <cstdio>

int main(int argc, char**) {
    volatile double huge = 1e12 * argc; // 1e12, unknown to the compiler
    const int whole = static_cast<int>(huge);
    std::printf("conversion went unnoticed: %d\n", whole);
    return 0;
}

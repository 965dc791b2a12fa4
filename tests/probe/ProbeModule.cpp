// A shared object with nothing in it but one function, for the tests that load a library
// from a folder and ask where it lies.

extern "C" int VornProbeModuleAnswer() {
    return 42;
}

// A shared library that the tests load from a folder of its own, so that the search of a
// module's own folder for translation files can be tried with real files.
extern "C" __attribute__((visibility("default"))) int VvzTestModuleMarker() {
    return 42;
}

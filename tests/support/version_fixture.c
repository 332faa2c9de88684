/* A DLL that exists only for its version resource. */
int VersionFixture(void) { return 0; }

// Compiled only to make the precompiled headers the test programs share.

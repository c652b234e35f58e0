// Built twice by each include guard (tests/CMakeLists.txt) with one library's include path:
// with a header the library may use, which must compile, and with a header it must not reach
// as well, which must not. The two builds differ by that one include.
#include ORVANTE_GUARD_ALLOWED
#ifdef ORVANTE_GUARD_REFUSED
#include ORVANTE_GUARD_REFUSED
#endif

int includeGuardUnit()
{
    return 0;
}

// The language's own procedures: output, evaluation, strings, arrays, maths, files and the
// environment. Sorted in byte order for the bisection.
#include "melparse/MelBuiltinProcs.h"

#include <algorithm>
#include <array>

namespace orv {
namespace {

constexpr std::array<std::string_view, 118> kBuiltins = {
    "abs", "acos", "acosd", "angle", "asin", "asind", "atan", "atan2", "atan2d", "atand",
    "basename", "capitalizeString", "catch", "catchQuiet", "ceil", "chdir", "clamp", "clear",
    "constrainValue", "cos", "cosd", "cross", "deg_to_rad", "delrandstr", "dirname", "dnoise",
    "dot", "encodeString", "endsWith", "env", "equivalent", "equivalentTol", "exec", "exists",
    "exit", "exp", "fclose", "feof", "fflush", "fgetline", "fgetword", "fileExtension", "filetest",
    "floatEq", "floor", "fmod", "fopen", "fprint", "fread", "frewind", "fwrite", "gamma", "gauss",
    "getenv", "gmatch", "hermite", "hsv_to_rgb", "hypot", "intArrayContains", "intArrayCount",
    "isTrue", "linstep", "log", "log10", "mag", "match", "max", "min", "noise", "pclose", "popen",
    "pow", "print", "putenv", "pwd", "rad_to_deg", "rand", "randstate", "rgb_to_hsv", "rot", "seed",
    "sign", "sin", "sind", "size", "smoothstep", "sort", "source", "sphrand", "sqrt", "startsWith",
    "strcmp", "stringArrayCatenate", "stringArrayContains", "stringArrayCount", "stringArrayFind",
    "stringArrayInsertAtIndex", "stringArrayRemove", "stringArrayRemoveDuplicates",
    "stringArrayToString", "stringToStringArray", "strip", "substitute", "substituteAllString",
    "substring", "system", "tan", "tand", "timerX", "tokenize", "tokenizeList", "tolower",
    "toupper", "trace", "trunc", "unit", "waitCursor", "whatIs",
};

} // namespace

bool IsMelBuiltinProc(std::string_view word)
{
    return std::binary_search(kBuiltins.begin(), kBuiltins.end(), word);
}

} // namespace orv

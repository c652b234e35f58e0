// The calls that rebuild a designed window, in tree order: one walk that chooses the flags
// and their names, shared by every script language the export writes.
#pragma once

#include "mel/CommandDatabase.h"

#include <string>
#include <vector>

namespace orv {

class CUIElement;

// Receives the walk's calls and writes them in its own language.
class ScriptWriter {
public:
    virtual ~ScriptWriter() = default;
    // The call of an element at depth (the window at 0) begins.
    virtual void beginCall(const std::string& command, int depth) = 0;
    // A flag of the command's record whose value is a literal of the flag's type: any text
    // for "String", else a value that isBareFlagValue accepts; a multi-use flag comes once for
    // each use (flagUses). name is short or long as chosen.
    virtual void addFlag(const TypedFlag& flag, const std::string& name, const std::string& value) = 0;
    // A text flag given once for each item, in order (a list's items).
    virtual void addRepeatedText(const std::string& name, const std::vector<std::string>& items) = 0;
    // The call is complete; name, when not empty, is the element's name as the call's argument.
    virtual void endCall(const std::string& name) = 0;
    // The container whose call was at depth is done: the next call goes to its parent.
    virtual void closeContainer(int depth) = 0;
};

// pattern with every "%s" replaced by name (the window's lines around the calls).
std::string withName(const char* pattern, const std::string& name);

struct ScriptOptions {
    bool shortFlags = false;  // the flags' short names instead of their long ones
    bool writeNames = false;  // each call names its element ("Write element names")
};

// Walks element and its subtree at depth: each element's flags refreshed first with its own
// StoreFlags, flags from the command database in record order, the extra flags after them,
// then the children; nested containers (depth 2 and more) are closed after their children.
// A value that is not a literal of its type is left out, and so is a name that is not a MEL
// name, each with a line for the output log in leftOut (when given) naming the element.
void WalkElementScript(const CUIElement& element, int depth, const ScriptOptions& options, ScriptWriter& writer,
                       std::vector<std::string>* leftOut = nullptr);

} // namespace orv

// MEL scripts from anywhere: any bytes read and import without crashing, every place the
// reader gives lies inside the script, and an imported window's file reads back the same.
#include "melparse/MelStatementReader.h"
#include "uimodel/MelWindowImport.h"
#include "uimodel/WindowFile.h"

#include <cstdlib>

namespace {

void checkInside(const orv::MelSourceSpan& span, std::size_t size)
{
    if (span.offset + span.length > size || span.line < 1 || span.column < 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orv::MelScript script = orv::ReadMelStatements(text);
    const int count = static_cast<int>(script.statements.size());
    for (int i = 0; i < count; ++i) {
        const orv::MelStatement& st = script.statements[static_cast<std::size_t>(i)];
        checkInside(st.span, size);
        if (st.enclosing != -1 && (st.enclosing <= i || st.enclosing >= count))
            std::abort();
        for (const orv::MelArgument& a : st.arguments) {
            checkInside(a.span, size);
            if (a.statement >= i)
                std::abort();
        }
    }
    for (const orv::MelLexicalProblem& p : script.problems)
        checkInside(p.span, size);

    orv::SettingsRecord settings;
    orv::UIModelContext context(settings);
    orv::CUIWindow window(context);
    const orv::MelWindowImport import = orv::ImportMelWindow(text, window);
    if (!import.built)
        return 0;
    const std::string written = orv::WriteWindowFile(window);
    orv::CUIWindow again(context);
    orv::OutputLog log;
    if (!orv::ReadWindowFile(written, again, log) || orv::WriteWindowFile(again) != written)
        std::abort();
    return 0;
}

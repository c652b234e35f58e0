// A designed window built in the core for the grid tests: a column layout holding a
// button, a second button and a text scroll list, a view of it with recording previews,
// and the shipped command database loaded.
#pragma once

#include "../core/uimodel/RecordingPreview.h"

#include "designmodel/WindowDesigner.h"
#include "mel/CommandDatabase.h"
#include "uimodel/CUIColumnLayout.h"
#include "uimodel/CUILabelledControls.h"
#include "uimodel/CUITextScrollList.h"
#include "uimodel/CUIWindow.h"

#include <QtTest>

namespace orv::test {

inline void loadShippedDatabase()
{
    QCOMPARE(LoadMelCommandDatabase(ORVANTE_DATABASE_DIR "/melcmd.dat"), LoadResult::ok);
}

struct DesignedWindow {
    explicit DesignedWindow(int booleanStyle = 1)
    {
        settings.booleanStyle = static_cast<BooleanStyle>(booleanStyle);
        column = &add<CUIColumnLayout>(window);
        button = &add<CUIButton>(*column);
        second = &add<CUIButton>(*column);
        list = &add<CUITextScrollList>(*column);
    }

    template <class T>
    T& add(CUIElement& parent)
    {
        auto element = std::make_unique<T>(parent);
        T& ref = *element;
        if (!parent.AddChild(std::move(element)))
            qFatal("the parent refused a child");
        return ref;
    }

    PreviewRecord& record(const CUIElement& element) const { return view.record(element); }

    SettingsRecord settings;
    UIModelContext context{settings};
    CUIWindow window{context};
    RecordedView view{window};
    // Carries out the grid's edits, as a designer view's does.
    WindowDesigner designer{window};
    CUIColumnLayout* column = nullptr;
    CUIButton* button = nullptr;
    CUIButton* second = nullptr;
    CUITextScrollList* list = nullptr;
};

} // namespace orv::test
